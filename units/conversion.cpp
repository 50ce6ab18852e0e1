// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/conversion.h"

#include "form/form.h"
#include "numbers/numbers.h"
#include "units/catalogue.h"

namespace tavrimo {

namespace {

struct ConversionSteps {
    int exponentStep;    // one metric slot is 10^step of the next smaller
    int imperialFields;  // how many imperial fields the category fills
    bool stopsForWeight; // Tall fills one field less while optW is selected
};

// The text the person typed: the imperial field being edited, or else the
// driving metric field. Every field is computed from its exact amount, never
// from another field's rounded text, and written in its digits.
struct TypedAmount {
    Exact base;  // in base units
    NumberFormat written;
};

TypedAmount typedAmount(const Form& form, const ConversionSteps& steps)
{
    if (form.editedImperialField >= 0) {
        const ControlId field = form.c.txtUSA.at(static_cast<size_t>(form.editedImperialField));
        const QString& text = form.text(field);
        return {readExact(text, form.numbers) / units::unitsPerBase(form.w.at(field).tag),
                form.numbers.writingIn(digitSystemOf(text))};
    }
    const int s = form.bytSource;
    const QString& text = form.text(form.c.txtTAS.at(static_cast<size_t>(s)));
    return {readExact(text, form.numbers) * powerOfTen(steps.exponentStep * (s - 3)),
            form.numbers.writingIn(digitSystemOf(text))};
}

void convert(Form& form, const ConversionSteps& steps)
{
    ScopedValue running(form.conversionRunning, true);
    const int s = form.bytSource;
    // Read once: the conversion writes every field but the one typed in.
    const auto [amount, written] = typedAmount(form, steps);

    for (int k = 0; k < 7; ++k) {
        if (k == s)
            continue;  // the driving field stays as typed
        const Exact value = amount * powerOfTen(steps.exponentStep * (3 - k));
        form.w.setText(form.c.txtTAS[static_cast<size_t>(k)], writeNumber(value, written));
    }

    for (int j = 0; j < steps.imperialFields; ++j) {
        if (steps.stopsForWeight && form.selected(form.c.optW) && j == 4)
            break;
        const ControlId field = form.c.txtUSA[static_cast<size_t>(j)];
        const Exact value = amount * units::unitsPerBase(form.w.at(field).tag);
        if (j == form.editedImperialField)
            continue;  // the field the person is typing in stays as typed
        form.w.setText(field, writeNumber(value, written));
    }
}

}  // namespace

void Tall(Form& form) { convert(form, {1, 5, true}); }
void Area(Form& form) { convert(form, {2, 4, false}); }
void Size(Form& form) { convert(form, {3, 3, false}); }

}  // namespace tavrimo
