// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program says on its terminal: the help, the version, a refused
// command line, a missing display and an output that could not be written,
// in the person's language. The command line itself is read after Qt has
// taken its own options (-platform, -style ...) out of it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace tavrimo {

enum class Language { English, Arabic };

// The language of the messages, read as gettext reads it: LANGUAGE (a list,
// ignored in the C locale), else LC_ALL, LC_MESSAGES, LANG.
Language messageLanguage();

// The Qt platforms the window would be opened on, in Qt's order of trying:
// the -platform argument, else QT_QPA_PLATFORM, else the session's own
// (Wayland where the session is one, and X11).
QStringList platformCandidates(int argc, char** argv);

struct DisplayCheck {
    bool usable = true;
    // The X display opened to try it. An X server resets when its last
    // client leaves, and refuses connections while it does: keep this open
    // until Qt has connected.
    std::shared_ptr<void> xConnection;
    // One line naming what is missing and the platform tried, for when the
    // window cannot be opened.
    QString message;
};

// Whether one of the platforms has a display to show the window on. Only X11
// and Wayland are judged here; any other platform (offscreen, minimal ...)
// counts as usable, and Qt itself tells whether it starts. With openX the X
// display is opened to see that it answers, not only named.
DisplayCheck checkDisplay(const QStringList& platforms, Language language, bool openX);

struct CommandLine {
    enum class Action { OpenWindow, Help, Version, Refuse, Booklet };
    Action action = Action::OpenWindow;
    QString refusal;  // the message, with Action::Refuse
    QString file;     // where the booklet goes, with Action::Booklet
};

// Reads the arguments Qt left, the program's name first.
CommandLine readCommandLine(const QStringList& arguments, Language language);

QByteArray helpText(Language language);
QByteArray versionText();

// Writes text and flushes it; false when the whole of it could not be
// written. A refused output is then reported in one line on standard error.
bool writeOut(std::FILE* stream, const QByteArray& text);
void reportLostOutput(Language language, int error);

// The system's reason for `error` in the person's language.
QString reasonFor(Language language, int error);

// From here until releaseQtMessages(), Qt's messages are held back, so that
// nothing comes before what the person asked for; a fatal one (a platform
// that cannot start or has no screen, which Qt ends with an abort) ends the
// program with fatalLine on standard error and exit status 1 instead.
void holdQtMessages(const QString& fatalLine);
// Writes the held messages to standard error when show is true, drops them
// otherwise, and hands Qt's messages back to its own handler.
void releaseQtMessages(bool show);

// Gives each of the standard streams that is closed a descriptor of its own,
// read-only on /dev/null, so that no file the program opens later takes its
// place and output meant for it fails instead of landing in that file.
void reserveStandardStreams();

}  // namespace tavrimo
