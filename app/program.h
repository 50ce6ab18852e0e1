// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running program: Form1's model and values, and the delivery of control
// events to their handlers. Delivery counts handler runs and their nesting,
// and stops a failure at the boundary of the handler it ended.

#include "numbers/failure.h"
#include "form/form.h"
#include "app/routing.h"
#include "window/model.h"

#include <functional>
#include <vector>

namespace tavrimo {

struct HandlerStats {
    int handlers = 0;
    int depth = 0;  // deepest nesting of handler runs
};

class Program {
public:
    using FailureListener = std::function<void(const QString& handler, FailureReason reason)>;

    Program(NumberFormat numbers, MessagePresenter& messages);

    // Runs Form_Load. Creating the program ran no handler.
    void start();

    WindowModel& window() { return window_; }
    Form& form() { return form_; }

    void setFailureListener(FailureListener listener) { failureListener_ = std::move(listener); }
    // The counts since the last call.
    HandlerStats takeStats();

private:
    void deliver(ControlId id, Event event);

    WindowModel window_;
    Form form_;
    std::vector<std::array<const Route*, 6>> routes_;  // per control, per event
    FailureListener failureListener_;
    HandlerStats stats_;
    int depth_ = 0;
    // Whether a handler run ended in a failure while a person's edit is
    // being handled; null while none is.
    bool* editFailed_ = nullptr;
};

}  // namespace tavrimo
