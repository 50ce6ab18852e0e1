// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QLineEdit;
class QTextEdit;

namespace tavrimo {

// The accessibility interface of an entry or result box: read as the line
// edit shows it, edited only as a paste at its place would be, and only
// while a person could reach the box. A result box offers no editing.
QAccessibleInterface* makeFieldAccess(QLineEdit* edit);

// Keeps the selection and caret moves of entry boxes without the focus from
// the screen reader. Once is enough.
void quietFieldsWithoutFocus();

// The accessibility interface of the formula box: read, selected and
// scrolled as the keyboard can, never edited.
QAccessibleInterface* makeReadOnlyTextAccess(QTextEdit* box);

}  // namespace tavrimo
