// SPDX-License-Identifier: GPL-3.0-or-later
// What the real widgets show of the numbers: a field the program writes while
// another has the focus shows its first character, a text wider than its box
// is in the box's tooltip, the solver's results can be copied but not typed
// into or focused, and an entry field refuses whole a paste or a key that
// would make it longer than 1000 characters.

#include "tests/window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

class ViewTest : public WindowFixture {
protected:
    QLineEdit* field(std::string_view name, int index = -1)
    {
        return qobject_cast<QLineEdit*>(app_.window().widgetOf(app_.program().window().require(name, index)));
    }

    const Control& control(std::string_view name, int index = -1)
    {
        return app_.program().window().at(app_.program().window().require(name, index));
    }

    // Types as a person does: the focus into the field, the caret to its end, then the keys.
    void type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, keys);
        QCoreApplication::processEvents();
    }

    void paste(QLineEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }

    // Where the first character is drawn, after the field has been painted.
    int firstCharacterX(QLineEdit* edit)
    {
        edit->grab();
        const int caret = edit->cursorPosition();
        edit->setCursorPosition(0);
        const int x = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        edit->setCursorPosition(caret);
        return x;
    }
};

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
    EXPECT_LT(firstCharacterX(celsius), celsius->fontMetrics().averageCharWidth() + 8);
    EXPECT_EQ(celsius->toolTip(), QStringLiteral("-16.6666666666667"));
    // The field being typed in keeps the caret at the end of its text.
    EXPECT_EQ(field("txtF")->cursorPosition(), field("txtF")->text().size());
    EXPECT_EQ(field("txtF")->toolTip(), QString());  // 2 fits its box
}

TEST_F(ViewTest, the_results_of_the_solver_can_be_copied_but_never_focused_or_typed_into)
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
        EXPECT_EQ(field(name)->focusPolicy(), Qt::NoFocus);
    }

    QTest::mouseClick(root, Qt::LeftButton);
    QTest::keyClicks(root, QStringLiteral("9"));
    EXPECT_FALSE(root->hasFocus());
    EXPECT_EQ(root->text(), QStringLiteral("-1.4142135623731"));
    EXPECT_EQ(control("s2").text, QStringLiteral("-1.4142135623731"));

    // The context menu's Copy takes the whole text when nothing is selected.
    QApplication::clipboard()->clear();
    root->deselect();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, root->rect().center(), root->mapToGlobal(root->rect().center()));
    QApplication::sendEvent(root, &menuEvent);
    QCoreApplication::processEvents();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
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

// The memory the process holds now, in KiB.
long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

TEST_F(ViewTest, pasting_the_longest_text_over_and_over_holds_no_growing_memory)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer holds freed memory back, so the resident size grows anyway";
    const std::array<QString, 2> texts = {QString(1000, u'1'), QString(1000, u'2')};
    const auto pasteInTurn = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            showPage(i % 4 < 2 ? 1 : 0);
            paste(field(i % 4 < 2 ? "txtA" : "txtTAS", i % 4 < 2 ? -1 : 3), texts[static_cast<size_t>(i % 2)]);
        }
    };
    pasteInTurn(0, 100);
    const long warm = residentKiB();
    pasteInTurn(100, 1000);
    const long full = residentKiB();
    std::printf("resident after 100 pastes: %ld KiB, after 1000: %ld KiB\n", warm, full);
    EXPECT_LE(full - warm, 4 * 1024);
    EXPECT_EQ(field("txtA")->text(), texts[1]);
}

}  // namespace
