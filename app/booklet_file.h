// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `tavrimo --pdf FILE`: the booklet of the nine formula sheets written to
// FILE, or to standard output for "-", without opening the window.

#include "app/command_line.h"

#include <QString>

namespace tavrimo {

// Before Qt starts: where the command line asks for a booklet, Qt's
// offscreen platform is chosen, which needs no display and has the fonts.
void chooseBookletPlatform(int argc, char** argv);

// The line that ends the program should that platform not start.
QString bookletPlatformFailure(Language language);

// Writes the booklet the way the kept settings file is written: whole, as a
// new file in FILE's folder renamed onto FILE, never through a link to
// anything but a regular file, never in place of a FIFO, a device or a
// folder. Returns the exit status: 0, or 1 after one line on standard error
// saying why, with nothing written.
int writeBookletFile(const QString& file, Language language);

}  // namespace tavrimo
