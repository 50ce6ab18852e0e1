// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic/solver.h"

#include "form/form.h"
#include "numbers/failure.h"
#include "numbers/numbers.h"

namespace tavrimo {

using namespace quadratic;

namespace {

Exact coefficient(const Form& form, ControlId field) { return readExact(form.text(field), form.numbers); }

// Computed from the exact coefficients, whatever their size: only what is
// written must lie within the double range. sqrt(D), (-b + sqrt(D)) / 2a and
// (-b - sqrt(D)) / 2a are each correctly rounded once.
void solve(Form& form)
{
    const Exact a = coefficient(form, form.c.txtA);
    const Exact b = coefficient(form, form.c.txtB);
    const Exact c = coefficient(form, form.c.txtG);
    const Exact d = b * b - 4 * a * c;
    if (sgn(d) < 0) {
        clearSolverResults(form);
        form.messages.showMessage(toQString(kNoRootsPrompt), toQString(kNoRootsTitle), MessageIcon::Information);
        return;
    }
    if (sgn(a) == 0)
        throw Failure{FailureReason::DivisionByZero};
    const Exact twoA = 2 * a;
    // In the digits all three coefficients share.
    const NumberFormat written = form.numbers.writingIn(
        digitSystemOf({form.text(form.c.txtA), form.text(form.c.txtB), form.text(form.c.txtG)}));
    const QString root = writeSurd(Exact(0), 1, d, Exact(1), written);
    const QString plus = writeSurd(-b, 1, d, twoA, written);
    const QString minus = writeSurd(-b, -1, d, twoA, written);
    form.w.setText(form.c.sqrD, root);
    form.w.setText(form.c.s1, plus);
    form.w.setText(form.c.s2, minus);
}

}  // namespace

void clearSolverResults(Form& form)
{
    form.w.setText(form.c.sqrD, QString());
    form.w.setText(form.c.s1, QString());
    form.w.setText(form.c.s2, QString());
}

void cmdResult_Click(Form& form)
{
    const bool anyEmpty = form.text(form.c.txtA).isEmpty() || form.text(form.c.txtB).isEmpty()
                          || form.text(form.c.txtG).isEmpty();
    try {
        if (anyEmpty)
            throw Failure{FailureReason::TypeMismatch};
        solve(form);
    } catch (const Failure&) {
        clearSolverResults(form);
        form.messages.showMessage(toQString(kErrorPrompt), toQString(kErrorTitle), MessageIcon::Critical);
    }
}

void cmdCls_Click(Form& form)
{
    form.w.setText(form.c.txtA, QString());
    form.w.setText(form.c.txtB, QString());
    form.w.setText(form.c.txtG, QString());
}

}  // namespace tavrimo
