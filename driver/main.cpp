// SPDX-License-Identifier: GPL-3.0-or-later
// tavrimo-script: opens the real window without a screen, performs a script
// of user actions on it and prints what the window then shows.

#include "driver/runner.h"
#include "driver/script.h"
#include "app/application.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>

#include <cstdio>

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
    fallback = qInstallMessageHandler(filterMessages);
    QTemporaryFile screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const bool written = screens.open() && screens.write(kOffscreenScreen) > 0 && screens.flush();
        qputenv("QT_QPA_PLATFORM", written ? "offscreen:configfile=" + QFile::encodeName(screens.fileName()) : "offscreen");
    }
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);

    const QStringList args = qapp.arguments();
    const QString fileName = args.size() > 1 ? args.at(1) : QStringLiteral("-");
    QTextStream err(stderr);
    QByteArray source;
    if (fileName == u"-") {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            err << "-:0: cannot read standard input\n";
            return 2;
        }
        source = in.readAll();
    } else {
        QFile in(fileName);
        if (!in.open(QIODevice::ReadOnly)) {
            err << fileName << ":0: cannot open the script: " << in.errorString() << '\n';
            return 2;
        }
        source = in.readAll();
    }

    tavrimo::Application app;
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    tavrimo::Runner runner(app, out);

    std::vector<tavrimo::script::Command> commands;
    try {
        commands = tavrimo::script::parse(QString::fromUtf8(source), runner.names());
    } catch (const tavrimo::script::ScriptError& error) {
        err << fileName << ':' << error.line << ": " << error.what() << '\n';
        return 2;
    }

    app.window().show();
    app.window().activateWindow();
    if (!QTest::qWaitForWindowActive(&app.window()))
        QApplication::setActiveWindow(&app.window());
    try {
        runner.run(commands);
    } catch (const tavrimo::ActionError& error) {
        out.flush();
        err << fileName << ':' << error.line << ": " << error.what() << '\n';
        return 3;
    }
    return 0;
}
