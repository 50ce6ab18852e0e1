// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "window/view/zoom_memory.h"
#include "app/version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[])
{
    // --help and --version need no screen: with arguments and no display the
    // command line is read offscreen, and the window is not opened there.
    const bool displayless = argc > 1 && !hasDisplay();
    if (displayless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(tavrimo::version::kInternalName));
    QApplication::setApplicationVersion(QString::fromLatin1(tavrimo::version::kNumber));

    // Read before the Arabic translation is installed, so that the usage
    // text stays in the terminal's English like the manual page's options.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts units and temperatures, solves quadratic equations and shows geometry formulas, in Arabic."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(qapp.arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())
                                  : parser.errorText();
        std::fprintf(stderr, "tavrimo: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (displayless) {
        std::fprintf(stderr, "tavrimo: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n");
        return 1;
    }

    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    tavrimo::keepZoomBetweenRuns(app.window());
    app.window().show();
    return qapp.exec();
}
