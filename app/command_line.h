// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program says on its terminal: the help, the version, a refused
// command line, a missing display and an output that could not be written,
// in the person's language. The command line is read before Qt starts and
// connects to any display, with Qt's own options (-platform, -display,
// -style ...) set aside for Qt.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace tavrimo {

enum class Language { English, Arabic };

// The language of the messages, read as gettext reads it: LANGUAGE (a list,
// ignored in the C locale), else LC_ALL, LC_MESSAGES, LANG.
Language messageLanguage();

// The Qt platforms the window would be opened on, in Qt's order of trying:
// the -platform argument, else QT_QPA_PLATFORM, else the session's own
// (Wayland where the session is one, and X11).
QStringList platformCandidates(int argc, char** argv);

// The arguments without the options QApplication and its X11 platform take
// for themselves (with one dash or two, as Qt accepts them), the program's
// name first, and the display named by -display, if any.
struct QtOptions {
    QStringList rest;
    QString display;
};
QtOptions setAsideQtOptions(int argc, char** argv);

struct DisplayCheck {
    bool usable = true;
    // One line naming what is missing and the platform tried, for when the
    // window cannot be opened.
    QString message;
};

// Whether one of the platforms has a display to show the window on, by name
// only (Qt itself tells whether it opens). Only X11 and Wayland are judged
// here; any other platform (offscreen, minimal ...) counts as usable. A
// display given with -display stands for DISPLAY.
DisplayCheck checkDisplay(const QStringList& platforms, Language language, const QString& displayOption = {});

struct CommandLine {
    enum class Action { OpenWindow, Help, Version, Refuse, Booklet };
    Action action = Action::OpenWindow;
    QString refusal;  // the message, with Action::Refuse
    QString file;     // where the booklet goes, with Action::Booklet
};

// Reads the program's own arguments, the program's name first.
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
