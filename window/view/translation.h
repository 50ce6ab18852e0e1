// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrimo {

// Installs Qt's own Arabic translation (the text boxes' menus, the message
// box's button) the first time one of Qt's texts is about to be made; a run
// that opens neither a menu nor a message box never reads it. Does nothing
// the second time, or without a QCoreApplication.
void loadQtArabic();

}  // namespace tavrimo
