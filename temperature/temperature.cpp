// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/temperature.h"

#include "form/form.h"
#include "numbers/numbers.h"

#include <algorithm>

namespace tavrimo {

namespace {

const Exact kKelvinOffset(273);  // not 273.15: the converter's own rounding
const Exact kFahrenheitOffset(32);
const Exact kFahrenheitPerCelsius(9, 5);

// The exact Celsius amount of the text in the field being edited.
Exact celsiusOf(const Form& form, ControlId field)
{
    const Exact typed = readExact(form.text(field), form.numbers);
    if (field == form.c.txtF)
        return (typed - kFahrenheitOffset) / kFahrenheitPerCelsius;
    if (field == form.c.txtK)
        return typed - kKelvinOffset;
    return typed;
}

// Fills the two fields other than `edited` from its text, in the order
// given and in its digits.
void follow(Form& form, ControlId edited, std::initializer_list<ControlId> order)
{
    trimField(form, edited);
    ScopedValue running(form.temperatureRunning, true);
    const NumberFormat written = form.numbers.writingIn(digitSystemOf(form.text(edited)));
    for (ControlId field : order) {
        const Exact celsius = celsiusOf(form, edited);
        const Exact value = field == form.c.txtF ? Exact(celsius * kFahrenheitPerCelsius + kFahrenheitOffset)
                            : field == form.c.txtK ? Exact(celsius + kKelvinOffset)
                                                   : celsius;
        form.w.setText(field, writeNumber(value, written));
    }
}

}  // namespace

void clearUnassignedTemperatureFields(Form& form, std::span<const ControlId> assigned, ControlId edited)
{
    ScopedValue quiet(form.temperatureRunning, true);
    for (ControlId field : {form.c.txtC, form.c.txtF, form.c.txtK})
        if (field != edited && std::find(assigned.begin(), assigned.end(), field) == assigned.end())
            form.w.setText(field, QString());
}

void txtC_Change(Form& form) { follow(form, form.c.txtC, {form.c.txtF, form.c.txtK}); }
void txtF_Change(Form& form) { follow(form, form.c.txtF, {form.c.txtC, form.c.txtK}); }
void txtK_Change(Form& form) { follow(form, form.c.txtK, {form.c.txtC, form.c.txtF}); }

}  // namespace tavrimo
