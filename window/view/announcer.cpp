// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/announcer.h"

#include <QWidget>

namespace tavrimo {

void announce(QWidget* anyWidget, const QString& text)
{
    if (!anyWidget || text.isEmpty())
        return;
    QWidget* window = anyWidget->window();
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const QString own = target->accessibleDescription();
    // Each change is sent to the screen reader as it is made: the message,
    // then the control's own description (none, for the controls that take
    // the focus), which Orca does not speak again.
    target->setAccessibleDescription(text);
    target->setAccessibleDescription(own);
}

}  // namespace tavrimo
