// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/booklet_file.h"
#include "app/close_on_signal.h"
#include "app/command_line.h"
#include "app/kept_zoom_report.h"
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
    // The command line is read before Qt starts: the help, the version and a
    // refusal need no display, and do not wait for one that does not answer.
    const tavrimo::QtOptions qtOptions = tavrimo::setAsideQtOptions(argc, argv);
    const CommandLine line = tavrimo::readCommandLine(qtOptions.rest, language);
    switch (line.action) {
    case CommandLine::Action::Help:
        return print(stdout, tavrimo::helpText(language), language, 0);
    case CommandLine::Action::Version:
        return print(stdout, tavrimo::versionText(), language, 0);
    case CommandLine::Action::Refuse:
        return print(stderr, (line.refusal + QLatin1String("\n\n")).toUtf8() + tavrimo::helpText(language),
                     language, 2);
    case CommandLine::Action::Booklet: {
        // The booklet is drawn on Qt's platform that shows nothing: it needs no display.
        // Qt's own notes on the way (a runtime folder not set, say) are not
        // the person's business: the booklet is written, or one line says why.
        tavrimo::chooseBookletPlatform(argc, argv);
        tavrimo::holdQtMessages(tavrimo::bookletPlatformFailure(language));
        QApplication qapp(argc, argv);
        const int status = tavrimo::writeBookletFile(line.file, language);
        tavrimo::releaseQtMessages(false);
        return status;
    }
    case CommandLine::Action::OpenWindow:
        break;
    }
    const tavrimo::DisplayCheck display =
        tavrimo::checkDisplay(tavrimo::platformCandidates(argc, argv), language, qtOptions.display);
    if (!display.usable)
        return print(stderr, (display.message + QLatin1Char('\n')).toUtf8(), language, 1);

    tavrimo::holdQtMessages(display.message);
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    tavrimo::keepZoomBetweenRuns(app.window(), [language](int zoom, const std::string& path, const tavrimo::WriteResult& why) {
        tavrimo::writeOut(stderr, (tavrimo::zoomNotKeptLine(language, zoom, path, why) + QLatin1Char('\n')).toUtf8());
    });
    tavrimo::closeOnTerminationSignals(app.window());
    // Some platforms find out only here that they have no screen.
    app.window().show();
    tavrimo::releaseQtMessages(true);
    return qapp.exec();
}
