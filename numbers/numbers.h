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
// Reading takes the Arabic-Indic digits (U+0660..U+0669, and U+06F0..U+06F9
// of Persian and Urdu keyboards) as the digits 0 to 9, and "." and the Arabic
// decimal separator U+066B as the decimal point besides the user's own.
// Writing uses the digits of a digit system, each with its separator: ASCII
// digits with the user's separator, or either Arabic set with U+066B; the
// exponent keeps its letter and sign, and the minus sign is always "-".
// Every text writing produces reads back to the same amount.

#include "numbers/exact.h"

#include <QString>
#include <QStringView>

#include <initializer_list>

namespace tavrimo {

// The digits a number is written in.
enum class DigitSystem {
    Western,      // 0123456789
    ArabicIndic,  // ٠١٢٣٤٥٦٧٨٩ (U+0660..U+0669)
    Extended      // ۰۱۲۳۴۵۶۷۸۹ (U+06F0..U+06F9), Persian and Urdu keyboards
};

// The system every digit of the texts belongs to: ArabicIndic or Extended
// when all their digits are of that set, Western otherwise (Western digits,
// digits of two sets, no digit at all).
DigitSystem digitSystemOf(std::initializer_list<QStringView> texts);
inline DigitSystem digitSystemOf(QStringView text) { return digitSystemOf({text}); }

struct NumberFormat {
    // The user's decimal separator: reading takes it beside "." and U+066B,
    // and the Western digits are written with it.
    QChar decimalSeparator = u'.';
    // The digits numbers are written in; an Arabic set is written with the
    // Arabic decimal separator U+066B.
    DigitSystem digits = DigitSystem::Western;

    // The separator of the C library's numeric locale, "." when none is set.
    static NumberFormat fromCLocale();

    NumberFormat writingIn(DigitSystem system) const
    {
        NumberFormat format = *this;
        format.digits = system;
        return format;
    }
};

// An example of a number for each decimal separator reading takes in this
// format, Western digits first: "3.5 أو ٣٫٥", or "3,5 أو 3.5 أو ٣٫٥" where
// the user's separator is a comma.
QString separatorExamples(const NumberFormat& format);

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
