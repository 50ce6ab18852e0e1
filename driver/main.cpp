// SPDX-License-Identifier: GPL-3.0-or-later
// tavrimo-script: opens the real window without a screen, performs a script
// of user actions on it and prints what the window then shows.

#include "driver/files.h"
#include "driver/runner.h"
#include "driver/script.h"
#include "app/application.h"
#include "window/properties.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The offscreen platform says what it cannot do (raise a window, grab the
// keyboard); none of that matters here, and standard error is kept for
// script errors and real warnings.
QtMessageHandler fallback = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(u"This plugin does not support") || message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR"))
        return;
    if (fallback)
        fallback(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The offscreen platform's screen is 800 x 600 unless told otherwise; the
// driver's screen holds the window at every zoom, 300 % included.
constexpr char kOffscreenScreen[] =
    R"({"screens": [{"name": "tavrimo-script", "x": 0, "y": 0, "width": 2048, "height": 1536,)"
    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

}  // namespace

int main(int argc, char* argv[])
{
    // Whether standard input and output were open when the driver started:
    // once Qt has opened its own files, a closed descriptor 0 or 1 may be
    // one of them.
    const bool stdinOpen = ::fcntl(STDIN_FILENO, F_GETFL) >= 0;
    const bool stdoutOpen = ::fcntl(STDOUT_FILENO, F_GETFL) >= 0;
    // A reader that went away and a file size limit reached are write
    // errors like any other, reported (a short write, then EPIPE or EFBIG).
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    fallback = qInstallMessageHandler(filterMessages);
    QTemporaryFile screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const bool written = screens.open() && screens.write(kOffscreenScreen) > 0 && screens.flush();
        qputenv("QT_QPA_PLATFORM", written ? "offscreen:configfile=" + QFile::encodeName(screens.fileName()) : "offscreen");
    }
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);

    QTextStream err(stderr);
    const QStringList args = qapp.arguments();
    if (args.size() > 2) {
        err << "usage: tavrimo-script [FILE]\n";
        return 2;
    }
    const QString fileName = args.size() > 1 ? args.at(1) : QStringLiteral("-");
    QByteArray script;
    try {
        if (fileName == u"-" && !stdinOpen)
            throw tavrimo::script::ScriptError(0, "cannot read standard input: " + tavrimo::script::systemError(EBADF));
        script = tavrimo::script::readScript(fileName);
    } catch (const tavrimo::script::ScriptError& error) {
        err << tavrimo::escapeText(fileName) << ':' << error.line << ": " << error.what() << '\n';
        return 2;
    }

    tavrimo::Application app;
    tavrimo::script::StandardOutput out(stdoutOpen);
    tavrimo::Runner runner(app, out);

    // The whole script is checked before the first action, and then read
    // again line by line as it runs: only its bytes are held.
    try {
        tavrimo::script::forEachCommand(script, runner.names(), [](const tavrimo::script::Command&) {});
    } catch (const tavrimo::script::ScriptError& error) {
        err << tavrimo::escapeText(fileName) << ':' << error.line << ": " << error.what() << '\n';
        return 2;
    }

    app.window().show();
    app.window().activateWindow();
    if (!QTest::qWaitForWindowActive(&app.window()))
        QApplication::setActiveWindow(&app.window());
    try {
        tavrimo::script::forEachCommand(script, runner.names(),
                                        [&runner](const tavrimo::script::Command& command) { runner.run(command); });
        runner.finish();
    } catch (const tavrimo::ActionError& error) {
        err << tavrimo::escapeText(fileName) << ':' << error.line << ": " << error.what() << '\n';
        return 3;
    }
    return 0;
}
