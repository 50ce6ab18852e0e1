// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a number field must show, computed apart from the program: MPFR at 4000
// bits, rounded to 15 digits here; and the digit systems a person types in.

#include <QString>

#include <mpfr.h>

#include <string>

namespace tavrimo::reference {

enum class Digits { Western, ArabicIndic, Extended };

inline char16_t zeroOf(Digits system)
{
    return system == Digits::ArabicIndic ? 0x0660 : system == Digits::Extended ? 0x06F0 : u'0';
}

// ASCII digits in a system's digits, the point Arabic when `arabicPoint`.
inline QString inDigits(const std::string& ascii, Digits system, bool arabicPoint)
{
    QString text;
    for (char ch : ascii)
        text += ch >= '0' && ch <= '9' ? QChar(static_cast<char16_t>(zeroOf(system) + (ch - '0')))
                : ch == '.' && arabicPoint ? QChar(0x066B)
                                           : QChar(ch);
    return text;
}

// Whether a number is wholly in a system's digits and separator.
inline bool writtenIn(const QString& text, Digits system)
{
    const QChar point = system == Digits::Western ? QChar(u'.') : QChar(0x066B);
    for (QChar ch : text)
        if ((ch.unicode() < zeroOf(system) || ch.unicode() > zeroOf(system) + 9) && ch != point && ch != u'E'
            && ch != u'-' && ch != u'+')
            return false;
    return !text.isEmpty();
}

class Amount {
public:
    Amount() { mpfr_init2(v_, kBits); }
    explicit Amount(const QString& text) : Amount()
    {
        std::string ascii;
        for (QChar ch : text.trimmed()) {
            const char16_t u = ch.unicode();
            ascii += u >= 0x0660 && u <= 0x0669 ? char('0' + (u - 0x0660))
                     : u >= 0x06F0 && u <= 0x06F9 ? char('0' + (u - 0x06F0))
                     : u == 0x066B ? '.'
                                   : ch.toLatin1();
        }
        mpfr_strtofr(v_, ascii.c_str(), nullptr, 10, MPFR_RNDN);
    }
    explicit Amount(long n) : Amount() { mpfr_set_si(v_, n, MPFR_RNDN); }
    Amount(const Amount& other) : Amount() { mpfr_set(v_, other.v_, MPFR_RNDN); }
    Amount& operator=(const Amount& other) { return mpfr_set(v_, other.v_, MPFR_RNDN), *this; }
    ~Amount() { mpfr_clear(v_); }

    friend Amount operator+(const Amount& a, const Amount& b) { return apply(mpfr_add, a, b); }
    friend Amount operator-(const Amount& a, const Amount& b) { return apply(mpfr_sub, a, b); }
    friend Amount operator*(const Amount& a, const Amount& b) { return apply(mpfr_mul, a, b); }
    friend Amount operator/(const Amount& a, const Amount& b) { return apply(mpfr_div, a, b); }
    friend Amount sqrt(const Amount& a)
    {
        Amount r;
        mpfr_sqrt(r.v_, a.v_, MPFR_RNDN);
        return r;
    }
    static Amount tenTo(long n)
    {
        Amount r;
        mpfr_ui_pow_ui(r.v_, 10, static_cast<unsigned long>(n < 0 ? -n : n), MPFR_RNDN);
        return n < 0 ? Amount(1) / r : r;
    }

    // "d.ddd...E[-]x" with at most 15 digits and no trailing zeros, or "0".
    // The digits are read to 40 places first and then rounded by hand, a
    // tie away from zero: at 4000 bits an exact tie such as 1.0000000000000005
    // still shows as one at 40 places.
    std::string shown() const
    {
        if (mpfr_zero_p(v_))
            return "0";
        mpfr_exp_t exponent = 0;
        char* raw = mpfr_get_str(nullptr, &exponent, 10, 40, v_, MPFR_RNDN);
        std::string digits(raw);
        mpfr_free_str(raw);
        const std::string sign = digits[0] == '-' ? (digits.erase(0, 1), "-") : "";
        const bool up = digits[15] >= '5';
        digits.resize(15);
        for (size_t i = digits.size(); up && i-- > 0;) {
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) {
                digits.insert(0, "1");
                digits.pop_back();
                ++exponent;
            }
        }
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        return sign + digits.substr(0, 1) + "." + digits.substr(1) + "E" + std::to_string(exponent - 1);
    }

private:
    static constexpr mpfr_prec_t kBits = 4000;

    template <typename Op>
    static Amount apply(Op op, const Amount& a, const Amount& b)
    {
        Amount r;
        op(r.v_, a.v_, b.v_, MPFR_RNDN);
        return r;
    }

    mpfr_t v_;
};

// What a field's text shows, in the same form.
inline std::string shown(const QString& text) { return Amount(text).shown(); }

}  // namespace tavrimo::reference
