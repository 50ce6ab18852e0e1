#include "quadratic/solver.h"

#include "form/failure.h"
#include "form/form.h"

#include <cmath>
#include <string>

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

void solve(Form& form)
{
    if (!(discriminant(form) >= 0)) {
        form.messages.showMessage(toQString(kNoRootsPrompt), toQString(kNoRootsTitle), MessageIcon::Information);
        return;
    }
    form.w.setText(form.c.sqrD, writeNumber(std::sqrt(discriminant(form)), form.numbers));

    // The roots use the square root as displayed, not its full precision.
    const auto root = [&form](double sign) {
        const double r = readStrict(form.text(form.c.sqrD), form.numbers);
        const double a = coefficient(form, form.c.txtA);
        const double minusB = -coefficient(form, form.c.txtB);
        const double numerator = checked(sign > 0 ? r + minusB : minusB - r);
        return checkedDivide(numerator, checked(a + a));
    };
    form.w.setText(form.c.s1, writeNumber(root(+1), form.numbers));
    form.w.setText(form.c.s2, writeNumber(root(-1), form.numbers));
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
