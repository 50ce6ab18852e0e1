// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The context menus of the text boxes.

#include <QPoint>

class QMenu;
class QWidget;

namespace tavrimo {

// Pops up a text box's menu, right to left like the window though a box's
// number runs left to right, at the font size of the owner's zoom, its
// items without underlined letters. The menu deletes itself once closed.
void popUpMenu(QMenu* menu, const QWidget* owner, QPoint at);

}  // namespace tavrimo
