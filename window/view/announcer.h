// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Speaks a short message through the screen reader without moving the
// focus: the solver's answer, a figure picked from the list, a page turned.

#include <QString>

class QWidget;

namespace tavrimo {

// Has the screen reader say `text` now. Each window keeps a hidden
// notification (the accessibility role) whose name is the message; it is
// reported as shown, which Orca speaks at once ("إشعار" and the message),
// whatever has the focus. Does nothing for an empty text.
void announce(QWidget* anyWidgetOfTheWindow, const QString& text);

}  // namespace tavrimo
