// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/temperature.h"

#include "form/failure.h"
#include "form/form.h"

#include <algorithm>

namespace tavrimo {

using namespace temperature;

namespace {

double valueOf(const Form& form, ControlId field)
{
    return readStrict(form.text(field), form.numbers);
}

void write(Form& form, ControlId field, double value)
{
    form.w.setText(field, writeNumber(value, form.numbers));
}

double toFahrenheit(double celsius) { return checked(celsius * kCelsiusToFahrenheit + kFahrenheitOffset); }

}  // namespace

void clearUnassignedTemperatureFields(Form& form, std::span<const ControlId> assigned, ControlId edited)
{
    ScopedValue quiet(form.temperatureRunning, true);
    for (ControlId field : {form.c.txtC, form.c.txtF, form.c.txtK})
        if (field != edited && std::find(assigned.begin(), assigned.end(), field) == assigned.end())
            form.w.setText(field, QString());
}

void txtC_Change(Form& form)
{
    trimField(form, form.c.txtC);
    ScopedValue running(form.temperatureRunning, true);
    write(form, form.c.txtF, toFahrenheit(valueOf(form, form.c.txtC)));
    write(form, form.c.txtK, checked(valueOf(form, form.c.txtC) + kKelvinOffset));
}

void txtF_Change(Form& form)
{
    trimField(form, form.c.txtF);
    ScopedValue running(form.temperatureRunning, true);
    write(form, form.c.txtC, checked((valueOf(form, form.c.txtF) - kFahrenheitOffset) * kFahrenheitToCelsius));
    write(form, form.c.txtK, checked(valueOf(form, form.c.txtC) + kKelvinOffset));
}

void txtK_Change(Form& form)
{
    trimField(form, form.c.txtK);
    ScopedValue running(form.temperatureRunning, true);
    write(form, form.c.txtC, checked(valueOf(form, form.c.txtK) - kKelvinOffset));
    write(form, form.c.txtF, toFahrenheit(valueOf(form, form.c.txtC)));
}

}  // namespace tavrimo
