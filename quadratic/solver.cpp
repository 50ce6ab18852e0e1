// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic/solver.h"

#include "form/failure.h"
#include "form/form.h"

#include <cmath>

namespace tavrimo {

using namespace quadratic;

namespace {

double coefficient(const Form& form, ControlId field) { return readStrict(form.text(field), form.numbers); }

// D = b^2 - (a * 4) * c, each operand read afresh from its field.
double discriminant(const Form& form)
{
    const double a = coefficient(form, form.c.txtA);
    const double b = coefficient(form, form.c.txtB);
    const double c = coefficient(form, form.c.txtG);
    const double square = checked(b * b);
    const double fourA = checked(a * 4);
    return checked(square - checked(fourA * c));
}

// A press that gives no solution leaves no result of an earlier equation
// beside its message.
void clearResults(Form& form)
{
    form.w.setText(form.c.sqrD, QString());
    form.w.setText(form.c.s1, QString());
    form.w.setText(form.c.s2, QString());
}

struct Roots {
    double plus;   // (-b + sqrt(D)) / 2a
    double minus;  // (-b - sqrt(D)) / 2a
};

// The roots from the full-precision square root, without the cancellation of
// -b + sqrt(D) when b^2 dwarfs 4ac: q = -(b + sign(b) sqrt(D)) / 2 adds two
// numbers of the same sign, and the roots are q / a and c / q.
Roots roots(double a, double b, double c, double root)
{
    const double twoA = checked(a + a);
    if (twoA == 0)
        throw Failure{FailureReason::DivisionByZero};
    if (b == 0) {
        const double r = checkedDivide(root, twoA);
        return {r, -r};
    }
    const double q = checked(-(b + std::copysign(root, b)) / 2);
    if (q == 0)  // b and D so small that the halving lost them
        return {checkedDivide(checked(-b + root), twoA), checkedDivide(checked(-b - root), twoA)};
    const double byA = checkedDivide(q, a);
    const double byQ = checkedDivide(c, q);
    // With b > 0, q / a is the root that takes -sqrt(D).
    return b > 0 ? Roots{byQ, byA} : Roots{byA, byQ};
}

void solve(Form& form)
{
    if (!(discriminant(form) >= 0)) {
        clearResults(form);
        form.messages.showMessage(toQString(kNoRootsPrompt), toQString(kNoRootsTitle), MessageIcon::Information);
        return;
    }
    const double root = std::sqrt(discriminant(form));
    const Roots r = roots(coefficient(form, form.c.txtA), coefficient(form, form.c.txtB),
                          coefficient(form, form.c.txtG), root);
    const QString plus = writeNumber(r.plus, form.numbers);
    const QString minus = writeNumber(r.minus, form.numbers);
    form.w.setText(form.c.sqrD, writeNumber(root, form.numbers));
    form.w.setText(form.c.s1, plus);
    form.w.setText(form.c.s2, minus);
}

}  // namespace

void cmdResult_Click(Form& form)
{
    const bool anyEmpty = form.text(form.c.txtA).isEmpty() || form.text(form.c.txtB).isEmpty()
                          || form.text(form.c.txtG).isEmpty();
    try {
        if (anyEmpty)
            throw Failure{FailureReason::TypeMismatch};
        solve(form);
    } catch (const Failure&) {
        clearResults(form);
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
