// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    app.window().show();
    return qapp.exec();
}
