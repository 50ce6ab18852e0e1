// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace tavrimo {

// Ctrl + mouse wheel over any control of the window steps the zoom, one step
// a notch; the control under the pointer (the formula box's own text zoom,
// the figure list's item) does not take it. Installed on the application.
class WheelZoom : public QObject {
public:
    WheelZoom(QWidget* window, std::function<void(int)> step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void(int)> step_;
    int turn_ = 0;  // eighths of a degree not yet taken as a step
};

}  // namespace tavrimo
