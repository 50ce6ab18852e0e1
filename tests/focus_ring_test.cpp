// SPDX-License-Identifier: GPL-3.0-or-later
// The focus mark on a real X server (Xvfb), where the window is activated
// and clicked as a person does it, with real pointer and key events from
// xdotool: a control the mouse put the focus on looks as it does when Tab
// brought the focus there.

#include "tests/window_fixture.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

using RealWindowTest = WindowFixture;

// What the screen shows of `widget`.
QImage onScreen(QWidget* widget)
{
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    return widget->screen()->grabWindow(0, at.x(), at.y(), widget->width(), widget->height()).toImage();
}

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

TEST_F(RealWindowTest, an_option_button_clicked_with_the_mouse_wears_the_focus_mark_tab_gives_it)
{
    if (QGuiApplication::platformName() != u"xcb")
        GTEST_SKIP() << "needs an X server";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "needs xdotool";
    showPage(0);
    for (const char* name : {"optArea", "optW", "optTall"}) {
        SCOPED_TRACE(name);
        auto* option = qobject_cast<QRadioButton*>(widget(name));
        ASSERT_NE(option, nullptr);
        const QPoint at = option->mapToGlobal(option->rect().center());
        ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                             QStringLiteral("click"), QStringLiteral("1")}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return option->hasFocus() && option->isChecked(); }, 5000));
        QTest::qWait(100);
        const QImage clicked = onScreen(option);
        // Away with Tab and back with Shift+Tab, the pointer where it was.
        ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("Tab")}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !option->hasFocus(); }, 5000));
        ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("shift+Tab")}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return option->hasFocus(); }, 5000));
        QTest::qWait(100);
        EXPECT_EQ(clicked, onScreen(option)) << "the circle's focus colour or the frame is missing after the click";
    }
}

}  // namespace
