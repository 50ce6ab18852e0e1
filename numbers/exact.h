// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact amounts: rational numbers of any size (GMP), so that a conversion
// by an exact factor loses nothing before its one rounding to the digits a
// field shows.

#include <gmpxx.h>

#include <string>

namespace tavrimo {

using Exact = mpq_class;

// A decimal number rounded to a number of significant digits:
// (negative ? -1 : 1) * 0.d1d2d3... * 10^(exponent + 1), that is with the
// first digit at 10^exponent. No trailing zeros; empty digits for zero.
struct RoundedDecimal {
    bool negative = false;
    std::string digits;
    long exponent = 0;

    bool operator==(const RoundedDecimal&) const = default;
};

enum class Rounding { HalfAwayFromZero, TowardZero };

// x rounded to `digits` significant digits: correctly, a tie away from zero,
// or cut.
RoundedDecimal roundSignificant(const Exact& x, int digits, Rounding rounding = Rounding::HalfAwayFromZero);

// 10^n, exactly, for any n.
Exact powerOfTen(long n);

// The exact square root of x when x is the square of a rational; false
// otherwise (and for x < 0).
bool exactSquareRoot(const Exact& x, Exact& root);

}  // namespace tavrimo
