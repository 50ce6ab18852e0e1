// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Celsius, Fahrenheit and Kelvin fields that follow each other as the person
// types. The field being edited keeps its text; the other two are computed
// from it, the third always by way of the Celsius text.

#include "window/model.h"

#include <span>

namespace tavrimo {

class Form;

namespace temperature {
inline constexpr double kKelvinOffset = 273;  // not 273.15: the converter's own rounding
inline constexpr double kFahrenheitOffset = 32;
inline constexpr double kCelsiusToFahrenheit = 9.0 / 5.0;
inline constexpr double kFahrenheitToCelsius = 5.0 / 9.0;
}  // namespace temperature

void txtC_Change(Form& form);
void txtF_Change(Form& form);
void txtK_Change(Form& form);

// Empties the temperature fields other than `edited` and those in
// `assigned`, without starting any handler: after a failed edit neither of
// the others keeps the temperature of an earlier one.
void clearUnassignedTemperatureFields(Form& form, std::span<const ControlId> assigned, ControlId edited);

}  // namespace tavrimo
