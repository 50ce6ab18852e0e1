// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one line on standard error that says the zoom the person chose could
// not be kept for the next run, and why, in the person's language.

#include "app/command_line.h"
#include "window/view/settings_file.h"

#include <string>

namespace tavrimo {

QString zoomNotKeptLine(Language language, int zoom, const std::string& path, const WriteResult& why);

}  // namespace tavrimo
