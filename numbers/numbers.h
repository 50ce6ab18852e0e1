// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number rules shared by the unit converter, the temperature converter
// and the solver. Every entry field is read by one rule and every result is
// written by one rule:
//
//  - Reading needs the whole text, blanks at the ends aside, to be one
//    number: an optional sign, digits with at most one decimal separator, an
//    optional exponent. Anything else fails with a type mismatch. The amount
//    read is the exact value of the text; beyond the largest double it fails
//    with an overflow, and an amount a double would hold as zero is zero.
//  - Writing gives the exact amount correctly rounded to 15 significant
//    digits (a tie rounds away from zero), positional for decimal exponents
//    -4 to 14, otherwise like 1E-05.
//
// Both take the Arabic-Indic digits (U+0660..U+0669, and U+06F0..U+06F9 of
// Persian and Urdu keyboards) as the digits 0 to 9 and the Arabic decimal
// separator U+066B as the decimal point. Writing uses ASCII digits, and every
// text it produces reads back.

#include "numbers/exact.h"

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

// The exact amount of a number text. Fails with a type mismatch on anything
// that is not a number, and with an overflow beyond the double range.
Exact readExact(QStringView text, const NumberFormat& format);

// How far a text a person is typing is from a number.
enum class EntryState {
    Number,     // reads as a number
    OnItsWay,   // not yet, but typing more can make it one ("", "-", "1e", "٣٫")
    NotANumber  // nothing typed after it can make it a number
};
EntryState entryState(QStringView text, const NumberFormat& format);

// Fails with an overflow when x lies beyond the double range, so that no
// "inf" or "nan" ever reaches a field.
QString writeNumber(const Exact& x, const NumberFormat& format);
QString writeNumber(double x, const NumberFormat& format);

// (p + sign * sqrt(d)) / q for d >= 0 and q != 0, written as writeNumber
// writes the exact value. Fails with an overflow beyond the double range.
QString writeSurd(const Exact& p, int sign, const Exact& d, const Exact& q, const NumberFormat& format);

}  // namespace tavrimo
