// SPDX-License-Identifier: GPL-3.0-or-later
// What the real widgets show of the numbers, and how the window zooms.

#include "tests/window_fixture.h"
#include "window/view/zoom.h"
#include "window/view/zoom_memory.h"
#include "window/view/zoom_notice.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTextEdit>
#include <QScreen>
#include <QTemporaryDir>


using namespace tavrimo;
using namespace Qt::StringLiterals;
using namespace tavrimo::testing;

namespace {

using ViewTest = WindowFixture;

TEST_F(ViewTest, a_field_written_while_another_has_the_focus_shows_its_sign_and_first_digits)
{
    showPage(1);
    type(field("txtF"), QStringLiteral("2"));
    QLineEdit* celsius = field("txtC");
    ASSERT_EQ(celsius->text(), QStringLiteral("-16.6666666666667"));
    EXPECT_EQ(control("txtC").selStart, 0);
    EXPECT_EQ(celsius->cursorPosition(), 0);
    // The text is wider than the box, and it is drawn from its minus sign.
    EXPECT_GT(celsius->fontMetrics().horizontalAdvance(celsius->text()), celsius->contentsRect().width());
    celsius->grab();  // laid out as painted
    EXPECT_LT(celsius->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(),
              celsius->fontMetrics().averageCharWidth() + 8);
    EXPECT_EQ(celsius->toolTip(), QStringLiteral("-16.6666666666667"));
    // The field being typed in keeps the caret at the end of its text.
    EXPECT_EQ(field("txtF")->cursorPosition(), field("txtF")->text().size());
    EXPECT_EQ(field("txtF")->toolTip(), QString());  // 2 fits its box
}

// Dropped text drives the conversion from the field it lands in.
TEST_F(ViewTest, text_dropped_on_a_field_without_the_focus_converts_from_that_field)
{
    showPage(0);
    type(field("txtTAS", 6), QStringLiteral("1"));
    QLineEdit* inch = field("txtUSA", 0);
    QMimeData dropped;
    dropped.setText(QStringLiteral("12"));
    const QPointF at = inch->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inch, &enter);
    QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(inch, &drop);
    QCoreApplication::processEvents();
    ASSERT_TRUE(inch->text().contains(QStringLiteral("12")));
    EXPECT_EQ(control("txtUSA", 0).text, inch->text());
    EXPECT_EQ(app_.program().form().bytSource, 3);
    EXPECT_EQ(control("txtUSA", 0).backColor, Colour::of(0xFFFF00));
    EXPECT_EQ(control("txtTAS", 6).backColor, Colour::of(0xC0C0FF));  // the kilometre field lost the focus
}

TEST_F(ViewTest, the_focus_that_comes_with_the_windows_activation_moves_the_driving_field)
{
    showPage(0);
    type(field("txtTAS", 6), QStringLiteral("1"));
    // A click straight into the millimetre field of the inactive window: the
    // field receives the focus only as the window is activated.
    QLineEdit* millimetre = field("txtTAS", 0);
    QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(millimetre, &activated);
    EXPECT_EQ(app_.program().form().bytSource, 0);
    EXPECT_EQ(control("txtTAS", 6).backColor, Colour::of(0xC0C0FF));
    QTest::keyClick(millimetre, Qt::Key_End);
    QTest::keyClicks(millimetre, QStringLiteral("7"));
    EXPECT_EQ(millimetre->text(), QStringLiteral("10000007"));
    EXPECT_EQ(field("txtTAS", 3)->text(), QStringLiteral("10000.007"));
    // Coming back to the window with the same field runs nothing.
    app_.program().takeStats();
    QApplication::sendEvent(millimetre, &activated);
    EXPECT_EQ(app_.program().takeStats().handlers, 0);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the page, wrapping round, from any control;
// the focus goes with the page shown.
TEST_F(ViewTest, ctrl_tab_turns_the_page_both_ways_from_every_kind_of_control)
{
    const struct {
        const char* from;
        int index, page, step, shown;
        const char* focus;  // nullptr: not checked
    } rows[] = {
        {"SSTab1", -1, 2, 1, 0, "SSTab1"}, {"SSTab1", -1, 0, -1, 2, "SSTab1"}, {"SSTab1", -1, 2, -1, 1, "SSTab1"},
        {"Combo1", -1, 2, 1, 0, "txtTAS(0)"}, {"Combo1", -1, 2, -1, 1, nullptr}, {"txtGra", -1, 2, 1, 0, nullptr},
        {"txtGra", -1, 2, -1, 1, nullptr},     {"optTall", -1, 0, -1, 2, nullptr},   {"cmdResult", -1, 1, 1, 2, nullptr},
        {"txtA", -1, 1, -1, 0, nullptr},      {"txtK", -1, 1, -1, 0, nullptr},      {"txtTAS", 3, 0, 1, 1, "txtK"},
    };
    QTabBar* strip = window().tabControl()->tabBar();
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " " + std::to_string(row.step));
        showPage(row.page);
        QWidget* from = row.index < 0 && row.from == std::string_view("SSTab1") ? strip : widget(row.from, row.index);
        from->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        if (row.step > 0)
            QTest::keyClick(from, Qt::Key_Tab, Qt::ControlModifier);
        else  // as the keyboard sends it
            QTest::keyClick(from, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::processEvents();
        EXPECT_EQ(strip->currentIndex(), row.shown);
        if (row.focus)
            EXPECT_EQ(QApplication::focusWidget() == strip ? u"SSTab1"_s : QApplication::focusWidget()->objectName(),
                      QString::fromLatin1(row.focus));
    }
    EXPECT_EQ(control("txtTAS", 3).backColor, Colour::of(0xC0C0FF));
}

// Only the focused field shows its selection; the others keep it unseen.
TEST_F(ViewTest, only_the_field_with_the_focus_shows_its_selection)
{
    showPage(0);
    type(field("txtTAS", 3), QStringLiteral("1"));
    std::vector<QLineEdit*> fields;
    for (int i = 0; i < 12; ++i)
        fields.push_back(i < 7 ? field("txtTAS", i) : field("txtUSA", i - 7));
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const auto highlighted = [&](QLineEdit* edit) {
        const QImage shot = edit->grab().toImage();
        int pixels = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                pixels += shot.pixelColor(x, y) == highlight;
        return pixels > shot.height();  // more than a focus frame's corner
    };
    QTabBar* strip = window().tabControl()->tabBar();
    strip->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 13; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        for (QLineEdit* edit : fields) {
            SCOPED_TRACE(std::to_string(step) + " " + edit->objectName().toStdString());
            EXPECT_EQ(highlighted(edit), edit->hasFocus() && edit->hasSelectedText());
        }
    }
    ASSERT_TRUE(widget("optTall")->hasFocus());
    EXPECT_EQ(control("txtTAS", 0).selLength, control("txtTAS", 0).text.size()) << "the selection is kept";
    // Nor a caret: each field looks as it would with nothing selected.
    for (QLineEdit* edit : fields) {
        const QImage kept = edit->grab().toImage();
        const int start = edit->selectionStart(), length = static_cast<int>(edit->selectedText().size());
        edit->deselect();
        EXPECT_EQ(edit->grab().toImage(), kept) << edit->objectName().toStdString();
        if (length > 0)
            edit->setSelection(start, length);
    }
    fields[0]->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(highlighted(fields[0])) << "the kept selection shows again";
}

TEST_F(ViewTest, a_text_that_cannot_become_a_number_is_framed_in_red_with_an_example)
{
    showPage(1);
    QLineEdit* celsius = field("txtC");
    for (const auto& [typed, invalid] : {std::pair{"3,5", true}, {"-", false}, {"1e", false}, {"12abc", true}}) {
        paste(celsius, QString::fromUtf8(typed));
        EXPECT_EQ(control("txtC").invalid, invalid) << typed;
        const QImage shown = celsius->grab().toImage();
        EXPECT_EQ(shown.pixelColor(0, shown.height() / 2) == QColor(0xD0, 0x00, 0x00), invalid) << typed;
        EXPECT_EQ(celsius->toolTip(), invalid ? u"هذا ليس عددًا\nمثال: 3.5 أو ٣٫٥"_s : QString()) << typed;
        EXPECT_EQ(field("txtF")->text(), QString()) << typed;
    }
}

// In a comma locale (comma_locale_test.sh) the keypad's "." reads too, and a text
// holding both separators is marked.
TEST_F(ViewTest, a_comma_locale_reads_the_keypads_point_too)
{
    if (NumberFormat::fromCLocale().decimalSeparator != u',')
        GTEST_SKIP() << "needs a locale whose decimal separator is a comma (tests/comma_locale_test.sh)";
    showPage(1);
    QLineEdit* celsius = field("txtC");
    type(celsius, u"37"_s);
    QTest::keyClick(celsius, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(celsius, Qt::Key_5);
    QCoreApplication::processEvents();
    EXPECT_EQ(control("txtC").text, u"37.5"_s);
    EXPECT_EQ(field("txtF")->text(), u"99,5"_s);
    paste(celsius, u"1,5.2"_s);
    EXPECT_TRUE(control("txtC").invalid);
    EXPECT_EQ(celsius->toolTip(), u"هذا ليس عددًا\nمثال: 3,5 أو 3.5 أو ٣٫٥"_s);
}

TEST_F(ViewTest, the_results_of_the_solver_can_be_focused_and_copied_but_never_typed_into)
{
    showPage(1);
    type(field("txtA"), QStringLiteral("1"));
    type(field("txtB"), QStringLiteral("0"));
    type(field("txtG"), QStringLiteral("-2"));
    QTest::keyClick(field("txtG"), Qt::Key_Return);
    QCoreApplication::processEvents();
    QLineEdit* root = field("s2");
    ASSERT_EQ(root->text(), QStringLiteral("-1.4142135623731"));
    for (const char* name : {"sqrD", "s1", "s2"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(field(name)->isEnabled());
        EXPECT_TRUE(field(name)->isReadOnly());
        EXPECT_FALSE(control(name).enabled);
    }

    // Tab from "النتيجة" arrives with the whole number selected; Ctrl+C copies it, keys change nothing.
    widget("cmdResult")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget("cmdResult"), Qt::Key_Tab);
    QTest::keyClick(field("sqrD"), Qt::Key_Tab);
    ASSERT_TRUE(root->hasFocus());
    EXPECT_EQ(root->selectedText(), QStringLiteral("-1.4142135623731"));
    EXPECT_EQ(root->cursorPosition(), 0);  // the sign in view
    QApplication::clipboard()->clear();
    QTest::keyClick(root, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-1.4142135623731"));
    app_.program().takeStats();
    QTest::keyClicks(root, QStringLiteral("9"));
    QTest::keyClick(root, Qt::Key_Backspace);
    QTest::keyClick(root, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app_.program().takeStats().handlers, 0);
    EXPECT_EQ(root->text(), QStringLiteral("-1.4142135623731"));
    EXPECT_EQ(control("s2").text, QStringLiteral("-1.4142135623731"));
    // Also where part of it was selected before the focus left.
    root->setSelection(1, 3);
    QTest::keyClick(root, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(root->hasFocus());
    EXPECT_EQ(root->selectedText(), QStringLiteral("-1.4142135623731"));

    // The context menu's Copy takes the whole text when nothing is selected.
    QApplication::clipboard()->clear();
    root->deselect();
    QMenu* menu = contextMenu(root);
    ASSERT_NE(menu, nullptr);
    bool copied = false;
    for (QAction* action : menu->actions())
        if (action->text().endsWith(u'\t' + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText))
            && action->isEnabled()) {
            action->trigger();
            copied = true;
        }
    menu->close();
    EXPECT_TRUE(copied);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("-1.4142135623731"));
    // Once the menu has gone, the box shows its number from the sign again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(root->hasSelectedText());
    EXPECT_EQ(root->cursorPosition(), 0);
}

// Another page's widgets are made when it is first shown, from the model.
TEST_F(ViewTest, a_page_not_on_view_is_made_when_first_shown)
{
    EXPECT_TRUE(window().findChildren<QLineEdit*>().isEmpty());
    model().setText(model().require("txtF"), u"212"_s);
    showPage(1);
    EXPECT_EQ(window().findChildren<QLineEdit*>().size(), 9);  // temperatures, coefficients, results
    EXPECT_EQ(field("txtC")->text(), u"100"_s);
    EXPECT_TRUE(field("txtC")->isVisible());
}

TEST_F(ViewTest, an_entry_field_refuses_whole_a_paste_or_key_beyond_a_thousand_characters)
{
    showPage(1);
    QLineEdit* a = field("txtA");
    const QString longest(1000, u'7');
    paste(a, longest);
    EXPECT_EQ(a->text(), longest);
    EXPECT_EQ(control("txtA").text, longest);

    paste(a, QString(1001, u'8'));  // not cut to 1000 eights: refused
    EXPECT_EQ(a->text(), longest);
    EXPECT_EQ(control("txtA").text, longest);

    type(a, QStringLiteral("9"));
    EXPECT_EQ(a->text(), longest);
    // Pasting over and over keeps a bounded undo record: past its budget the
    // record goes, so the memory of many pastes is let go.
    EXPECT_TRUE(a->isUndoAvailable());
    int pastes = 0;
    while (a->isUndoAvailable() && pastes < 30)
        paste(a, QString(1000, QChar(u'0' + ++pastes % 10)));
    EXPECT_LT(pastes, 30) << "the undo record was never let go";
    paste(a, longest);
    QTest::keyClick(a, Qt::Key_Backspace);
    type(a, QStringLiteral("9"));
    EXPECT_EQ(control("txtA").text, QString(999, u'7') + u'9');

    showPage(0);
    QLineEdit* metre = field("txtTAS", 3);
    paste(metre, QStringLiteral("5"));
    paste(metre, QString(40000, u'1'));  // beyond even what a line edit holds
    EXPECT_EQ(metre->text(), QStringLiteral("5"));
    EXPECT_EQ(control("txtTAS", 0).text, QStringLiteral("5000"));
}

// The title bar of a dense screen or a zoomed desktop takes the larger icons.
TEST_F(ViewTest, the_window_icon_comes_at_32_48_and_64_pixels)
{
    EXPECT_EQ(window().windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {48, 48}, {64, 64}}));
}

class ZoomTest : public WindowFixture {
protected:
    int clampToScreen(int percent) { return std::min(percent, window().largestZoomOnScreen()); }
};

TEST_F(ZoomTest, every_zoom_key_reaches_the_window_from_every_control)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int direction;  // 0: back to 100 %
    } keys[] = {{Qt::Key_Equal, Qt::ControlModifier, 1},  {Qt::Key_Plus, Qt::ControlModifier, 1},
                {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 1},
                {Qt::Key_Minus, Qt::ControlModifier, -1}, {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, -1},
                {Qt::Key_Equal, Qt::ControlModifier, 1},  {Qt::Key_0, Qt::ControlModifier, 0}};
    int controls = 0;
    for (int page = 0; page < 3; ++page) {
        showPage(page);
        for (QWidget* w : focusable(true)) {
            SCOPED_TRACE(std::to_string(page) + " " + w->objectName().toStdString());
            w->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            ASSERT_TRUE(w->hasFocus());
            const auto* edit = qobject_cast<QLineEdit*>(w);
            const QString text = edit ? edit->text() : QString();
            for (const auto& k : keys) {
                const int expected = k.direction == 0 ? 100 : clampToScreen(zoomStep(window().zoom(), k.direction));
                QTest::keyClick(w, k.key, k.modifiers);
                QApplication::processEvents();
                EXPECT_EQ(window().zoom(), expected) << "key " << k.key;
            }
            EXPECT_TRUE(w->hasFocus());
            if (edit)
                EXPECT_EQ(edit->text(), text) << "the zoom keys typed into the field";
            ++controls;
        }
    }
    EXPECT_GE(controls, 25);  // the tab strip thrice, 16 on page 0, 8 on page 1, 2 on page 2
}

TEST_F(ZoomTest, ctrl_and_the_wheel_step_the_zoom_over_any_control_and_change_nothing_else)
{
    showPage(2);
    model().userPick(model().require("Combo1"), 2);
    QApplication::processEvents();
    auto* list = qobject_cast<QComboBox*>(widget("Combo1"));
    auto* formulas = qobject_cast<QTextEdit*>(widget("txtGra"));
    for (QWidget* w : {static_cast<QWidget*>(list), formulas->viewport(), widget("Picture2")}) {
        SCOPED_TRACE(w->objectName().toStdString());
        wheel(w, 1, Qt::ControlModifier);
        EXPECT_EQ(window().zoom(), clampToScreen(125));
        EXPECT_EQ(list->currentIndex(), 2) << "the list took the turn as well";
        wheel(w, -1, Qt::ControlModifier);
        EXPECT_EQ(window().zoom(), 100);
    }
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_DOUBLE_EQ(formulas->font().pointSizeF(), 12);
}

// Each step keeps the window whole on the screen and shows a notice a screen
// reader hears, which at the largest zoom the screen holds says so.
TEST_F(ZoomTest, each_zoom_step_keeps_the_window_on_the_screen_and_shows_a_notice_a_screen_reader_hears)
{
    const QRect screen = window().screen()->availableGeometry();
    // In the lower right corner, where a growing window would leave the screen.
    window().move(screen.bottomRight() - QPoint(window().frameGeometry().width(), window().frameGeometry().height()));
    QApplication::processEvents();
    auto* notice = window().findChild<QLabel*>(QStringLiteral("ZoomNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(notice->isVisible());
    QString expected;
    for (int step = 0; step < 8; ++step) {
        const int requested = zoomStep(window().zoom(), 1);
        QTest::keyClick(window().tabControl()->tabBar(), Qt::Key_Equal, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_TRUE(screen.contains(window().frameGeometry())) << step;
        expected = zoomNoticeText(window().zoom(), requested > window().zoom());
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->text(), expected);
        const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(notice);
        EXPECT_EQ(spoken->role(), QAccessible::AlertMessage);
        EXPECT_EQ(spoken->text(QAccessible::Name), expected);
    }
    EXPECT_EQ(window().zoom(), clampToScreen(300));
    EXPECT_EQ(window().size(), QSize(zoomed(506, window().zoom()), zoomed(457, window().zoom())));
    const int largest = window().largestZoomOnScreen();
    EXPECT_EQ(expected, largest < 300 ? QStringLiteral("التكبير %1 % — أكبر ما تتسع له الشاشة").arg(largest)
                                      : QStringLiteral("التكبير 300 %"));
    QTest::qWait(kZoomNoticeMilliseconds + 300);
    EXPECT_FALSE(notice->isVisible());
}

TEST_F(ZoomTest, a_resized_window_shows_the_largest_zoom_it_holds_in_its_middle)
{
    // 506 x 457 pixels at 100 %: the narrower side sets the zoom.
    const struct {
        QSize window;
        int zoom;
    } sizes[] = {{{900, 700}, 153}, {{700, 900}, 138}, {{506, 457}, 100}, {{300, 200}, 100}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(std::to_string(s.window.width()) + "x" + std::to_string(s.window.height()));
        window().resize(s.window);
        QApplication::processEvents();
        EXPECT_EQ(window().zoom(), s.zoom);
        EXPECT_GE(window().width(), 506);
        EXPECT_GE(window().height(), 457);
        // The tab control (75, 120 twips into the client area) with the client area centred.
        const QSize content(zoomed(506, s.zoom), zoomed(457, s.zoom));
        const QPoint corner((window().width() - content.width()) / 2, (window().height() - content.height()) / 2);
        EXPECT_EQ(window().tabControl()->pos(), corner + twipsToPixels(QRect(75, 120, 0, 0), s.zoom).topLeft());
    }
}

TEST_F(ZoomTest, the_window_state_and_the_spoken_names_are_the_same_at_every_zoom)
{
    showPage(2);
    model().userPick(model().require("Combo1"), 6);
    showPage(0);
    QApplication::processEvents();
    // Left, Top, Width, Height, text and spoken name of every control.
    const auto stateAndNames = [this] {
        QStringList lines;
        for (ControlId id = 0; id < model().size(); ++id) {
            const Control& c = model().at(id);
            lines << QStringLiteral("%1 %2,%3 %4x%5 %6").arg(c.row->index).arg(c.left).arg(c.top).arg(c.width)
                         .arg(c.height).arg(c.text);
            if (QWidget* w = window().widgetOf(id))
                lines.last() += u' ' + QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
        return lines;
    };
    const QStringList at100 = stateAndNames();
    for (int percent : {150, 200, 300}) {
        window().zoomTo(percent);
        QApplication::processEvents();
        EXPECT_EQ(stateAndNames(), at100) << window().zoom();
    }
}

// The settings file in a temporary folder; XDG_CONFIG_HOME is put back afterwards.
struct TemporaryConfig {
    TemporaryConfig() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path())); }
    ~TemporaryConfig() { qputenv("XDG_CONFIG_HOME", saved); }
    QTemporaryDir folder;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
};

TEST_F(ZoomTest, the_window_opens_at_the_kept_zoom_and_keeps_a_new_one_when_closed)
{
    const TemporaryConfig config;
    // Opened and closed unchanged, a kept zoom stays kept, also one this
    // screen cannot hold (300 % on the projector), for a larger screen.
    ASSERT_TRUE(rememberZoom(300));
    {
        Application run;
        keepZoomBetweenRuns(run.window());
        run.window().close();
    }
    EXPECT_EQ(rememberedZoom(), 300);

    ASSERT_TRUE(rememberZoom(150));
    keepZoomBetweenRuns(window());
    EXPECT_EQ(window().zoom(), clampToScreen(150));
    QTest::keyClick(window().tabControl()->tabBar(), Qt::Key_Minus, Qt::ControlModifier);
    QApplication::processEvents();
    const int chosen = window().zoom();
    window().close();
    EXPECT_EQ(rememberedZoom(), chosen);
}

// A kept zoom opens the window where it was closed, or centred when it would not
// be whole on the screen, maximised if it was; the place is kept again on close.
TEST_F(ZoomTest, a_kept_zoom_opens_the_window_where_it_was_closed_or_centred_and_maximised_as_it_was)
{
    const TemporaryConfig config;
    const QRect free = window().screen()->availableGeometry();
    const QSize size(zoomed(window().baseSize().width(), 150), zoomed(window().baseSize().height(), 150));
    const struct {
        const char* name;
        KeptView kept;
        bool centred;
    } rows[] = {
        {"where it was closed", {150, QPoint(100, 80), false}, false},
        {"no place kept", {150, std::nullopt, false}, true},
        {"partly off the screen", {150, QPoint(free.right() - 100, 80), false}, true},
        {"maximised", {150, QPoint(100, 80), true}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(rememberView(row.kept));
        Application run;
        MainWindow& opened = run.window();
        keepZoomBetweenRuns(opened);
        opened.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&opened));
        QApplication::processEvents();
        EXPECT_EQ(opened.isMaximized(), row.kept.maximised);
        const QRect normal = row.kept.maximised ? opened.normalGeometry() : opened.geometry();
        EXPECT_EQ(normal.size(), size);
        if (row.centred)
            EXPECT_LE((normal.center() - free.center()).manhattanLength(), 2);
        else
            EXPECT_EQ(normal.topLeft(), row.kept.place);
        opened.close();
        EXPECT_EQ(rememberedView(), (KeptView{150, normal.topLeft(), row.kept.maximised}));
    }
}

}  // namespace
