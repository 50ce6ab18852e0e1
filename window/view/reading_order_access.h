// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrimo {

// Lets a screen reader meet the drawings of the formula page in reading
// order: the picture box that holds them lists them, among its children, in
// the order of the window's reading; the widgets themselves stay as made.
void installReadingOrderAccess();

}  // namespace tavrimo
