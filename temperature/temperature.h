#pragma once

// Celsius, Fahrenheit and Kelvin fields that follow each other as the person
// types. The field being edited keeps its text; the other two are computed
// from it, the third always by way of the Celsius text.

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

}  // namespace tavrimo
