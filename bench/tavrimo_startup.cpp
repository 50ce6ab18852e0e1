// SPDX-License-Identifier: GPL-3.0-or-later
// Tavrimo as app/main.cpp starts it, with the first-frame probe attached.

#include "probe.h"
#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    tavrimo::bench::FirstFrameProbe probe(&app.window());
    app.window().show();
    return qapp.exec();
}
