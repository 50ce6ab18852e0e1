// SPDX-License-Identifier: GPL-3.0-or-later
// The one start of every test that needs the real window: offscreen unless a
// platform is set, and the application configured as the program does it.

#include "app/application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    // Offscreen on a screen that holds the window at every zoom.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TAVRIMO_LARGE_SCREEN);
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
