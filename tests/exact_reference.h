// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reference for what a number field must show, sharing no code with the
// program: MPFR reads the texts, computes at 4000 bits and rounds to 15
// significant digits itself. Two amounts show the same when their 15-digit
// roundings agree.

#include <QString>

#include <mpfr.h>

#include <string>

namespace tavrimo::reference {

class Amount {
public:
    Amount() { mpfr_init2(v_, kBits); }
    explicit Amount(const QString& text) : Amount()
    {
        std::string ascii;
        for (QChar ch : text.trimmed()) {
            const char16_t u = ch.unicode();
            if (u >= 0x0660 && u <= 0x0669)
                ascii += static_cast<char>('0' + (u - 0x0660));
            else if (u >= 0x06F0 && u <= 0x06F9)
                ascii += static_cast<char>('0' + (u - 0x06F0));
            else if (u == 0x066B)
                ascii += '.';
            else
                ascii += static_cast<char>(u < 0x80 ? u : '#');
        }
        mpfr_strtofr(v_, ascii.c_str(), nullptr, 10, MPFR_RNDN);
    }
    explicit Amount(long n) : Amount() { mpfr_set_si(v_, n, MPFR_RNDN); }
    Amount(const Amount& other) : Amount() { mpfr_set(v_, other.v_, MPFR_RNDN); }
    Amount& operator=(const Amount& other)
    {
        mpfr_set(v_, other.v_, MPFR_RNDN);
        return *this;
    }
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
    std::string shown() const
    {
        if (mpfr_zero_p(v_))
            return "0";
        mpfr_exp_t exponent = 0;
        char* raw = mpfr_get_str(nullptr, &exponent, 10, 15, v_, MPFR_RNDN);
        std::string digits(raw);
        mpfr_free_str(raw);
        std::string sign;
        if (digits[0] == '-') {
            sign = "-";
            digits.erase(0, 1);
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
