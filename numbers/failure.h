// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A failing step ends the handler that is running (the solver catches its own
// and shows a message instead). Failures travel as this exception from the
// failing step to the boundary of the handler, where the event routing stops
// them.

#include <string_view>

namespace tavrimo {

enum class FailureReason { TypeMismatch, Overflow, DivisionByZero, InvalidOperation };

struct Failure {
    FailureReason reason;
};

constexpr std::string_view describe(FailureReason reason)
{
    switch (reason) {
    case FailureReason::TypeMismatch: return "type mismatch";
    case FailureReason::Overflow: return "overflow";
    case FailureReason::DivisionByZero: return "division by zero";
    case FailureReason::InvalidOperation: return "invalid operation";
    }
    return "invalid operation";
}

}  // namespace tavrimo
