// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The solver of a x^2 + b x + c = 0: "النتيجة" shows the square root of the
// discriminant and both real roots, or one of two messages; "مسح" empties
// the coefficients. Results belong to the equation shown: any change to a
// coefficient empties them, and only "النتيجة" fills them again.

#include <string_view>

namespace tavrimo {

class Form;

namespace quadratic {
inline constexpr std::u16string_view kErrorPrompt = u"لم تدخل أي معطيات أو أنها خاطئة";
inline constexpr std::u16string_view kErrorTitle = u"خطأ";
// The prompt ends in 28 blanks, as the message box has always shown it.
inline constexpr std::u16string_view kNoRootsPrompt =
    u"في هذه الحالة يكون دلتا سالبًا مما يعني عدم وجود أي حل حقيقي لهذه المعادلة فهي مستحيلة الحل في مجموعة الأعداد الحقيقية"
    u"                            ";
inline constexpr std::u16string_view kNoRootsTitle = u"...";
}  // namespace quadratic

void cmdResult_Click(Form& form);
void cmdCls_Click(Form& form);

// Empties sqrD, s1 and s2. Runs, as no handler, when a coefficient's text
// changes, and before a message that gives no result.
void clearSolverResults(Form& form);

}  // namespace tavrimo
