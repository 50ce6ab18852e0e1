// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/booklet_file.h"
#include "app/command_line.h"
#include "window/view/zoom_memory.h"

#include <QApplication>

#include <cerrno>

namespace {

// Prints what the person asked for; an output that cannot be written whole
// is a failure, said on standard error where that still works.
int print(std::FILE* stream, const QByteArray& text, tavrimo::Language language, int status)
{
    if (tavrimo::writeOut(stream, text))
        return status;
    const int error = errno;
    if (stream != stderr)
        tavrimo::reportLostOutput(language, error);
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    using tavrimo::CommandLine;
    tavrimo::reserveStandardStreams();
    const tavrimo::Language language = tavrimo::messageLanguage();
    tavrimo::chooseBookletPlatform(argc, argv);
    // With arguments, the X display is tried before Qt is: an X display named
    // but gone (a broken ssh forwarding) must not stand in the way of --help.
    // Without them Qt's own failure to open it gives the same line.
    tavrimo::DisplayCheck display =
        tavrimo::checkDisplay(tavrimo::platformCandidates(argc, argv), language, argc > 1);
    const QByteArray noDisplay = (display.message + QLatin1Char('\n')).toUtf8();
    if (!display.usable && argc == 1)
        return print(stderr, noDisplay, language, 1);
    // Without a display the command line is still read, on Qt's platform
    // that shows nothing; the window is not opened there.
    if (!display.usable)
        qputenv("QT_QPA_PLATFORM", "minimal");

    tavrimo::holdQtMessages(display.message);
    QApplication qapp(argc, argv);
    display.xConnection.reset();
    const CommandLine line = tavrimo::readCommandLine(qapp.arguments(), language);
    if (line.action != CommandLine::Action::OpenWindow || !display.usable)
        tavrimo::releaseQtMessages(false);
    switch (line.action) {
    case CommandLine::Action::Help:
        return print(stdout, tavrimo::helpText(language), language, 0);
    case CommandLine::Action::Version:
        return print(stdout, tavrimo::versionText(), language, 0);
    case CommandLine::Action::Refuse:
        return print(stderr, (line.refusal + QLatin1String("\n\n")).toUtf8() + tavrimo::helpText(language),
                     language, 2);
    case CommandLine::Action::Booklet:
        return tavrimo::writeBookletFile(line.file, language);
    case CommandLine::Action::OpenWindow:
        break;
    }
    if (!display.usable)
        return print(stderr, noDisplay, language, 1);

    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    tavrimo::keepZoomBetweenRuns(app.window());
    // Some platforms find out only here that they have no screen.
    app.window().show();
    tavrimo::releaseQtMessages(true);
    return qapp.exec();
}
