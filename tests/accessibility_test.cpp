// SPDX-License-Identifier: GPL-3.0-or-later
// The real window as a screen reader and a keyboard-only person meet it:
// every control is announced with a name and the role of what it is, the
// unit fields by the units of the category on view; Tab walks each page in
// its order, Enter and Esc press the solver's buttons, the arrow keys choose
// the category; the message box's button speaks Arabic.

#include "tests/window_fixture.h"
#include "window/properties.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QSet>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <tuple>

using namespace tavrimo;
using namespace tavrimo::testing;
using namespace Qt::StringLiterals;

namespace {

QString q(std::u16string_view text) { return toQString(text); }

class WindowTest : public WindowFixture {
protected:
    // The window's name for a widget ("txtTAS(3)", "SSTab1" for the tab
    // strip), empty for the widgets and parts that are no control of it.
    QString controlName(QObject* object)
    {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w)
            return {};
        if (w == window().tabControl()->tabBar())
            return QStringLiteral("SSTab1");
        return window().widgetOf(window().controlOf(w)) == w ? w->objectName() : QString();
    }

    QString spokenName(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
};

struct Expected {
    const char* control;
    QAccessible::Role role;
    std::u16string_view name;  // empty: any name that is not empty
};

// The window as it opens, on the length category.
constexpr auto Text = QAccessible::EditableText, Option = QAccessible::RadioButton, Button = QAccessible::PushButton,
               List = QAccessible::ComboBox, Strip = QAccessible::PageTabList;
const Expected kControls[] = {
    {"txtTAS(0)", Text, u"مليمتر"}, {"txtTAS(1)", Text, u"سنتيمتر"}, {"txtTAS(2)", Text, u"ديسيمتر"},
    {"txtTAS(3)", Text, u"متر"}, {"txtTAS(4)", Text, u"ديكامتر"}, {"txtTAS(5)", Text, u"هيكتومتر"},
    {"txtTAS(6)", Text, u"كيلومتر"}, {"txtUSA(0)", Text, u"بوصة"}, {"txtUSA(1)", Text, u"قدم"},
    {"txtUSA(2)", Text, u"ياردة"}, {"txtUSA(3)", Text, u"ميل"}, {"txtUSA(4)", Text, u"ميل بحري"},
    {"optTall", Option, u"أطوال"}, {"optArea", Option, u"مساحات"}, {"optSize", Option, u"حجوم"}, {"optW", Option, u"أوزان"},
    {"txtC", Text, u"درجة مئوية"}, {"txtF", Text, u"درجة فهرنهايت"}, {"txtK", Text, u"درجة كلفن"},
    {"txtA", Text, u"أ"}, {"txtB", Text, u"ب"}, {"txtG", Text, u"ج"}, {"sqrD", Text, u"جذر دلتا"},
    {"s1", Text, u"س 1"}, {"s2", Text, u"س 2"}, {"cmdResult", Button, u"النتيجة"}, {"cmdCls", Button, u"مسح"},
    {"Combo1", List, u"الشكل"}, {"txtGra", Text, u"قواعد الشكل"}, {"SSTab1", Strip, u""},
};

// On every page: the controls of the table are announced by name and role,
// the tabs and the tab control by name; whatever a person can reach (shown,
// enabled, focusable) is named, and is a kind of control a screen reader
// works, a part of one (an item, a tab) or hands the focus on (the tabs).
TEST_F(WindowTest, every_control_is_announced_with_its_name_and_role)
{
    const QSet<QAccessible::Role> controlRoles = {QAccessible::EditableText, QAccessible::RadioButton,
                                                  QAccessible::PushButton, QAccessible::ComboBox,
                                                  QAccessible::PageTabList};
    QSet<QString> announced;
    QStringList tabs;
    int reachable = 0;
    int page = 0;
    const std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node, int depth) {
        ASSERT_NE(node, nullptr);
        ASSERT_LT(depth, 20) << "the accessibility tree does not end";
        QObject* object = node->object();
        const QString control = controlName(object);
        const QString name = node->text(QAccessible::Name);
        SCOPED_TRACE((object ? QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName()
                             : QStringLiteral("a part"))
                         .toStdString());
        const auto* expected = std::find_if(std::begin(kControls), std::end(kControls),
                                            [&](const Expected& e) { return control == QLatin1StringView(e.control); });
        if (node->role() == QAccessible::PageTab && page == 0)
            tabs << name;
        if (!control.isEmpty() && expected != std::end(kControls)) {
            announced.insert(control);
            EXPECT_EQ(node->role(), expected->role);
            if (expected->name.empty())
                EXPECT_FALSE(name.isEmpty());
            else
                EXPECT_EQ(name, q(expected->name));
        }
        const QAccessible::State state = node->state();
        if (state.focusable && !state.disabled && !state.invisible) {
            ++reachable;
            EXPECT_FALSE(name.trimmed().isEmpty()) << "role " << node->role();
            const auto* widget = qobject_cast<QWidget*>(object);
            if (object && !(widget && widget->focusProxy()))
                EXPECT_TRUE(controlRoles.contains(node->role())) << "role " << node->role();
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), depth + 1);
    };
    for (page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        showPage(page);
        const int before = reachable;
        walk(QAccessible::queryAccessibleInterface(&window()), 0);
        EXPECT_GE(reachable - before, 2);
    }
    EXPECT_EQ(announced.size(), static_cast<qsizetype>(std::size(kControls)));
    EXPECT_EQ(tabs, (QStringList{q(u"الصفحة الأولى"), q(u"الصفحة الثانية"), q(u"قواعد")}));
    EXPECT_EQ(spokenName(window().tabControl()), q(u"صفحات البرنامج"));
}

// Tab walks each page from the tab strip through its controls in their
// order and back to the strip; the group of option buttons is one stop, at
// the selected button. The strip's arrow keys reach every page both ways,
// the tabs running right to left.
TEST_F(WindowTest, the_tab_key_walks_every_page_in_its_order_and_the_arrows_reach_every_page)
{
    const QStringList orders[] = {
        {u"txtTAS(0)"_s, u"txtTAS(1)"_s, u"txtTAS(2)"_s, u"txtTAS(3)"_s, u"txtTAS(4)"_s, u"txtTAS(5)"_s,
         u"txtTAS(6)"_s, u"txtUSA(0)"_s, u"txtUSA(1)"_s, u"txtUSA(2)"_s, u"txtUSA(3)"_s, u"txtUSA(4)"_s,
         u"optTall"_s},
        {u"cmdCls"_s, u"txtA"_s, u"txtB"_s, u"txtG"_s, u"cmdResult"_s, u"sqrD"_s, u"s2"_s, u"s1"_s, u"txtK"_s,
         u"txtF"_s, u"txtC"_s},
        {u"Combo1"_s, u"txtGra"_s},
    };
    QTabBar* strip = window().tabControl()->tabBar();
    for (int page = 0; page < 3; ++page) {
        showPage(page);
        strip->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (qsizetype i = 0; i <= orders[page].size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << controlName(QApplication::focusWidget());
        }
        EXPECT_EQ(walked, orders[page] + QStringList{u"SSTab1"_s}) << page << ": " << walked.join(u' ').toStdString();
    }
    QSet<int> pagesReached;
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right})
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(strip, key);
            pagesReached.insert(strip->currentIndex());
        }
    EXPECT_EQ(pagesReached, (QSet<int>{0, 1, 2}));
}

// While the solver's page is on view, Enter (the keypad's too) presses
// "النتيجة" and Esc presses "مسح" wherever the focus is, the tab strip
// included; a focused command button takes Enter itself, "مسح" clearing the
// results with the equation without solving. On the other pages the two
// keys press nothing. The focus stays where it was, a field keeps its text.
TEST_F(WindowTest, enter_and_esc_press_the_solvers_buttons_on_its_page_only)
{
    enum Outcome { Solved, Cleared, Nothing };
    const struct {
        const char* focus;
        int index;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Outcome outcome;
    } rows[] = {
        {"SSTab1", -1, Qt::Key_Return, {}, Solved},     {"SSTab1", -1, Qt::Key_Escape, {}, Cleared},
        {"txtC", -1, Qt::Key_Return, {}, Solved},       {"txtC", -1, Qt::Key_Escape, {}, Cleared},
        {"txtG", -1, Qt::Key_Enter, Qt::KeypadModifier, Solved},
        {"cmdResult", -1, Qt::Key_Return, {}, Solved},  {"cmdResult", -1, Qt::Key_Escape, {}, Cleared},
        {"cmdCls", -1, Qt::Key_Return, {}, Cleared},    {"txtTAS", 3, Qt::Key_Return, {}, Nothing},
        {"txtTAS", 3, Qt::Key_Escape, {}, Nothing},     {"Combo1", -1, Qt::Key_Return, {}, Nothing},
        {"Combo1", -1, Qt::Key_Escape, {}, Nothing},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.focus) + " key " + std::to_string(row.key));
        showPage(1);
        paste(field("txtA"), u"1"_s);
        paste(field("txtB"), u"-3"_s);
        paste(field("txtG"), u"2"_s);
        const bool strip = row.focus == std::string_view("SSTab1");
        showPage(strip ? 1 : model().pageOf(model().require(row.focus, row.index)));
        QWidget* focus = strip ? window().tabControl()->tabBar() : widget(row.focus, row.index);
        if (auto* edit = qobject_cast<QLineEdit*>(focus); edit && row.focus != std::string_view("txtG"))
            paste(edit, u"5"_s);
        if (row.focus == std::string_view("Combo1"))
            model().userPick(model().require("Combo1"), 3);
        focus->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(focus, row.key, row.modifiers);
        QApplication::processEvents();
        EXPECT_EQ(control("s1").text, row.outcome == Solved ? u"2"_s : QString());
        EXPECT_EQ(control("txtA").text, row.outcome == Cleared ? QString() : u"1"_s);
        EXPECT_EQ(QApplication::focusWidget(), focus);
        if (auto* edit = qobject_cast<QLineEdit*>(focus); edit && row.focus != std::string_view("txtG"))
            EXPECT_EQ(edit->text(), u"5"_s);
        if (row.focus == std::string_view("Combo1"))
            EXPECT_EQ(control("Combo1").listIndex, 3);
    }
}

// Tab enters the group of category buttons at the selected one from either
// side, running no Click. The arrow keys (the keypad's too) move the
// selection round the group as a click does, wrapping at the ends, one Click
// a move, and the focus goes with it; Tab comes back to the new selection.
// A move clears the fields and names the fields by the new category's units.
TEST_F(WindowTest, the_arrow_keys_move_round_the_category_buttons_as_clicks)
{
    showPage(0);
    QWidget* lastField = widget("txtUSA", 4);
    lastField->setFocus(Qt::TabFocusReason);
    app_.program().takeStats();
    for (const auto& [key, modifiers, focus] : {std::tuple{Qt::Key_Tab, Qt::NoModifier, "optTall"},
                                               {Qt::Key_Tab, Qt::NoModifier, "SSTab1"},
                                               {Qt::Key_Backtab, Qt::ShiftModifier, "optTall"},
                                               {Qt::Key_Backtab, Qt::ShiftModifier, "txtUSA(4)"}}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_EQ(controlName(QApplication::focusWidget()), QString::fromLatin1(focus));
    }
    QTest::keyClick(lastField, Qt::Key_Tab);
    // txtUSA(4) lost the focus twice and took it once; the option button ran nothing.
    EXPECT_EQ(app_.program().takeStats().handlers, 3);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* option;
        int category;
        std::u16string_view metre, inch, last;  // the names of txtTAS(3), txtUSA(0), txtUSA(2)
    } moves[] = {{Qt::Key_Up, {}, "optW", 4, u"غرام", u"أونسة", u"طن متري"},
                 {Qt::Key_Left, {}, "optSize", 3, u"متر مكعب", u"بوصة مكعبة", u"ياردة مكعبة"},
                 {Qt::Key_Down, {}, "optW", 4, u"غرام", u"أونسة", u"طن متري"},
                 {Qt::Key_Down, Qt::KeypadModifier, "optTall", 1, u"متر", u"بوصة", u"ياردة"},
                 {Qt::Key_Right, {}, "optArea", 2, u"متر مربع", u"بوصة مربعة", u"إيكر"}};
    for (const auto& move : moves) {
        SCOPED_TRACE(move.option);
        QTest::keyClick(QApplication::focusWidget(), move.key, move.modifiers);
        EXPECT_EQ(app_.program().takeStats().handlers, 1);
        EXPECT_EQ(controlName(QApplication::focusWidget()), QString::fromLatin1(move.option));
        EXPECT_EQ(app_.program().form().bytCategory, move.category);
        EXPECT_EQ(spokenName(widget("txtTAS", 3)) + u'|' + spokenName(widget("txtUSA", 0)) + u'|'
                      + spokenName(widget("txtUSA", 2)),
                  q(move.metre) + u'|' + q(move.inch) + u'|' + q(move.last));
        for (const char* option : {"optTall", "optArea", "optSize", "optW"})
            EXPECT_EQ(control(option).value, option == std::string_view(move.option)) << option;
    }
    // In the area category the fifth imperial field is hidden.
    window().tabControl()->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window().tabControl()->tabBar(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(controlName(QApplication::focusWidget()), u"optArea"_s);
    widget("txtUSA", 3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget("txtUSA", 3), Qt::Key_Tab);
    EXPECT_EQ(controlName(QApplication::focusWidget()), u"optArea"_s);
    type(field("txtTAS", 3), u"1"_s);
    widget("txtUSA", 3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget("txtUSA", 3), Qt::Key_Tab);
    QTest::keyClick(widget("optArea"), Qt::Key_Down);
    EXPECT_EQ(controlName(QApplication::focusWidget()), u"optSize"_s);
    EXPECT_EQ(control("txtTAS", 3).text, QString());
    EXPECT_EQ(control("txtUSA", 0).text, QString());
    EXPECT_EQ(control("Label3D1", 3).caption, u"متر مكعب"_s);
}

// A screen reader's edit command, an on-screen keyboard or speech input
// puts text in through the accessibility interface; it is the person's edit
// as a key is: the field takes the focus, its Change runs (a changed
// coefficient empties the results) and "النتيجة" solves the equation shown.
TEST_F(WindowTest, text_put_in_through_the_accessibility_interface_is_the_persons_edit)
{
    showPage(1);
    paste(field("txtA"), u"4"_s);
    paste(field("txtB"), u"0"_s);
    paste(field("txtG"), u"-4"_s);
    QTest::keyClick(field("txtG"), Qt::Key_Return);
    ASSERT_EQ(control("s1").text, u"1"_s);
    widget("cmdResult")->setFocus(Qt::TabFocusReason);
    using Put = std::function<void(QAccessibleInterface*, const QString&)>;
    const Put replace = [](QAccessibleInterface* i, const QString& t) {
        i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), t);
    };
    const Put erase = [](QAccessibleInterface* i, const QString&) {
        i->editableTextInterface()->deleteText(0, i->textInterface()->characterCount());
    };
    const Put insert = [](QAccessibleInterface* i, const QString& t) { i->editableTextInterface()->insertText(0, t); };
    const Put value = [](QAccessibleInterface* i, const QString& t) { i->setText(QAccessible::Value, t); };
    const struct {
        const char* field;
        int index;
        Put put;
        QString text;
        const char* watched;  // a control whose text the edit changes
        int watchedIndex;
        QString shows;
    } rows[] = {
        {"txtA", -1, replace, u"1"_s, "s1", -1, QString()},
        {"txtB", -1, erase, {}, "txtB", -1, QString()},
        {"txtB", -1, insert, u"1"_s, "txtB", -1, u"1"_s},
        {"txtG", -1, value, u"-1"_s, "txtG", -1, u"-1"_s},
        {"txtTAS", 3, replace, u"1.5"_s, "txtTAS", 1, u"150"_s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " <- " + row.text.toStdString());
        showPage(model().pageOf(model().require(row.field, row.index)));
        window().tabControl()->tabBar()->setFocus(Qt::TabFocusReason);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget(row.field, row.index));
        ASSERT_NE(node->editableTextInterface(), nullptr);
        row.put(node, row.text);
        QApplication::processEvents();
        EXPECT_EQ(control(row.field, row.index).text, row.text);
        EXPECT_EQ(QApplication::focusWidget(), widget(row.field, row.index));
        EXPECT_EQ(control(row.watched, row.watchedIndex).text, row.shows);
    }
    // The formula box, read-only, offers no editing and reads its formulas.
    showPage(2);
    model().userPick(model().require("Combo1"), 6);
    QAccessibleInterface* formulas = QAccessible::queryAccessibleInterface(widget("txtGra"));
    EXPECT_EQ(formulas->editableTextInterface(), nullptr);
    EXPECT_FALSE(formulas->state().editable);
    EXPECT_EQ(formulas->text(QAccessible::Value), qobject_cast<QTextEdit*>(widget("txtGra"))->toPlainText());
    showPage(1);
    QTest::mouseClick(qobject_cast<QAbstractButton*>(widget("cmdResult")), Qt::LeftButton);
    EXPECT_EQ(control("sqrD").text + u' ' + control("s1").text + u' ' + control("s2").text,
              u"2.23606797749979 0.618033988749895 -1.61803398874989"_s);
}

// Through the accessibility interface a person reaches what the keyboard and
// the mouse reach, and no more. An edit is a paste at offsets within the text
// (past the end is the end) and is refused whole past the longest text a
// field takes, so the box and the program never part; a hidden field, a
// field of a page not on view, a result box and every control behind an
// open message box take no edit and no press, and the page stays. Pressing
// an option button chooses its category as a click does.
TEST_F(WindowTest, the_accessibility_interface_reaches_what_the_keyboard_does_and_no_more)
{
    using Put = std::function<void(QAccessibleEditableTextInterface*, QAccessibleInterface*)>;
    const QString longest(WindowModel::kMaxEntryLength, u'1');
    const struct {
        const char* field;
        int index;
        int page;  // on view
        QString before;
        Put put;
        QString after;  // in the box and in the program
    } rows[] = {
        {"txtA", -1, 1, u"4"_s, [](auto* e, auto*) { e->insertText(2147483647, u"1"_s); }, u"41"_s},
        {"txtA", -1, 1, u"4"_s, [](auto* e, auto*) { e->insertText(-9, u"1"_s); }, u"14"_s},
        {"txtA", -1, 1, u"45"_s, [](auto* e, auto*) { e->replaceText(1, 2147483647, u"2"_s); }, u"42"_s},
        {"txtA", -1, 1, u"45"_s, [](auto* e, auto*) { e->deleteText(-1, 2147483647); }, QString()},
        {"txtA", -1, 1, u"4"_s, [&](auto*, auto* i) { i->setText(QAccessible::Value, longest); }, longest},
        {"txtA", -1, 1, u"4"_s, [&](auto*, auto* i) { i->setText(QAccessible::Value, longest + u'1'); }, u"4"_s},
        {"txtA", -1, 1, longest.chopped(1), [](auto* e, auto*) { e->insertText(0, u"22"_s); }, longest.chopped(1)},
        // Celsius while the unit page is on view.
        {"txtC", -1, 0, QString(), [](auto* e, auto*) { e->insertText(0, u"100"_s); }, QString()},
        // The fourth imperial field, hidden among the volumes.
        {"txtUSA", 3, 0, QString(), [](auto*, auto* i) { i->setText(QAccessible::Value, u"7"_s); }, QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " <- " + row.after.left(8).toStdString());
        showPage(model().pageOf(model().require(row.field, row.index)));
        if (!row.before.isEmpty())
            paste(field(row.field, row.index), row.before);
        showPage(row.page);
        if (row.index == 3)
            qobject_cast<QAbstractButton*>(widget("optSize"))->click();
        QWidget* focus = QApplication::focusWidget();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget(row.field, row.index));
        ASSERT_NE(node->editableTextInterface(), nullptr);
        EXPECT_EQ(node->state().editable, widget(row.field, row.index)->isVisible());
        EXPECT_EQ(node->state().focusable, widget(row.field, row.index)->isVisible());
        row.put(node->editableTextInterface(), node);
        QApplication::processEvents();
        EXPECT_EQ(field(row.field, row.index)->text(), row.after);
        EXPECT_EQ(control(row.field, row.index).text, row.after);
        EXPECT_EQ(window().tabControl()->currentIndex(), row.page);
        if (!widget(row.field, row.index)->isVisible())
            EXPECT_EQ(QApplication::focusWidget(), focus);
        if (row.index == 3)
            for (int unit = 0; unit < 7; ++unit)
                EXPECT_EQ(control("txtTAS", unit).text, QString()) << unit;
    }

    // The option button's action is a click: the names and the conversion follow.
    showPage(0);
    QAccessibleInterface* size = QAccessible::queryAccessibleInterface(widget("optTall"));
    ASSERT_NE(size->actionInterface(), nullptr);
    size = QAccessible::queryAccessibleInterface(widget("optArea"));
    size->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(app_.program().form().bytCategory, 2);
    EXPECT_TRUE(size->state().checked);
    EXPECT_EQ(spokenName(widget("txtTAS", 3)), u"متر مربع"_s);
    QAccessible::queryAccessibleInterface(widget("optW"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(app_.program().form().bytCategory, 4);
    EXPECT_EQ(control("Label3D1", 3).caption, u"غرام"_s);

    // A result box says it is read-only and offers no editing, and is
    // described as a result, which a screen reader says after its value.
    showPage(1);
    for (const char* box : {"sqrD", "s1", "s2"}) {
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(widget(box));
        EXPECT_EQ(result->editableTextInterface(), nullptr) << box;
        EXPECT_TRUE(result->state().readOnly) << box;
        EXPECT_FALSE(result->state().editable) << box;
        EXPECT_EQ(result->text(QAccessible::Description), u"نتيجة"_s) << box;
    }

    // Behind the solver's message box nothing takes an edit or a press.
    field("txtA")->selectAll();
    QTest::keyClick(field("txtA"), Qt::Key_Delete);
    paste(field("txtB"), u"1"_s);
    bool boxSeen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxSeen = true;
        QAccessible::queryAccessibleInterface(widget("txtA"))->setText(QAccessible::Value, u"1"_s);
        QAccessible::queryAccessibleInterface(widget("cmdCls"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QAccessible::queryAccessibleInterface(widget("optTall"))->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget("txtG"))->state().editable);
        QAccessibleInterface* formulaTab = QAccessible::queryAccessibleInterface(window().tabControl()->tabBar())->child(2);
        formulaTab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(window().tabControl()->currentIndex(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    qobject_cast<QAbstractButton*>(widget("cmdResult"))->click();  // no a: the error message
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(control("txtA").text, QString());
    EXPECT_EQ(control("txtB").text, u"1"_s);
    EXPECT_EQ(app_.program().form().bytCategory, 4);
}

// Each drawing on view is named by its figure and its place among the
// figure's drawings and described by what it shows in words; a slot left
// empty says nothing, also after a figure with more drawings.
TEST_F(WindowTest, the_drawings_on_view_are_named_by_figure_and_place_and_described_in_words)
{
    showPage(2);
    const struct {
        int item;
        std::u16string_view names[4];  // Image16 .. Image19
        std::u16string_view first;      // the description of Image16
    } picks[] = {
        {2, {u"كرة، الرسم 1 من 4", u"كرة، الرسم 2 من 4", u"كرة، الرسم 3 من 4", u"كرة، الرسم 4 من 4"},
         u"قطعة كروية ارتفاعها ع ونصف قطر قاعدتها و، من كرة نصف قطرها نق"},
        {4, {u"مخروط، الرسم 1 من 2", u"مخروط، الرسم 2 من 2"}, u"مخروط ارتفاعه ع وراسمه عا ونصف قطر قاعدته نق"},
        {8, {u"هرم، الرسم 1 من 3", u"هرم، الرسم 2 من 3", u"هرم، الرسم 3 من 3"}, u"هرم منتظم ارتفاع أوجهه الجانبية عا"},
        {3, {u"متوازي مستطيلات، الرسم 1 من 1"}, u"متوازي مستطيلات أبعاده س و ص و ع، وقطره ق"},
        {5, {u"زوايا، الرسم 1 من 1"}, u"مثلث قائم الزاوية: الوتر، والضلع المقابل للزاوية يه، والضلع المجاور لها"},
    };
    for (const auto& pick : picks) {
        SCOPED_TRACE(pick.item);
        model().userPick(model().require("Combo1"), pick.item);
        for (int slot = 0; slot < 4; ++slot) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget("Image" + std::to_string(16 + slot)));
            EXPECT_EQ(node->text(QAccessible::Name), q(pick.names[slot])) << slot;
            EXPECT_EQ(node->text(QAccessible::Description).isEmpty(), pick.names[slot].empty()) << slot;
            if (slot == 0)
                EXPECT_EQ(node->text(QAccessible::Description), q(pick.first));
        }
    }
}

// A field keeps its focus colours while the window itself loses the
// activation (a message box, another program) or the field opens its
// context menu; only a move of the focus to another control is a loss.
TEST_F(WindowTest, a_field_stays_yellow_while_the_focus_only_leaves_the_window)
{
    showPage(0);
    QWidget* metre = widget("txtTAS", 3);
    metre->setFocus(Qt::TabFocusReason);
    const ControlId id = model().require("txtTAS", 3);
    const auto colours = [&] { return formatProp(model(), id, Prop::BackColor) + u' ' + formatProp(model(), id, Prop::ForeColor); };
    ASSERT_EQ(colours(), u"#FFFF00 #C85000"_s);
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(metre, &out);
        EXPECT_EQ(colours(), u"#FFFF00 #C85000"_s) << "reason " << reason;
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(metre, &in);
    }
    widget("txtTAS", 2)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(colours(), u"#C0C0FF #000000"_s);
}

// The message box the solver opens reads its button (and announces it) in
// Arabic letters, from Qt's own Arabic translation, whatever word that
// translation picks for OK.
TEST_F(WindowTest, the_message_boxs_button_reads_in_arabic)
{
    showPage(1);
    QString text, spoken;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        text = ok->text().remove(u'&');
        spoken = QAccessible::queryAccessibleInterface(ok)->text(QAccessible::Name);
        ok->click();
    });
    qobject_cast<QAbstractButton*>(widget("cmdResult"))->click();  // no coefficients: the error message
    ASSERT_FALSE(text.isEmpty());
    for (QChar c : text)
        EXPECT_TRUE(c.script() == QChar::Script_Arabic || c.script() == QChar::Script_Inherited) << text.toStdString();
    EXPECT_EQ(spoken, text);
}

}  // namespace