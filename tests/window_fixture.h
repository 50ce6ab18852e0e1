// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real window for the tests that need its widgets: built as the program
// builds it, shown and active before each test, offscreen unless a platform
// is set (tests/window_test_main.cpp).

#include "app/application.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string_view>

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

    Application app_;
};

}  // namespace tavrimo::testing
