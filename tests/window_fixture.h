// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real window for the tests that need its widgets: built as the program
// builds it, shown and active before each test, offscreen unless a platform
// is set (tests/window_test_main.cpp).

#include "app/application.h"

#include <QApplication>
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

    void showPage(int page)
    {
        window().tabControl()->setCurrentIndex(page);
        QApplication::processEvents();
    }

    Application app_;
};

}  // namespace tavrimo::testing
