// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real window, built as the program builds it, shown and active before each test.

#include "app/application.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tavrimo::testing {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window().show();
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window()))
            QApplication::setActiveWindow(&window());
    }

    MainWindow& window() { return app_.window(); }
    WindowModel& model() { return app_.program().window(); }
    QWidget* widget(std::string_view name, int index = -1) { return window().widgetOf(model().require(name, index)); }
    QLineEdit* field(std::string_view name, int index = -1) { return qobject_cast<QLineEdit*>(widget(name, index)); }
    const Control& control(std::string_view name, int index = -1) { return model().at(model().require(name, index)); }

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

    void showPage(int page)
    {
        window().tabControl()->setCurrentIndex(page);
        QApplication::processEvents();
    }

    // The tab strip, then every control of the page on view a person can put the focus in.
    std::vector<QWidget*> focusable(bool enabledOnly = false)
    {
        std::vector<QWidget*> all{window().tabControl()->tabBar()};
        for (ControlId id = 0; id < model().size(); ++id)
            if (QWidget* w = window().widgetOf(id);
                w && w->isVisible() && w->focusPolicy() != Qt::NoFocus && (w->isEnabled() || !enabledOnly))
                all.push_back(w);
        return all;
    }

    // Turns the mouse wheel over the middle of the widget by some notches.
    static void wheel(QWidget* over, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent turn(at, over->mapToGlobal(at), QPoint(), QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep),
                         Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &turn);
        QApplication::processEvents();
    }

    // The menu a right click in the middle of the widget opens.
    static QMenu* contextMenu(QWidget* w)
    {
        const QPoint centre = w->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, w->mapToGlobal(centre));
        QApplication::sendEvent(w, &event);
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // The sum of the differences of the three channels.
    static int distance(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    }

    Application app_;
};

// The window at each zoom of the parameter.
class ZoomedWindowFixture : public WindowFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window().zoomTo(GetParam());
        QApplication::processEvents();
        ASSERT_EQ(window().zoom(), GetParam()) << "the screen is too small for this zoom";
    }

    void pick(int figure)
    {
        showPage(2);
        model().userPick(model().require("Combo1"), figure);
        QApplication::processEvents();
    }
};

inline std::string zoomName(const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param); }

}  // namespace tavrimo::testing
