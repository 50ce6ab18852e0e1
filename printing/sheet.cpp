// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/sheet.h"

#include "geometry/formulas.h"
#include "window/view/drawings.h"
#include "window/view/fonts.h"

#include <QGlyphRun>
#include <QLocale>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

namespace tavrimo {

namespace {

constexpr qreal kPointsPerInch = 72;
constexpr qreal kMillimetresPerInch = 25.4;
// The formula box stands a continuation in by 24 pixels at 100 %, that is
// at 96 pixels to the inch: 18 points.
constexpr qreal kHangingIndentPoints = 18;
constexpr qreal kHeadingPoints = 22;
constexpr qreal kTextPoints = 14;
// Space between the heading and the text, and the text and the drawings.
constexpr qreal kGapMillimetres = 6;
// A drawing's pixel on paper at most, and the resolution of the one part of
// a drawing that is a bitmap, its shading of curved surfaces.
constexpr qreal kDrawingPixelMillimetres = 0.45;
constexpr qreal kShadingDpi = 120;

// Whether an Arabic letter joins the letter after it (a dual-joining
// letter, or the tatweel); the marks over a letter are looked through.
bool joinsOnward(const QString& text, qsizetype before)
{
    static constexpr std::u16string_view rightJoining = u"\u0621\u0622\u0623\u0624\u0625\u0627\u0629\u062F\u0630\u0631\u0632\u0648";
    for (qsizetype i = before - 1; i >= 0; --i) {
        const char16_t c = text.at(i).unicode();
        if ((c >= 0x064B && c <= 0x065F) || c == 0x0670)
            continue;
        return c == 0x0640 || (c >= 0x0626 && c <= 0x064A && rightJoining.find(c) == std::u16string_view::npos);
    }
    return false;
}

// The text with each lam-alef written as its one presentation form. The
// formula font draws the ligature of the two letters as two glyphs of its
// own that no character maps to, so a PDF made with it loses both letters
// to a reader that copies or searches the text; the presentation form is a
// glyph of its own that maps back. A lam that joins the letter before it
// takes the final form, joined to it by a zero-width joiner.
QString withLamAlefForms(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
        // Alef with madda, hamza above, hamza below, plain: isolated forms.
        char16_t isolated = 0;
        switch (next) {
        case 0x0622: isolated = 0xFEF5; break;
        case 0x0623: isolated = 0xFEF7; break;
        case 0x0625: isolated = 0xFEF9; break;
        case 0x0627: isolated = 0xFEFB; break;
        default: break;
        }
        if (c != 0x0644 || !isolated) {
            out += text.at(i);
            continue;
        }
        if (joinsOnward(text, i))
            out += QChar(0x200D), out += QChar(isolated + 1);
        else
            out += QChar(isolated);
        ++i;
    }
    return out;
}

// The formula box's face and weight, at a size for paper.
QFont formulaFont(qreal points)
{
    return fontFor({Face::MudirMT, points, 600});
}

// Lines of text laid out as the formula box lays them out: right to left,
// each line a paragraph whose wrapped continuation stands in by the
// hanging indent from the paragraph's start (its right).
class Paragraphs {
public:
    Paragraphs(const QString& text, const QFont& font, QPaintDevice* device, qreal width, qreal indent)
    {
        QString lines = text;
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (lines.endsWith(u'\n'))
            lines.chop(1);
        QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
        option.setTextDirection(Qt::RightToLeft);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        for (const QString& line : lines.split(u'\n')) {
            auto& layout = *layouts_.emplace_back(std::make_unique<QTextLayout>(withLamAlefForms(line), font, device));
            layout.setTextOption(option);
            // Kept shaped, for the outlines of its glyphs.
            layout.setCacheEnabled(true);
            layout.beginLayout();
            for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
                row.setLineWidth(layout.lineCount() == 1 ? width : width - indent);
                row.setPosition(QPointF(0, height_));
                height_ += row.height();
            }
            layout.endLayout();
        }
    }

    qreal height() const { return height_; }

    // Draws the text as text, which a PDF keeps searchable, except into a
    // recording (the print preview's), which keeps each run's characters but
    // not its direction and would turn right-to-left brackets and lose
    // spaces: there the glyphs are drawn as the outlines they are.
    void draw(QPainter& painter) const
    {
        painter.save();
        if (painter.paintEngine()->type() != QPaintEngine::Picture) {
            painter.setPen(Qt::black);
            for (const auto& layout : layouts_)
                layout->draw(&painter, QPointF());
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.setRenderHint(QPainter::Antialiasing);
            for (const auto& layout : layouts_) {
                for (const QGlyphRun& run : layout->glyphRuns()) {
                    const QRawFont font = run.rawFont();
                    const QList<quint32> glyphs = run.glyphIndexes();
                    const QList<QPointF> positions = run.positions();
                    QPainterPath outlines;
                    for (qsizetype i = 0; i < glyphs.size(); ++i)
                        outlines.addPath(font.pathForGlyph(glyphs[i]).translated(positions[i]));
                    painter.drawPath(outlines);
                }
            }
        }
        painter.restore();
    }

private:
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    qreal height_ = 0;
};

// The drawings as lines, kept once drawn: a preview paints its pages again
// whenever it is opened or its paper changes.
QPicture figureAsLines(const PictureInfo& picture, qreal shadingScale)
{
    static std::map<std::pair<const PictureInfo*, qreal>, QPicture> drawn;
    const auto key = std::make_pair(&picture, shadingScale);
    const auto found = drawn.find(key);
    return found != drawn.end() ? found->second : drawn[key] = drawFigureAsLines(picture, shadingScale);
}

struct Grid {
    int columns = 1;
    qreal pixel = 0;  // device pixels to a drawing's pixel
    QSizeF cell;
};

// The drawings in rows of equal cells, as large as the room lets them be
// up to their size on paper, in the arrangement that lets them be largest.
Grid arrange(const std::vector<const PictureInfo*>& drawings, QSizeF room, qreal gap, qreal largest)
{
    Grid best;
    const auto count = static_cast<int>(drawings.size());
    QSizeF widest;
    for (const PictureInfo* picture : drawings)
        widest = widest.expandedTo(QSizeF(picture->width, picture->height));
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const QSizeF cell((room.width() - gap * (columns - 1)) / columns, (room.height() - gap * (rows - 1)) / rows);
        const qreal pixel = std::min({largest, cell.width() / widest.width(), cell.height() / widest.height()});
        if (pixel > best.pixel)
            best = {columns, pixel, widest * pixel};
    }
    return best;
}

void paintDrawings(QPainter& painter, const QRectF& room, qreal dpi, const std::vector<const PictureInfo*>& drawings)
{
    if (drawings.empty() || room.height() <= 0)
        return;
    const qreal gap = kGapMillimetres * dpi / kMillimetresPerInch;
    const Grid grid = arrange(drawings, room.size(), gap, kDrawingPixelMillimetres * dpi / kMillimetresPerInch);
    if (grid.pixel <= 0)
        return;
    const auto count = static_cast<int>(drawings.size());
    const int rows = (count + grid.columns - 1) / grid.columns;
    // The shading of a curved surface is a bitmap: fine enough for paper.
    const qreal shading = grid.pixel * std::min<qreal>(1, kShadingDpi / dpi);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        // Right to left, as the page reads; a short last row centred.
        const int row = i / grid.columns;
        const int inRow = row == rows - 1 ? count - row * grid.columns : grid.columns;
        const qreal rowWidth = inRow * grid.cell.width() + (inRow - 1) * gap;
        const qreal right = room.center().x() + rowWidth / 2 - (i % grid.columns) * (grid.cell.width() + gap);
        const QRectF cell(right - grid.cell.width(), room.top() + row * (grid.cell.height() + gap), grid.cell.width(),
                          grid.cell.height());
        const PictureInfo& picture = *drawings[static_cast<size_t>(i)];
        QRectF target(0, 0, picture.width * grid.pixel, picture.height * grid.pixel);
        target.moveCenter(cell.center());
        const QPicture lines = figureAsLines(picture, shading);
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(grid.pixel, grid.pixel);
        painter.setClipRect(QRectF(0, 0, picture.width, picture.height));
        // A recording is played at the size it would have on the device
        // at its own resolution: it is brought back to its pixels.
        const qreal played = qreal(lines.logicalDpiX()) / painter.device()->logicalDpiX();
        painter.scale(played, played);
        painter.drawPicture(0, 0, lines);
        painter.restore();
    }
    painter.restore();
}

}  // namespace

QPageLayout sheetPageLayout()
{
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

Sheet sheetOf(const WindowModel& model, int figure)
{
    const auto index = static_cast<size_t>(std::clamp(figure, 0, kSheetCount - 1));
    const geometry::FigureChoice& choice = geometry::kChoices[index];
    Sheet sheet{QString::fromStdU16String(std::u16string(geometry::kFigureNames[index])),
                model.at(model.require(choice.textStore)).text, {}};
    for (const std::string_view store : choice.slotPictures)
        if (const PictureInfo* picture = store.empty() ? nullptr : pictureOf(store))
            sheet.drawings.push_back(picture);
    return sheet;
}

void paintSheet(QPainter& painter, const QRectF& page, qreal dpi, const Sheet& sheet)
{
    const qreal gap = kGapMillimetres * dpi / kMillimetresPerInch;
    const qreal indent = kHangingIndentPoints * dpi / kPointsPerInch;
    QFont headingFont = formulaFont(kHeadingPoints);
    headingFont.setBold(true);
    std::unique_ptr<Paragraphs> heading, text;
    const auto layOut = [&](qreal width) {
        heading = std::make_unique<Paragraphs>(sheet.name, headingFont, painter.device(), width, indent);
        text = std::make_unique<Paragraphs>(sheet.text, formulaFont(kTextPoints), painter.device(), width, indent);
    };
    layOut(page.width());

    // The drawings take what the text leaves, but never less than a third
    // of the page: a longer text is shrunk with them to fit, laid out again
    // at the width the shrinking gives it.
    const auto textHeight = [&] { return heading->height() + gap + text->height(); };
    const qreal leastRoom = sheet.drawings.empty() ? 0 : page.height() / 3 + gap;
    const qreal shrink = std::min<qreal>(1, page.height() / (textHeight() + leastRoom));
    const qreal width = page.width() / shrink;
    if (shrink < 1)
        layOut(width);

    painter.save();
    painter.translate(page.topLeft());
    painter.scale(shrink, shrink);
    const qreal drawingsTop = textHeight() + gap;
    heading->draw(painter);
    painter.translate(0, heading->height() + gap);
    text->draw(painter);
    painter.translate(0, text->height() + gap);
    paintDrawings(painter, QRectF(0, 0, width, page.height() / shrink - drawingsTop), dpi / shrink, sheet.drawings);
    painter.restore();
}

}  // namespace tavrimo
