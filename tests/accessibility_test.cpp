// SPDX-License-Identifier: GPL-3.0-or-later
// The real window as a screen reader and a keyboard-only person meet it:
// every control that can take the focus is announced with a name and the
// role of what it is, the unit fields are named after the units they hold in
// the category on view, the Tab key and the arrow keys reach everything, and
// the message box's button speaks Arabic.

#include "tests/window_fixture.h"
#include "window/properties.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace tavrimo;
using namespace tavrimo::testing;
using namespace Qt::StringLiterals;

namespace {

QString q(std::u16string_view text) { return toQString(text); }

// One node of the accessibility tree.
struct Node {
    QString control;  // the window's name for the control, empty for other widgets and parts
    bool part;        // an item of a list or a tab of the strip, not a widget of its own
    bool proxied;     // a widget that hands the focus on to another (the tab control to its strip)
    QAccessible::Role role;
    QString name;
    QAccessible::State state;
    QString widget;   // class and object name, for messages
};

class WindowTest : public WindowFixture {
protected:
    QString controlName(QObject* object)
    {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w)
            return {};
        if (w == window().tabControl()->tabBar())
            return QStringLiteral("SSTab1");
        return window().widgetOf(window().controlOf(w)) == w ? w->objectName() : QString();
    }

    std::vector<Node> tree()
    {
        std::vector<Node> nodes;
        walk(QAccessible::queryAccessibleInterface(&window()), nodes, 0);
        return nodes;
    }

    // Nodes that a person can reach on the page on view: focusable, enabled, shown.
    std::vector<Node> reachable()
    {
        std::vector<Node> nodes;
        for (const Node& n : tree())
            if (n.state.focusable && !n.state.disabled && !n.state.invisible)
                nodes.push_back(n);
        return nodes;
    }

    QString spokenName(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

private:
    void walk(QAccessibleInterface* iface, std::vector<Node>& nodes, int depth)
    {
        ASSERT_NE(iface, nullptr);
        ASSERT_LT(depth, 20) << "the accessibility tree does not end";
        QObject* object = iface->object();
        auto* widget = qobject_cast<QWidget*>(object);
        nodes.push_back({controlName(object), !object, widget && widget->focusProxy(), iface->role(), iface->text(QAccessible::Name), iface->state(),
                         object ? QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName()
                                : QString()});
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), nodes, depth + 1);
    }
};

struct Expected {
    const char* control;
    QAccessible::Role role;
    std::u16string_view name;  // empty: any name that is not empty
};

// The window as it opens, on the length category.
const Expected kControls[] = {
    {"txtTAS(0)", QAccessible::EditableText, u"مليمتر"},
    {"txtTAS(1)", QAccessible::EditableText, u"سنتيمتر"},
    {"txtTAS(2)", QAccessible::EditableText, u"ديسيمتر"},
    {"txtTAS(3)", QAccessible::EditableText, u"متر"},
    {"txtTAS(4)", QAccessible::EditableText, u"ديكامتر"},
    {"txtTAS(5)", QAccessible::EditableText, u"هيكتومتر"},
    {"txtTAS(6)", QAccessible::EditableText, u"كيلومتر"},
    {"txtUSA(0)", QAccessible::EditableText, u"بوصة"},
    {"txtUSA(1)", QAccessible::EditableText, u"قدم"},
    {"txtUSA(2)", QAccessible::EditableText, u"ياردة"},
    {"txtUSA(3)", QAccessible::EditableText, u"ميل"},
    {"txtUSA(4)", QAccessible::EditableText, u"ميل بحري"},
    {"optTall", QAccessible::RadioButton, u"أطوال"},
    {"optArea", QAccessible::RadioButton, u"مساحات"},
    {"optSize", QAccessible::RadioButton, u"حجوم"},
    {"optW", QAccessible::RadioButton, u"أوزان"},
    {"txtC", QAccessible::EditableText, u"درجة مئوية"},
    {"txtF", QAccessible::EditableText, u"درجة فهرنهايت"},
    {"txtK", QAccessible::EditableText, u"درجة كلفن"},
    {"txtA", QAccessible::EditableText, u"أ"},
    {"txtB", QAccessible::EditableText, u"ب"},
    {"txtG", QAccessible::EditableText, u"ج"},
    {"sqrD", QAccessible::EditableText, u"جذر دلتا"},
    {"s1", QAccessible::EditableText, u"س 1"},
    {"s2", QAccessible::EditableText, u"س 2"},
    {"cmdResult", QAccessible::PushButton, u"النتيجة"},
    {"cmdCls", QAccessible::PushButton, u"مسح"},
    {"Combo1", QAccessible::ComboBox, u"الشكل"},
    {"txtGra", QAccessible::EditableText, u"قواعد الشكل"},
    {"SSTab1", QAccessible::PageTabList, u""},
};

TEST_F(WindowTest, every_control_is_announced_with_its_name_and_role)
{
    const std::vector<Node> nodes = tree();
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.control);
        const auto it = std::find_if(nodes.begin(), nodes.end(), [&](const Node& n) { return n.control == QLatin1StringView(e.control); });
        ASSERT_NE(it, nodes.end()) << "not in the accessibility tree";
        EXPECT_EQ(it->role, e.role);
        if (e.name.empty())
            EXPECT_FALSE(it->name.isEmpty());
        else
            EXPECT_EQ(it->name, q(e.name));
    }
}

// Whatever takes the focus is named; a widget that takes it is one of the
// kinds of control a screen reader knows how to work.
TEST_F(WindowTest, every_reachable_control_on_every_page_has_a_name_and_a_control_role)
{
    const QSet<QAccessible::Role> controlRoles = {QAccessible::EditableText, QAccessible::RadioButton,
                                                  QAccessible::PushButton, QAccessible::ComboBox,
                                                  QAccessible::PageTabList};
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        showPage(page);
        const std::vector<Node> nodes = reachable();
        EXPECT_GE(nodes.size(), 2u);
        for (const Node& n : nodes) {
            SCOPED_TRACE((n.widget + u' ' + n.control).toStdString());
            EXPECT_FALSE(n.name.trimmed().isEmpty()) << "role " << n.role;
            if (!n.part && !n.proxied)
                EXPECT_TRUE(controlRoles.contains(n.role)) << "role " << n.role;
        }
    }
}

TEST_F(WindowTest, the_page_tabs_are_announced_by_their_captions)
{
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(window().tabControl()->tabBar());
    QStringList tabs;
    for (int i = 0; i < strip->childCount(); ++i)
        if (strip->child(i)->role() == QAccessible::PageTab)
            tabs << strip->child(i)->text(QAccessible::Name);
    EXPECT_EQ(tabs, (QStringList{q(u"الصفحة الأولى"), q(u"الصفحة الثانية"), q(u"قواعد")}));
    EXPECT_EQ(spokenName(window().tabControl()), q(u"صفحات البرنامج"));
}

struct CategoryCase {
    const char* option;
    const char* field;
    int index;
    std::u16string_view name;
};

const CategoryCase kCategoryCases[] = {
    {"optArea", "txtTAS", 3, u"متر مربع"},
    {"optArea", "txtUSA", 2, u"إيكر"},
    {"optArea", "txtUSA", 3, u"ميل مربع"},
    {"optSize", "txtTAS", 6, u"كيلومتر مكعب"},
    {"optSize", "txtUSA", 2, u"ياردة مكعبة"},
    {"optW", "txtTAS", 3, u"غرام"},
    {"optW", "txtUSA", 0, u"أونسة"},
    {"optW", "txtUSA", 3, u"طن طويل"},
    {"optTall", "txtTAS", 0, u"مليمتر"},
    {"optTall", "txtUSA", 4, u"ميل بحري"},
};

TEST_F(WindowTest, unit_fields_take_the_unit_names_of_the_chosen_category)
{
    showPage(0);
    for (const CategoryCase& c : kCategoryCases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.field + "(" + std::to_string(c.index) + ")");
        QTest::mouseClick(widget(c.option), Qt::LeftButton);
        ASSERT_TRUE(qobject_cast<QRadioButton*>(widget(c.option))->isChecked());
        EXPECT_EQ(spokenName(widget(c.field, c.index)), q(c.name));
    }
}

// Tab from `start` through the page on view until the focus comes back. Tab
// enters a group of option buttons at one of them; the arrow keys move to
// the others (and choose them, as they do on any desktop).
QSet<QString> tabCycle(QWidget* start, const std::function<QString(QObject*)>& nameOf)
{
    start->setFocus(Qt::TabFocusReason);
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == start || !now)
            break;
        seen.insert(nameOf(now));
        if (qobject_cast<QRadioButton*>(now)) {
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
                for (int k = 0; k < 4; ++k) {
                    QTest::keyClick(QApplication::focusWidget(), key);
                    seen.insert(nameOf(QApplication::focusWidget()));
                }
            }
            now->setFocus(Qt::TabFocusReason);
        }
    }
    return seen;
}

TEST_F(WindowTest, the_keyboard_alone_reaches_every_page_and_every_control)
{
    QTabBar* strip = window().tabControl()->tabBar();
    const auto nameOf = [this](QObject* o) { return controlName(o); };
    QSet<int> pagesReached;
    strip->setFocus(Qt::TabFocusReason);
    // The tabs run right to left, so the arrow keys go both ways.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right}) {
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(strip, key);
            pagesReached.insert(strip->currentIndex());
        }
    }
    EXPECT_EQ(pagesReached, (QSet<int>{0, 1, 2}));

    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        showPage(page);
        QSet<QString> expected;
        for (const Node& n : reachable())
            if (!n.control.isEmpty() && n.control != u"SSTab1")
                expected.insert(n.control);
        const QSet<QString> reached = tabCycle(strip, nameOf);
        EXPECT_FALSE(expected.isEmpty());
        for (const QString& control : expected)
            EXPECT_TRUE(reached.contains(control)) << control.toStdString() << " is not reached by Tab";
    }
}

// The keypad's keys do what their main-keyboard twins do: Enter solves from
// a coefficient, the arrows move round the option group.
TEST_F(WindowTest, the_keypad_enter_and_arrows_work_like_the_main_keys)
{
    showPage(0);
    QWidget* weights = widget("optW");
    QTest::mouseClick(weights, Qt::LeftButton);
    QTest::keyClick(weights, Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_TRUE(model().at(model().require("optTall")).value);
    showPage(1);
    for (const char* name : {"txtA", "txtB", "txtG"}) {
        widget(name)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(widget(name), name == std::string_view("txtG") ? u"-2"_s : u"1"_s);
    }
    QTest::keyClick(widget("txtG"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(model().at(model().require("s1")).text, u"1"_s);
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
    ASSERT_EQ(formatProp(model(), id, Prop::BackColor), u"#FFFF00"_s);
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(metre, &out);
        EXPECT_EQ(formatProp(model(), id, Prop::BackColor), u"#FFFF00"_s) << "reason " << reason;
        EXPECT_EQ(formatProp(model(), id, Prop::ForeColor), u"#C85000"_s) << "reason " << reason;
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(metre, &in);
    }
    widget("txtTAS", 2)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(formatProp(model(), id, Prop::BackColor), u"#C0C0FF"_s);
    EXPECT_EQ(formatProp(model(), id, Prop::ForeColor), u"#000000"_s);
}

// Qt's own Arabic translation is loaded: the button reads (and is announced)
// in Arabic letters, whatever word that translation picks for OK.
TEST(MessageBox, the_ok_button_reads_in_arabic)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tavrimo"), q(u"خطأ"), QMessageBox::Ok);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    const QString text = ok->text().remove(u'&');
    ASSERT_FALSE(text.isEmpty());
    for (QChar c : text)
        EXPECT_TRUE(c.script() == QChar::Script_Arabic || c.script() == QChar::Script_Inherited) << text.toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ok)->text(QAccessible::Name), text);
}

}  // namespace
