// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace art {

const std::array<QRgb, 16> kVgaPalette = {
    qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
    qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0),
    qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
    qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF),
};

namespace {

// Colours of the drawing, all taken from the palette.
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kOlive(0x80, 0x80, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// A glyph of the icon's little stroke font: strokes between points of a grid
// of cells (x across, y down). Drawn crisp, every stroke fills whole cells;
// drawn smooth, it is a round-ended line through the cell centres.
struct Glyph {
    char ch;
    int width;
    std::vector<std::vector<QPoint>> strokes;
};

const std::vector<Glyph> &glyphs()
{
    static const std::vector<Glyph> g = {
        {'1', 3, {{{0, 1}, {1, 0}, {1, 4}}, {{0, 4}, {2, 4}}}},
        {'6', 3, {{{2, 0}, {0, 0}, {0, 4}, {2, 4}, {2, 2}, {0, 2}}}},
        {'0', 3, {{{0, 0}, {2, 0}, {2, 4}, {0, 4}, {0, 0}}}},
        {'X', 3, {{{0, 0}, {0, 1}, {2, 3}, {2, 4}}, {{2, 0}, {2, 1}, {0, 3}, {0, 4}}}},
        {'+', 3, {{{1, 1}, {1, 3}}, {{0, 2}, {2, 2}}}},
        {'-', 3, {{{0, 2}, {2, 2}}}},
        {'=', 3, {{{0, 1}, {2, 1}}, {{0, 3}, {2, 3}}}},
        {'F', 4, {{{3, 0}, {0, 0}, {0, 6}}, {{0, 3}, {2, 3}}}},
        {'C', 4, {{{3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}}}},
        {'o', 3, {{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}}},  // degree mark
    };
    return g;
}

const Glyph &glyph(char ch)
{
    for (const Glyph &g : glyphs())
        if (g.ch == ch)
            return g;
    std::abort();
}

class IconPainter {
public:
    IconPainter(QImage &image, int size) : p_(&image), unit_(size / 32.0), crisp_(size <= 32)
    {
        p_.setRenderHint(QPainter::Antialiasing, !crisp_);
    }

    // Rectangle of grid cells [x, x + w) x [y, y + h), filled, with an
    // optional border one cell wide.
    void box(int x, int y, int w, int h, const QColor &fill, const QColor &border)
    {
        p_.fillRect(cells(x, y, w, h), border);
        p_.fillRect(cells(x + 1, y + 1, w - 2, h - 2), fill);
    }

    void cellsFill(int x, int y, int w, int h, const QColor &colour) { p_.fillRect(cells(x, y, w, h), colour); }

    // Polygon with corners on grid lines.
    void polygon(const QPolygonF &corners, const QColor &colour)
    {
        QPolygonF scaled;
        for (const QPointF &q : corners)
            scaled << q * unit_;
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(scaled);
    }

    // Text in the stroke font, starting at grid cell (x, y), glyphs one cell apart.
    void text(int x, int y, const char *s, const QColor &colour)
    {
        for (; *s; ++s) {
            const Glyph &g = glyph(*s);
            for (const auto &stroke : g.strokes)
                drawStroke(x, y, stroke, colour);
            x += g.width + 1;
        }
    }

private:
    QRectF cells(int x, int y, int w, int h) const { return {x * unit_, y * unit_, w * unit_, h * unit_}; }

    void drawStroke(int x, int y, const std::vector<QPoint> &points, const QColor &colour)
    {
        if (crisp_) {
            for (size_t i = 0; i + 1 < points.size(); ++i)
                cellLine(x + points[i].x(), y + points[i].y(), x + points[i + 1].x(), y + points[i + 1].y(), colour);
            if (points.size() == 1)
                cellsFill(x + points[0].x(), y + points[0].y(), 1, 1, colour);
            return;
        }
        QPainterPath path;
        for (size_t i = 0; i < points.size(); ++i) {
            const QPointF c((x + points[i].x() + 0.5) * unit_, (y + points[i].y() + 0.5) * unit_);
            i == 0 ? path.moveTo(c) : path.lineTo(c);
        }
        QPen pen(colour, 0.9 * unit_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    // The cells on the line between two cells (Bresenham).
    void cellLine(int x0, int y0, int x1, int y1, const QColor &colour)
    {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            cellsFill(x0, y0, 1, 1, colour);
            if (x0 == x1 && y0 == y1)
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) { err += dy; x0 += sx; }
            if (e2 <= dx) { err += dx; y0 += sy; }
        }
    }

    QPainter p_;
    qreal unit_;
    bool crisp_;
};

}  // namespace

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    IconPainter p(image, size);

    // The equation on a white strip.
    p.box(0, 0, 32, 7, kWhite, kNavy);
    p.text(3, 1, "1+X-6=0", kBlack);

    // Ruler, with marks along its upper edge.
    p.box(0, 8, 32, 5, kLime, kGreen);
    for (int x = 3; x < 31; x += 3)
        p.cellsFill(x, 9, 1, (x % 6 == 0) ? 2 : 1, kGreen);

    // Set square standing on its base.
    p.polygon(QPolygonF{{1, 14}, {1, 27}, {15, 27}}, kNavy);
    p.polygon(QPolygonF{{2, 16.5}, {2, 26}, {12.5, 26}}, kBlue);
    p.polygon(QPolygonF{{4, 21}, {4, 24}, {7, 24}}, kWhite);
    p.box(0, 27, 18, 5, kYellow, kOlive);

    // Temperature scales.
    p.text(21, 13, "oF", kRed);
    p.text(21, 22, "oC", kRed);
    return image;
}

std::vector<int> quantiseToVga(const QImage &image)
{
    std::vector<int> indexes;
    indexes.reserve(size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 128) {
                indexes.push_back(-1);
                continue;
            }
            int best = 0;
            long bestDistance = -1;
            for (int i = 0; i < int(kVgaPalette.size()); ++i) {
                const long dr = qRed(c) - qRed(kVgaPalette[i]), dg = qGreen(c) - qGreen(kVgaPalette[i]),
                           db = qBlue(c) - qBlue(kVgaPalette[i]);
                const long distance = dr * dr + dg * dg + db * db;
                if (bestDistance < 0 || distance < bestDistance) {
                    best = i;
                    bestDistance = distance;
                }
            }
            indexes.push_back(best);
        }
    }
    return indexes;
}

}  // namespace art
