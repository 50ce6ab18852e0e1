// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number rules shared by the unit converter, the temperature converter
// and the solver.
//
//  - Lenient reading takes the longest leading part of a text that forms a
//    number and never fails on a stray character ("12abc" is 12, "abc" is 0).
//  - Strict reading needs the whole text, blanks at the ends aside, to be one
//    number in the user's format; otherwise it fails with a type mismatch.
//  - Number writing gives the shortest text of at most 15 significant digits,
//    positional for decimal exponents -4 to 14, otherwise like 1E-05.
//
// Both readings take the Arabic-Indic digits (U+0660..U+0669, and
// U+06F0..U+06F9 of Persian and Urdu keyboards) as the digits 0 to 9 and the
// Arabic decimal separator U+066B as the decimal point, and read a text of any
// length to the correctly rounded double. Number writing uses ASCII digits.
// Every text that number writing produces reads back with strict reading.

#include <QString>
#include <QStringView>

namespace tavrimo {

struct NumberFormat {
    QChar decimalSeparator = u'.';

    // The separator of the C library's numeric locale, "." when none is set.
    static NumberFormat fromCLocale();
};

// The text without the space characters (U+0020) at its start and end; tabs
// and other blanks stay.
QStringView trimSpaces(QStringView text);

// Fails with an overflow when the number read lies beyond the double range.
double readLenient(QStringView text, const NumberFormat& format);

// Fails with a type mismatch on anything that is not a number, and with an
// overflow when the number lies beyond the double range.
double readStrict(QStringView text, const NumberFormat& format);

// Fails with an overflow when x is not finite, so that no "inf" or "nan"
// ever reaches a field.
QString writeNumber(double x, const NumberFormat& format);

// Arithmetic whose non-finite results are failures of the step.
double checked(double result);
double checkedDivide(double numerator, double denominator);

}  // namespace tavrimo
