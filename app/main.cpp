// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "window/view/zoom_memory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    tavrimo::keepZoomBetweenRuns(app.window());
    app.window().show();
    return qapp.exec();
}
