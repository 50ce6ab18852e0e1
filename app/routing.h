// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The routing table: every control event that reaches program code, and the
// handler it reaches. An event of a control array member reaches the array's
// one handler with the member's index.

#include "window/model.h"

#include <span>
#include <string_view>
#include <vector>

namespace tavrimo {

class Form;

struct Route {
    std::string_view control;
    Event event;
    std::string_view handler;
    void (*run)(Form& form, int index);
    // When this says so, the event starts no handler.
    bool (*blocked)(const Form& form) = nullptr;
    // After the handling of a person's edit of the field ended in a failure:
    // empties the fields of the converter that the handling did not assign.
    void (*clearStale)(Form& form, std::span<const ControlId> assigned, ControlId edited) = nullptr;
    // A reaction of the window rather than a handler: it is not counted
    // among the handler runs and cannot fail.
    bool quiet = false;
};

std::span<const Route> routingTable();

void Form_Load(Form& form);
void Combo1_Click(Form& form);

}  // namespace tavrimo
