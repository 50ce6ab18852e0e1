// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/conversion.h"

#include "form/failure.h"
#include "form/form.h"

#include <array>

namespace tavrimo {

namespace {

// Exact powers of ten; the largest a conversion needs is 10^18.
constexpr std::array<double, 19> kPowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18,
};

// Factor texts are the program's own data, written with a full stop
// whatever the user's number settings.
constexpr NumberFormat kFactorFormat{u'.'};

struct ConversionSteps {
    int exponentStep;    // one metric slot is 10^step of the next smaller
    int imperialFields;  // how many imperial fields the category fills
    bool stopsForWeight; // Tall fills one field less while optW is selected
};

void convert(Form& form, const ConversionSteps& steps)
{
    ScopedValue running(form.conversionRunning, true);
    const int s = form.bytSource;
    const ControlId driving = form.c.txtTAS.at(static_cast<size_t>(s));

    // A larger unit is reached by dividing, a smaller one by multiplying, by
    // an exact power of ten; the driving text is read again every time.
    for (int k = 0; k < 7; ++k) {
        if (k == s)
            continue;
        const double v = readLenient(form.text(driving), form.numbers);
        const double power = kPowersOfTen[static_cast<size_t>(steps.exponentStep * std::abs(k - s))];
        const double result = checked(k > s ? v / power : v * power);
        form.w.setText(form.c.txtTAS[static_cast<size_t>(k)], writeNumber(result, form.numbers));
    }

    const ControlId base = form.c.txtTAS[3];
    for (int j = 0; j < steps.imperialFields; ++j) {
        if (steps.stopsForWeight && form.selected(form.c.optW) && j == 4)
            break;
        const ControlId field = form.c.txtUSA[static_cast<size_t>(j)];
        const double b = readStrict(form.text(base), form.numbers);
        const double f = readStrict(form.w.at(field).tag, kFactorFormat);
        const double p = checked(f * b);
        if (j == form.editedImperialField)
            continue;  // the field the person is typing in stays as typed
        form.w.setText(field, writeNumber(p, form.numbers));
    }
}

}  // namespace

void Tall(Form& form) { convert(form, {1, 5, true}); }
void Area(Form& form) { convert(form, {2, 4, false}); }
void Size(Form& form) { convert(form, {3, 3, false}); }

}  // namespace tavrimo
