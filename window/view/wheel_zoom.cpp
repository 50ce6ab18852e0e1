// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/wheel_zoom.h"

#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

namespace tavrimo {

WheelZoom::WheelZoom(QWidget* window, std::function<void(int)> step)
    : QObject(window), window_(window), step_(std::move(step))
{
}

bool WheelZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != window_)
        return false;
    turn_ += wheel->angleDelta().y();
    while (std::abs(turn_) >= QWheelEvent::DefaultDeltasPerStep) {
        const int direction = turn_ > 0 ? 1 : -1;
        turn_ -= direction * QWheelEvent::DefaultDeltasPerStep;
        step_(direction);
    }
    return true;
}

}  // namespace tavrimo
