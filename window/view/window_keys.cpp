// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/window_keys.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tavrimo {

WindowKeys::WindowKeys(QWidget* window, std::function<bool(WindowKey)> press, std::function<void(int)> turn)
    : QObject(window), window_(window), press_(std::move(press)), turn_(std::move(turn))
{
    // Installed before the accessibility bridge installs its own filter,
    // which therefore sees each key first.
    qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The keypad's Enter is a screen reader's own key (Orca's "where am
        // I"): while one listens it presses nothing here, even should the
        // reader's word on it come too late for the key to stop on its way.
        if (key->key() == Qt::Key_Enter && (key->modifiers() & Qt::KeypadModifier) && QAccessible::isActive())
            return false;
        return modifiers == Qt::NoModifier && press_(WindowKey::Enter);
    case Qt::Key_Escape:
        return modifiers == Qt::NoModifier && press_(WindowKey::Esc);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(modifiers & Qt::ControlModifier) || (modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier)))
            return false;
        turn_(key->key() == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? -1 : 1);
        return true;
    default:
        return false;
    }
}

}  // namespace tavrimo
