// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/context_menu.h"

#include "window/view/zoom.h"

#include <QApplication>
#include <QMenu>

namespace tavrimo {

void popUpMenu(QMenu* menu, const QWidget* owner, QPoint at)
{
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QFont font = QApplication::font();
    font.setPointSizeF(zoomedF(font.pointSizeF(), zoomOf(owner)));
    menu->setFont(font);
    menu->popup(at);
}

}  // namespace tavrimo
