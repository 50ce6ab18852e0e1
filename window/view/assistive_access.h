// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader, an on-screen keyboard or speech input may do to the
// window's text boxes and buttons through the accessibility interface: what
// the keyboard and the mouse can, and no more. A control takes an edit or an
// action only while a person could reach it: shown on the page on view,
// enabled, and with no message box open in front of the window. An edit is
// one paste: at offsets within the text (an offset past the end is the end),
// refused whole where the box would not take it from the keyboard (a result
// box, a text past the longest a box takes). Pressing an option button
// chooses it as a click does.

class QTabWidget;
class QWidget;

namespace tavrimo {

// Makes the accessibility interface give the window's text boxes and buttons
// these rules; once is enough, more calls do nothing.
void installAssistiveAccess();

// Turns the page back should anything but the person (a page tab's action
// through the accessibility interface) turn it while a message box is open.
void keepPageBehindMessageBoxes(QTabWidget* tabs);

// Whether a person could reach `widget` now with the keyboard or the mouse.
bool reachableByPerson(const QWidget* widget);

}  // namespace tavrimo
