// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/exact.h"

#include <array>

namespace tavrimo {

namespace {

mpz_class integerPowerOfTen(unsigned long n)
{
    // Conversions scale by small powers at every keystroke; keep those ready.
    static const std::array<mpz_class, 64> kSmall = [] {
        std::array<mpz_class, 64> powers;
        powers[0] = 1;
        for (size_t i = 1; i < powers.size(); ++i)
            powers[i] = powers[i - 1] * 10;
        return powers;
    }();
    if (n < kSmall.size())
        return kSmall[n];
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, n);
    return power;
}

}  // namespace

Exact powerOfTen(long n)
{
    if (n >= 0)
        return Exact(integerPowerOfTen(static_cast<unsigned long>(n)));
    Exact x(mpz_class(1), integerPowerOfTen(static_cast<unsigned long>(-n)));
    return x;  // already canonical: 1 / 10^n
}

RoundedDecimal roundSignificant(const Exact& x, int digits, Rounding rounding)
{
    RoundedDecimal result;
    if (sgn(x) == 0)
        return result;
    result.negative = sgn(x) < 0;
    const mpz_class numerator = abs(x.get_num());
    const mpz_class& denominator = x.get_den();
    const mpz_class lowest = integerPowerOfTen(static_cast<unsigned long>(digits - 1));
    const mpz_class highest = lowest * 10;

    // The decimal exponent of the first digit, first estimated from the
    // lengths (each may be one too large), then settled: the scaled quotient
    // must have exactly `digits` digits.
    long exponent = static_cast<long>(mpz_sizeinbase(numerator.get_mpz_t(), 10))
                    - static_cast<long>(mpz_sizeinbase(denominator.get_mpz_t(), 10));
    mpz_class quotient, remainder, divisor;
    for (;;) {
        const long shift = digits - 1 - exponent;
        mpz_class dividend = numerator;
        divisor = denominator;
        if (shift >= 0)
            dividend *= integerPowerOfTen(static_cast<unsigned long>(shift));
        else
            divisor *= integerPowerOfTen(static_cast<unsigned long>(-shift));
        mpz_fdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(), divisor.get_mpz_t());
        if (quotient < lowest)
            --exponent;
        else if (quotient >= highest)
            ++exponent;
        else
            break;
    }
    if (rounding == Rounding::HalfAwayFromZero && 2 * remainder >= divisor) {
        ++quotient;
        if (quotient == highest) {
            quotient = lowest;
            ++exponent;
        }
    }
    result.digits = quotient.get_str();
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    result.exponent = exponent;
    return result;
}

bool exactSquareRoot(const Exact& x, Exact& root)
{
    if (sgn(x) < 0 || !mpz_perfect_square_p(x.get_num_mpz_t()) || !mpz_perfect_square_p(x.get_den_mpz_t()))
        return false;
    mpz_class numerator, denominator;
    mpz_sqrt(numerator.get_mpz_t(), x.get_num_mpz_t());
    mpz_sqrt(denominator.get_mpz_t(), x.get_den_mpz_t());
    root = Exact(numerator, denominator);  // coprime, as the squares were
    return true;
}

}  // namespace tavrimo
