// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Speaks a short message through the screen reader without moving the
// focus: the answer of the solver, a figure picked from the list.

#include <QString>

class QWidget;

namespace tavrimo {

// Has the screen reader say `text` now. The message is given as a new
// description of the control with the focus in the window of `anyWidget`
// (the window itself when none has it), which Orca speaks at once, and the
// control's own description is put back straight after. Does nothing for an
// empty text.
void announce(QWidget* anyWidget, const QString& text);

}  // namespace tavrimo
