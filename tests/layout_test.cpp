// SPDX-License-Identifier: GPL-3.0-or-later
// The real window at 100 to 300 %: nothing under the tab strip or against a
// border or another control.

#include "tests/window_fixture.h"
#include "assets/pictures.h"
#include "window/label3d.h"
#include "window/view/zoom.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QtMath>

#include <string>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

QString q(std::u16string_view text) { return toQString(text); }

using LayoutTest = ZoomedWindowFixture;

// The smallest rectangle holding every pixel of the image `ink` picks.
template <typename Ink>
QRect inkOf(const QImage& image, Ink ink, QRect within = {})
{
    within = within.isNull() ? image.rect() : within;
    QRect found;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (ink(image.pixelColor(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

TEST_P(LayoutTest, the_tab_strip_leaves_every_page_in_view_from_its_top_360)
{
    QTabWidget* tabs = window().tabControl();
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        showPage(page);
        const int pageTop = tabs->currentWidget()->mapTo(tabs, QPoint(0, 0)).y();
        EXPECT_LE(pageTop, zoomed(24, GetParam()));  // 360 twips
        EXPECT_LT(tabs->tabBar()->geometry().bottom(), pageTop);
    }
}

// Of the pixels with ink, the share that is solid: high for lines drawn at the
// screen's resolution, low for an enlarged bitmap's soft lines.
double solidShare(const QImage& image)
{
    int ink = 0, solid = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            ink += grey < 230;
            solid += grey < 60;
        }
    return ink ? double(solid) / ink : 0;
}

// Each drawing is drawn sharp at the zoom, its ink inside the page on view,
// clear of its edge, of the formula box and of the list.
TEST_P(LayoutTest, every_drawing_is_drawn_sharp_and_lies_whole_in_view_clear_of_the_formula_box_and_list)
{
    const auto sharp = [zoom = GetParam()](QLabel* image, const PictureInfo& stored) {
        const QPixmap shown = image->pixmap();
        const qreal ratio = shown.devicePixelRatio();
        EXPECT_NEAR(shown.width(), stored.width * zoom / 100.0 * ratio, 1);
        EXPECT_NEAR(shown.height(), stored.height * zoom / 100.0 * ratio, 1);
        if (zoom == 100)
            return;
        QImage enlarged(QString::fromLatin1(stored.resource.data(), static_cast<qsizetype>(stored.resource.size())),
                        stored.format.data());
        enlarged = enlarged.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(solidShare(shown.toImage()), 1.3 * solidShare(enlarged));
    };
    int drawings = 0;
    for (int figure = 0; figure < 9; ++figure) {
        pick(figure);
        QWidget* page = window().tabControl()->currentWidget();
        const QRect inView = page->rect().adjusted(1, 1, -1, -1);
        const QRect formulas(widget("txtGra")->mapTo(page, QPoint(0, 0)), widget("txtGra")->size());
        const QRect list(widget("Combo1")->mapTo(page, QPoint(0, 0)), widget("Combo1")->size());
        for (const char* slot : {"Image16", "Image17", "Image18", "Image19"}) {
            SCOPED_TRACE(std::to_string(figure) + " " + slot);
            auto* image = qobject_cast<QLabel*>(widget(slot));
            const QImage picture = image->pixmap().toImage();
            if (picture.isNull())
                continue;
            ++drawings;
            sharp(image, *pictureOf(model().at(control(slot).picture).row->name));
            const QRect ink = inkOf(picture, [](QColor c) { return qGray(c.rgb()) < 200; });
            ASSERT_FALSE(ink.isEmpty());
            const qreal ratio = picture.devicePixelRatio();
            const QRect onPage(image->mapTo(page, QPoint(qFloor(ink.left() / ratio), qFloor(ink.top() / ratio))),
                               QSize(qCeil(ink.width() / ratio), qCeil(ink.height() / ratio)));
            EXPECT_TRUE(inView.contains(onPage));
            EXPECT_FALSE(onPage.intersects(formulas));
            EXPECT_FALSE(onPage.intersects(list));
        }
    }
    EXPECT_EQ(drawings, 15);
    showPage(1);
    SCOPED_TRACE("the thermometer");
    sharp(qobject_cast<QLabel*>(widget("Image21")), kPictures[kThermometer]);
}

// A 3-D label's whole name shows inside it; only a field lying over it, clear
// of the name, overlaps it.
void expectNamesReadable(QWidget* container, const std::string& where)
{
    for (QObject* child : container->children()) {
        auto* label = qobject_cast<Label3D*>(child);
        if (!label || !label->isVisible() || label->caption().isEmpty())
            continue;
        SCOPED_TRACE(where + " " + label->objectName().toStdString() + " " + label->caption().toStdString());
        const QRect name = label->captionRect();
        EXPECT_GE(name.width(), label->fontMetrics().horizontalAdvance(label->caption()));
        EXPECT_TRUE(label->rect().contains(name));
        const QRect nameInParent = name.translated(label->pos());
        const QObjectList& order = container->children();
        for (QObject* o : order) {
            auto* other = qobject_cast<QWidget*>(o);
            if (!other || other == label || !other->isVisible() || other->geometry().contains(label->geometry())
                || !other->geometry().intersects(label->geometry()))
                continue;  // no overlap, or the page background the label sits on
            SCOPED_TRACE("overlaps " + other->objectName().toStdString());
            EXPECT_TRUE(qobject_cast<QLineEdit*>(other)) << "only a field may overlap a label";
            EXPECT_GT(order.indexOf(other), order.indexOf(label)) << "the field lies over the label";
            EXPECT_FALSE(other->geometry().intersects(nameInParent)) << "the field covers the name";
        }
    }
}

TEST_P(LayoutTest, unit_names_keep_their_font_and_stay_clear_of_every_other_control)
{
    showPage(0);
    QWidget* page = window().tabControl()->currentWidget();
    for (const char* option : {"optArea", "optSize", "optW", "optTall"}) {
        QTest::mouseClick(widget(option), Qt::LeftButton);
        QApplication::processEvents();
        for (int i = 0; i < 12; ++i)
            if (widget("Label3D1", i)->isVisible())
                EXPECT_DOUBLE_EQ(widget("Label3D1", i)->font().pointSizeF(), 8.25 * GetParam() / 100) << option << " " << i;
        expectNamesReadable(page, option);
    }
    showPage(1);
    EXPECT_DOUBLE_EQ(widget("Label3D2", 2)->font().pointSizeF(), 13.5 * GetParam() / 100);
    expectNamesReadable(widget("Frame3"), "Frame3");
}

// A long caption widens its label by the spare room at most.
TEST(Label3DRoom, a_long_caption_widens_the_label_by_its_spare_room_at_most)
{
    Label3D label;
    label.setCaption(QString(60, u'م'));
    label.setHome(QRect(200, 10, 40, 20));
    label.setRoom(15, 5);
    EXPECT_EQ(label.geometry(), QRect(185, 10, 55, 20));
    EXPECT_LE(label.captionRect().right(), label.width() - 5);
}

// A wrapped line's continuation stands in from the right edge.
TEST_P(LayoutTest, each_formula_line_starts_at_the_right_edge_of_the_box_and_its_continuation_further_in)
{
    int continuations = 0;
    for (int figure : {7, 8}) {
        pick(figure);
        auto* box = qobject_cast<QTextEdit*>(widget("txtGra"));
        const int right = box->viewport()->width();
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            if (block.text().trimmed().isEmpty() || !block.isVisible())
                continue;
            SCOPED_TRACE(block.text().toStdString());
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                QTextCursor start(block);
                start.setPosition(block.position() + block.layout()->lineAt(i).textStart());
                const QRect caret = box->cursorRect(start);
                if (caret.bottom() > box->viewport()->height())
                    break;  // lines below need scrolling
                EXPECT_TRUE(i == 0 ? caret.x() >= right - zoomed(10, GetParam()) : caret.x() <= right - zoomed(20, GetParam()))
                    << "line " << i << " at " << caret.x();
                continuations += i > 0;
            }
        }
    }
    EXPECT_GT(continuations, 0);
}

// A greyed hint until a figure is picked, then every name whole.
TEST_P(LayoutTest, the_figure_list_shows_a_hint_then_every_name_whole)
{
    showPage(2);
    auto* list = qobject_cast<QComboBox*>(widget("Combo1"));
    EXPECT_EQ(list->placeholderText(), q(u"اختر شكلاً"));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_LE(list->geometry().right(), list->parentWidget()->width() - 2);
    for (int figure = 0; figure < 9; ++figure) {
        pick(figure);
        SCOPED_TRACE(list->currentText().toStdString());
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.currentText = list->currentText();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        EXPECT_LE(list->fontMetrics().horizontalAdvance(list->currentText()), field.width());
    }
}

// The scroll bar's and the list's arrows are as wide as at 100 % times the zoom.
TEST_P(LayoutTest, the_scroll_and_list_arrows_grow_with_the_zoom)
{
    pick(2);
    auto* formulas = qobject_cast<QTextEdit*>(widget("txtGra"));
    const auto arrowInk = [&] {
        std::vector<int> widths;
        for (QWidget* w : {static_cast<QWidget*>(formulas->verticalScrollBar()), widget("Combo1")}) {
            const QImage shot = w->grab().toImage();
            // The arrow: the darkest ink in the box's end square or the list's button.
            const bool bar = w != widget("Combo1");
            const QRect room = bar ? QRect(0, 0, shot.width(), shot.width())
                                   : QRect(0, 0, shot.height(), shot.height()).translated(
                                         w->isRightToLeft() ? 0 : shot.width() - shot.height(), 0);
            widths.push_back(inkOf(shot, [](QColor c) { return c.lightness() < 110; }, room.adjusted(2, 2, -2, -2)).width());
        }
        return widths;
    };
    const std::vector<int> zoomedWidths = arrowInk();
    window().zoomTo(100);
    QApplication::processEvents();
    const std::vector<int> at100 = arrowInk();
    for (size_t i = 0; i < at100.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(at100[i], 2);
        EXPECT_GE(zoomedWidths[i], 0.75 * at100[i] * GetParam() / 100);  // less the soft edge of an enlarged glyph
    }
}

// The frames' lines, a pixel at 100 %, grow with the zoom.
TEST_P(LayoutTest, frame_lines_grow_with_the_zoom)
{
    showPage(1);
    for (QWidget* w : {widget("Frame2"), static_cast<QWidget*>(window().tabControl()),
                       static_cast<QWidget*>(window().tabControl()->tabBar()), widget("Shape1"), widget("txtA"),
                       widget("cmdCls")}) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QImage shot = w->grab().toImage();
        const int y = shot.height() * 3 / 4;
        const int inside = shot.pixelColor(zoomed(10, GetParam()), y).lightness();
        const auto dark = [&](int x) { return shot.pixelColor(x, y).lightness() < inside - 10; };
        int x = 0, line = 0;
        while (x < shot.width() / 4 && !dark(x))
            ++x;  // what lies outside the line
        while (x + line < shot.width() / 4 && dark(x + line))
            ++line;
        EXPECT_GE(line, zoomed(1, GetParam()) * shot.devicePixelRatio());
    }
}

// The equation's red ink lies inside the blue rectangle, its first line above.
TEST_P(LayoutTest, the_equation_lies_inside_its_rectangle)
{
    showPage(1);
    QWidget* frame = widget("Frame2");
    const QImage shot = frame->grab().toImage();
    const QRect rectangle = widget("Shape1")->geometry();
    const QRect label = widget("Label4")->geometry();
    const qreal ratio = shot.devicePixelRatio();
    int inside = 0;
    for (int y = label.top(); y <= label.bottom(); ++y) {
        for (int x = label.left(); x <= label.right(); ++x) {
            const QColor c = shot.pixelColor(qRound(x * ratio), qRound(y * ratio));
            if (c.red() < 180 || c.green() > 120 || c.blue() > 120 || y < rectangle.top() - 1)
                continue;  // not the caption's red, or its first line above the rectangle
            EXPECT_TRUE(rectangle.adjusted(2, 2, -2, -2).contains(x, y)) << x << "," << y;
            ++inside;
        }
    }
    EXPECT_GT(inside, 50);
}

// Frame captions and button words keep clear of the frame and the border.
TEST_P(LayoutTest, frame_captions_and_button_words_keep_clear_of_the_edges)
{
    for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
        SCOPED_TRACE(name);
        auto* frame = qobject_cast<QGroupBox*>(widget(name));
        showPage(model().pageOf(model().require(name)));
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        EXPECT_GE(caption.width(), frame->fontMetrics().horizontalAdvance(frame->title()));
        EXPECT_GE(caption.left(), 3);
        EXPECT_LE(caption.right(), frame->width() - 4);
    }
    showPage(1);
    QMessageBox box(QMessageBox::Information, QStringLiteral("..."), q(u"خطأ"), QMessageBox::Ok, &window());
    box.show();
    QApplication::processEvents();
    for (QAbstractButton* button : {qobject_cast<QAbstractButton*>(widget("cmdResult")),
                                    qobject_cast<QAbstractButton*>(widget("cmdCls")), box.button(QMessageBox::Ok)}) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_TRUE(button->icon().isNull() || box.button(QMessageBox::Ok) != button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) + 12, button->width());
    }
}

// An option's focus frame holds its whole caption, clear of it and of the circle.
TEST_P(LayoutTest, option_captions_keep_clear_of_their_focus_frames)
{
    showPage(0);
    for (const char* name : {"optTall", "optArea", "optSize", "optW"}) {
        SCOPED_TRACE(name);
        auto* button = qobject_cast<QRadioButton*>(widget(name));
        button->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle* style = button->style();
        const QRect room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        const QRect frame = style->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, button);
        const QRect circle = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        const int width = button->fontMetrics().horizontalAdvance(button->text());
        const int captionLeft = room.right() + 1 - width;
        EXPECT_GE(captionLeft, 2) << "the caption is cut or meets the frame";
        EXPECT_LE(frame.left(), captionLeft - 2);
        EXPECT_GE(frame.right(), room.right() + 2);
        EXPECT_GE(frame.left(), 0);
        EXPECT_LT(frame.right(), circle.left() - 1);
    }
}

// What a line edit holds inside its frame.
QRect contents(QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).marginsRemoved(edit->textMargins());
}

// The longest number: shown whole by the results and unit fields; cut with an
// ellipsis by a temperature field without the focus, its end shown while typed.
// Measured with the font, and seen: the last ink is a digit or the ellipsis's dots.
TEST_P(LayoutTest, the_longest_number_shows_whole_or_cut_with_an_ellipsis)
{
    const QString result = QStringLiteral("-2.23606797749979E-300");
    const QString amount = QStringLiteral("-1.79769313486231E+308");
    const struct {
        const char* name;
        int index, page;
        const QString& text;
        bool whole, typed = false;  // typed: key by key, the focus staying
    } rows[] = {{"sqrD", -1, 1, result, true}, {"s1", -1, 1, result, true}, {"s2", -1, 1, result, true},
                {"txtTAS", 6, 0, amount, true}, {"txtUSA", 4, 0, amount, true}, {"txtC", -1, 1, amount, false},
                {"txtC", -1, 1, amount, false, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        showPage(row.page);
        window().tabControl()->tabBar()->setFocus(Qt::TabFocusReason);
        QLineEdit* box = field(row.name, row.index);
        if (row.typed) {
            model().setText(model().require(row.name, row.index), QString());
            type(box, row.text);
        } else {
            // Written by the program, as a conversion or the solver writes it.
            model().setText(model().require(row.name, row.index), row.text);
            box->setCursorPosition(0);
            QApplication::processEvents();
        }
        const QRect inside = contents(box);
        const QRect line = inside.adjusted(2, 0, -2, 0);  // the line edit keeps two pixels free at either side
        const QFontMetrics metrics = box->fontMetrics();
        EXPECT_EQ(std::max(metrics.horizontalAdvance(row.text), metrics.boundingRect(row.text).right() + 1) <= line.width(),
                  row.whole);
        EXPECT_EQ(box->toolTip().isEmpty(), row.whole);

        const QImage shot = box->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QColor base = box->palette().color(QPalette::Base);
        const auto ink = [&](QColor c) { return distance(c, base) > 200; };
        // The text's ink, scanned to a pixel past the line: a character the
        // line cuts reaches that pixel; scanned across the digits' height, off
        // the frame's corners. The frame's inner shading, from top to bottom,
        // is no ink.
        const double capHeight = metrics.capHeight() * ratio;
        const double middle = (inside.center().y() + 0.5) * ratio;
        const int top = qFloor(middle - 0.8 * capHeight), bottom = qCeil(middle + 0.8 * capHeight);
        int right = -1, textTop = bottom;
        for (int x = qRound((line.left() - 1) * ratio); x < qRound((line.right() + 2) * ratio); ++x)
            if (const QRect column = inkOf(shot, ink, QRect(x, top, 1, bottom - top));
                !column.isEmpty() && column.height() < (bottom - top) * 0.8) {  // not the frame's shading
                right = x;
                textTop = std::min(textTop, column.top());
            }
        ASSERT_GE(right, 0);
        EXPECT_LT(right, (line.right() + 1) * ratio) << "the last character runs past the box";
        const int lastTop = inkOf(shot, ink, QRect(right - 1, top, 2, bottom - top)).top();
        if (row.whole || row.typed)
            EXPECT_LT(lastTop - textTop, 0.3 * capHeight) << "the last character is not a digit";
        else
            EXPECT_GT(lastTop - textTop, 0.6 * capHeight) << "no ellipsis at the cut";
    }
}

// The focus frame of every control is two pixels at 100 % times the zoom, on
// each of its four sides.
TEST_P(LayoutTest, every_control_that_takes_the_focus_shows_it_with_a_frame_that_grows_with_the_zoom)
{
    QTabBar* strip = window().tabControl()->tabBar();
    const int frame = 2 * GetParam() / 100;
    int controls = 0;
    for (int page = 0; page < 3; ++page) {
        showPage(page);
        const std::vector<QWidget*> all = focusable();
        for (QWidget* w : all) {
            SCOPED_TRACE(std::to_string(page) + " " + w->objectName().toStdString());
            (w == strip ? all.back() : static_cast<QWidget*>(strip))->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            const QImage without = w->grab().toImage();
            w->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            ASSERT_TRUE(w->hasFocus());
            const QImage with = w->grab().toImage();
            ASSERT_EQ(with.size(), without.size());
            const auto changed = [&](int x, int y) { return distance(with.pixelColor(x, y), without.pixelColor(x, y)) > 48; };
            // Around what took the highlight colour with the focus (an option
            // button's circle changes too, but not to it).
            const QRgb highlight = w->palette().color(QPalette::Active, QPalette::Highlight).rgb();
            QRect change;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    change |= with.pixel(x, y) == highlight && changed(x, y) ? QRect(x, y, 1, 1) : QRect();
            ASSERT_FALSE(change.isEmpty()) << "the focus does not show";
            const qreal ratio = with.devicePixelRatio();
            const QPoint middle = change.center();
            int sides[4] = {};  // left, top, right, bottom
            while (sides[0] < change.width() && changed(change.left() + sides[0], middle.y()))
                ++sides[0];
            while (sides[1] < change.height() && changed(middle.x(), change.top() + sides[1]))
                ++sides[1];
            while (sides[2] < change.width() && changed(change.right() - sides[2], middle.y()))
                ++sides[2];
            while (sides[3] < change.height() && changed(middle.x(), change.bottom() - sides[3]))
                ++sides[3];
            for (const int side : sides)
                EXPECT_GE(side, frame * ratio);
            ++controls;
        }
    }
    EXPECT_GE(controls, 27);  // the tab strip thrice, 17 on page 0, 8 on page 1, 2 on page 2
}

// Every context menu reads right to left, each item and shortcut whole, in
// Arabic, without underlined letters, and clear of the border.
TEST_P(LayoutTest, context_menus_show_every_item_and_shortcut_whole_inside_the_border)
{
    for (const auto& [name, index, page] : {std::tuple{"txtTAS", 3, 0}, {"s1", -1, 1}, {"txtGra", -1, 2}}) {
        SCOPED_TRACE(name);
        showPage(page);
        QWidget* field = widget(name, index);
        QMenu* menu = contextMenu(qobject_cast<QTextEdit*>(field) ? qobject_cast<QTextEdit*>(field)->viewport() : field);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->isRightToLeft());
        EXPECT_DOUBLE_EQ(menu->font().pointSizeF(), QApplication::font().pointSizeF() * GetParam() / 100);
        const QImage shot = menu->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QColor background = shot.pixelColor(shot.width() / 2, qRound(ratio * 2));
        int shortcuts = 0;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            shortcuts += action->text().contains(u'\t');
            // Qt's own Arabic translation names the actions, and no
            // underlined letter cuts an Arabic word in two.
            EXPECT_EQ(action->text().front().script(), QChar::Script_Arabic) << action->text().toStdString();
            EXPECT_FALSE(QString(action->text()).remove(QStringLiteral("&&")).contains(u'&')) << action->text().toStdString();
            // In screen pixels: the border is `edge` wide, and the two
            // logical pixels inside it on either side must stay blank.
            const QRect row = menu->actionGeometry(action);
            const int edge = qCeil(ratio), margin = qRound(2 * ratio);
            int touching = 0;
            QPoint first;
            for (int y = qRound(row.top() * ratio) + edge; y < qRound((row.bottom() + 1) * ratio) - edge; ++y)
                for (int i = 0; i < margin; ++i)
                    for (const int x : {edge + i, shot.width() - 1 - edge - i})
                        if (std::abs(shot.pixelColor(x, y).lightness() - background.lightness()) > 24 && !touching++)
                            first = QPoint(x, y);
            EXPECT_EQ(touching, 0) << action->text().toStdString() << " touches the border, first at " << first.x()
                                   << "," << first.y();
        }
        EXPECT_GT(shortcuts, 0);
        menu->close();
        QApplication::processEvents();
    }
}

INSTANTIATE_TEST_SUITE_P(Zoom, LayoutTest, ::testing::Values(100, 150, 200, 300), zoomName);

}  // namespace
