// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells a screen reader beyond names and roles: each box's
// text is one run of attributes, so that it is read whole; a box without the
// focus reports no selection; the solver's answer, the clearing, a picked
// figure and a turned page are announced by a notification (Orca speaks it
// when it is reported shown, which tests/orca_test.py hears); the pages are
// named by their tabs; a drawing slot is an image from the start, described
// in words that name its letters; Enter,
// Esc and Ctrl+Tab are no shortcuts, which would take them before the
// screen reader.

#include "tests/window_fixture.h"
#include "geometry/drawing_words.h"
#include "geometry/formulas.h"
#include "window/view/announcer.h"
#include "window/view/drawings.h"

#include <QAccessible>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>


using namespace tavrimo;
using namespace tavrimo::testing;
using namespace Qt::StringLiterals;

namespace {

class ScreenReaderTest : public WindowFixture {
protected:
    QAccessibleTextInterface* textOf(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->textInterface(); }

    using Notifications = QList<std::pair<QObject*, QString>>;

    // The window's notifications, and the messages they hold.
    Notifications notifications()
    {
        Notifications found;
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window());
        for (int i = 0; i < top->childCount(); ++i)
            if (QAccessibleInterface* child = top->child(i); child->role() == QAccessible::Notification)
                found.append({child->object(), child->text(QAccessible::Name)});
        return found;
    }

    // The messages given since `before`: the notifications new or with a new message.
    QStringList announcedSince(const Notifications& before)
    {
        QStringList messages;
        for (const auto& notification : notifications())
            if (!before.contains(notification))
                messages << notification.second;
        return messages;
    }
};

// Orca cuts what it reads along the attribute runs: a run ending before the
// text's end loses the last characters, "1500" heard "150", "1" not at all.
TEST_F(ScreenReaderTest, every_box_reports_one_attribute_run_over_its_whole_text)
{
    showPage(0);
    type(field("txtTAS", 3), u"1.5"_s);
    showPage(1);
    type(field("txtC"), u"37"_s);
    for (const auto& [name, value] : {std::pair{"txtA", u"1"_s}, {"txtB", u"-2"_s}, {"txtG", u"1"_s}})
        paste(field(name), value);
    QTest::keyClick(field("txtG"), Qt::Key_Return);
    const struct {
        const char* box;
        int index;
        QString text;
    } rows[] = {{"txtTAS", 2, u"15"_s}, {"txtTAS", 0, u"1500"_s}, {"txtK", -1, u"310"_s},
                {"s1", -1, u"1"_s},     {"sqrD", -1, u"0"_s},     {"txtTAS", 4, u"0.15"_s}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        QAccessibleTextInterface* text = textOf(widget(row.box, row.index));
        ASSERT_EQ(text->text(0, text->characterCount()), row.text);
        for (int offset = 0; offset <= text->characterCount(); ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(std::pair(start, end), std::pair(0, static_cast<int>(row.text.size()))) << offset;
        }
    }
    field("txtA")->clear();
    int start = -1, end = -1;
    textOf(field("txtA"))->attributes(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 0));
}

// The kept selection of a box left by Tab is not read with the next box as
// one selection.
TEST_F(ScreenReaderTest, a_box_without_the_focus_reports_no_selection)
{
    showPage(1);
    for (const auto& [name, value] : {std::pair{"txtA", u"1"_s}, {"txtB", u"1"_s}, {"txtG", u"-1"_s}})
        paste(field(name), value);
    QTest::keyClick(field("txtG"), Qt::Key_Return);
    widget("cmdResult")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget("cmdResult"), Qt::Key_Tab);
    ASSERT_TRUE(widget("sqrD")->hasFocus());
    EXPECT_EQ(textOf(widget("sqrD"))->selectionCount(), 1);
    QTest::keyClick(widget("sqrD"), Qt::Key_Tab);
    EXPECT_TRUE(field("sqrD")->hasSelectedText());
    EXPECT_EQ(textOf(widget("sqrD"))->selectionCount(), 0);
    int start = -1, end = -1;
    textOf(widget("sqrD"))->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 0));
}

// The focus stays where it was; the screen reader is told what happened.
TEST_F(ScreenReaderTest, the_answer_the_clearing_a_picked_figure_and_a_turned_page_are_announced)
{
    showPage(1);
    for (const auto& [name, value] : {std::pair{"txtA", u"1"_s}, {"txtB", u"1"_s}, {"txtG", u"-1"_s}})
        paste(field(name), value);
    const struct {
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString spoken;
    } rows[] = {
        {"txtG", Qt::Key_Return, {}, u"جذر دلتا 2.23606797749979، س 1 0.618033988749895، س 2 −1.61803398874989"_s},
        {"cmdResult", Qt::Key_Space, {}, u"جذر دلتا 2.23606797749979، س 1 0.618033988749895، س 2 −1.61803398874989"_s},
        {"txtG", Qt::Key_Escape, {}, u"مُسحت المعادلة"_s},
        {"txtK", Qt::Key_Tab, Qt::ControlModifier, u"قواعد"_s},
        {"Combo1", Qt::Key_Down, {}, u"دائرة"_s},
        {"Combo1", Qt::Key_Down, {}, u"مربع"_s},
        {"Combo1", Qt::Key_Tab, Qt::ControlModifier, u"الصفحة الأولى"_s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.focus);
        QWidget* focus = widget(row.focus);
        showPage(model().pageOf(model().require(row.focus)));
        if (std::string_view(row.focus) == "cmdResult")
            paste(field("txtG"), u"-1"_s);
        focus->setFocus(Qt::TabFocusReason);
        const Notifications before = notifications();
        QTest::keyClick(focus, row.key, row.modifiers);
        EXPECT_EQ(announcedSince(before), QStringList{row.spoken});
        if (row.modifiers == Qt::NoModifier)
            EXPECT_TRUE(focus->hasFocus());
    }
    // Without a real root the message box says so, and nothing more is said.
    showPage(1);
    paste(field("txtA"), u"1"_s);
    paste(field("txtB"), u"0"_s);
    paste(field("txtG"), u"1"_s);
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
    });
    const Notifications before = notifications();
    QTest::keyClick(field("txtG"), Qt::Key_Return);
    EXPECT_EQ(announcedSince(before), QStringList());
}

// A notification of its own for each of several messages close together:
// Orca takes one shown again before it has spoken it for a repeat.
TEST_F(ScreenReaderTest, close_messages_are_told_by_different_notifications)
{
    const Notifications before = notifications();
    for (const QString& text : {u"أ"_s, u"ب"_s, u"ج"_s})
        announce(field("txtA"), text);
    announce(field("txtA"), QString());
    EXPECT_EQ(announcedSince(before), (QStringList{u"أ"_s, u"ب"_s, u"ج"_s}));
}

// A screen reader keeps the role it first saw: an empty slot is an image too.
TEST_F(ScreenReaderTest, a_drawing_slot_is_an_image_from_the_start)
{
    showPage(2);
    for (const char* slot : {"Image16", "Image17", "Image18", "Image19"}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(slot))->role(), QAccessible::Graphic);
    }
    model().userPick(model().require("Combo1"), 2);  // the sphere's four drawings
    for (const char* slot : {"Image16", "Image19"}) {
        QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(widget(slot));
        EXPECT_EQ(drawing->role(), QAccessible::Graphic);
        EXPECT_TRUE(drawing->text(QAccessible::Name).startsWith(u"كرة، الرسم "_s));
    }
}

// A screen reader meets the drawings in reading order, right to left and
// top to bottom, each still named by its place among the figure's drawings.
TEST_F(ScreenReaderTest, the_drawings_come_in_reading_order)
{
    showPage(2);
    model().userPick(model().require("Combo1"), 2);  // the sphere's four drawings
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(widget("Picture2"));
    QStringList names;
    QRect last;
    for (int i = 0; i < box->childCount(); ++i) {
        QAccessibleInterface* drawing = box->child(i);
        EXPECT_EQ(box->indexOfChild(drawing), i);
        EXPECT_EQ(drawing->parent(), box);
        if (drawing->text(QAccessible::Name).isEmpty())
            continue;
        names.append(drawing->text(QAccessible::Name));
        // On the row of the last one and left of it, or on a row below.
        const QPoint middle = drawing->rect().center();
        EXPECT_TRUE(last.isNull() || (middle.y() <= last.bottom() ? middle.x() < last.center().x()
                                                                   : middle.y() > last.bottom()))
            << names.last().toStdString();
        last = drawing->rect();
    }
    EXPECT_EQ(names, (QStringList{u"كرة، الرسم 2 من 4"_s, u"كرة، الرسم 1 من 4"_s, u"كرة، الرسم 4 من 4"_s,
                                  u"كرة، الرسم 3 من 4"_s}));
}

// The words for a drawing name every letter and word written on it.
TEST_F(ScreenReaderTest, the_words_for_each_drawing_name_all_its_letters)
{
    for (const auto& choice : geometry::kChoices)
        for (std::string_view picture : choice.slotPictures) {
            if (picture.empty())
                continue;
            SCOPED_TRACE(std::string(picture));
            const QString words = toQString(geometry::drawingWords(picture));
            ASSERT_FALSE(words.isEmpty());
            for (const QString& letter : lettersOn(*pictureOf(picture)))
                EXPECT_TRUE(words.contains(letter)) << letter.toStdString();
        }
}

TEST_F(ScreenReaderTest, the_pages_are_named_by_their_tabs_and_the_window_keys_are_no_shortcuts)
{
    QTabWidget* tabs = window().tabControl();
    for (int page = 0; page < tabs->count(); ++page)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(tabs->widget(page))->text(QAccessible::Name), tabs->tabText(page));
    for (const QShortcut* shortcut : window().findChildren<QShortcut*>())
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                         QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Tab)})
            EXPECT_NE(shortcut->key(), keys) << keys.toString().toStdString();
}

}  // namespace
