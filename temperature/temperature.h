// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Celsius, Fahrenheit and Kelvin fields that follow each other as the person
// types. The field being edited keeps its text; the other two are computed
// exactly from it (F = C * 9/5 + 32, K = C + 273) and each rounded once.

#include "window/model.h"

#include <span>

namespace tavrimo {

class Form;

void txtC_Change(Form& form);
void txtF_Change(Form& form);
void txtK_Change(Form& form);

// Empties the temperature fields other than `edited` and those in
// `assigned`, without starting any handler: after a failed edit neither of
// the others keeps the temperature of an earlier one.
void clearUnassignedTemperatureFields(Form& form, std::span<const ControlId> assigned, ControlId edited);

}  // namespace tavrimo
