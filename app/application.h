// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running program with its window: the message boxes, the program and
// the window that draws it, put together the same way for the person and for
// the script driver.

#include "app/program.h"
#include "window/view/main_window.h"

#include <memory>

class QApplication;

namespace tavrimo {

class MessageBoxes : public MessagePresenter {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const QString& prompt, const QString& title, MessageIcon icon) override;

private:
    QWidget* parent_ = nullptr;
};

// Right to left, the window's default font and a style that honours the
// controls' own colours; call once, after QApplication is made.
void configureApplication(QApplication& app);

class Application {
public:
    // Builds the window and runs Form_Load; the window is not yet shown.
    Application();

    Program& program() { return program_; }
    MainWindow& window() { return *window_; }

private:
    bool registered_;
    MessageBoxes boxes_;
    Program program_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tavrimo
