// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keys that work wherever the focus is in the window: Enter and Esc
// press the page's command buttons, Ctrl+Tab and Ctrl+Shift+Tab turn the
// page (also from the figure list and the formula box, which would otherwise
// take the key for themselves).
//
// They are taken as key presses on their way to the focused control, not as
// shortcuts: Qt tries shortcuts before anything else sees the key, and the
// accessibility bridge first offers every key press to the screen reader,
// which keeps for itself those that are its own commands (Orca's "where am
// I" on the keypad's Enter) and echoes the others.

#include "window/keyboard.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tavrimo {

class WindowKeys : public QObject {
public:
    // `press` presses the button for a key and says whether there was one;
    // `turn` turns the page one step forward (1) or back (-1).
    WindowKeys(QWidget* window, std::function<bool(WindowKey)> press, std::function<void(int)> turn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<bool(WindowKey)> press_;
    std::function<void(int)> turn_;
};

}  // namespace tavrimo
