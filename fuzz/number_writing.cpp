// SPDX-License-Identifier: GPL-3.0-or-later
// Number writing of any finite double, in any of the three digit systems:
// at most 15 significant digits, the correctly rounded 15-digit value of its
// exact amount (a tie away from zero), positional exactly for exponents -4 to
// 14, only the digits of its system (with the Arabic separator in the Arabic
// ones), and a text that reading takes back to the same value.

#include "numbers/failure.h"
#include "fuzz/check.h"
#include "numbers/numbers.h"

#include <cstdio>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The 15-digit rounding of x, a tie away from zero, from the C library's
// exact decimal expansion of the double; where rounding up would leave the
// double range, the 15 digits are cut instead.
std::string roundedTo15(double x)
{
    if (std::fabs(x) >= 1.797693134862315e308)
        return x < 0 ? "-1.79769313486231e308" : "1.79769313486231e308";
    std::string text(1200, '\0');
    text.resize(static_cast<size_t>(std::snprintf(text.data(), text.size(), "%.1100e", std::fabs(x))));
    const size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::stoi(text.substr(e + 1));
    const bool up = digits[15] >= '5';
    digits.resize(15);
    if (up) {
        size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(0, "1");
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    return (x < 0 ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
}

int significantDigits(const QString& text)
{
    QString mantissa = text.section(u'E', 0, 0);
    QString digits;
    for (QChar ch : mantissa)
        if (ch.isDigit())
            digits += ch;
    while (!digits.isEmpty() && digits[0].digitValue() == 0)
        digits.remove(0, 1);
    return static_cast<int>(digits.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double))
        return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    const uint8_t options = size > sizeof(double) ? data[sizeof(double)] : 0;
    const auto system = static_cast<tavrimo::DigitSystem>((options >> 1) % 3);
    const tavrimo::NumberFormat format = tavrimo::NumberFormat{options & 1 ? u',' : u'.'}.writingIn(system);

    if (!std::isfinite(x)) {
        try {
            tavrimo::writeNumber(x, format);
            FUZZ_CHECK(false, "wrote a non-finite value");
        } catch (const tavrimo::Failure& failure) {
            FUZZ_CHECK(failure.reason == tavrimo::FailureReason::Overflow, "reason %d", static_cast<int>(failure.reason));
        }
        return 0;
    }

    const QString written = tavrimo::writeNumber(x, format);
    FUZZ_CHECK(!written.contains(u"inf", Qt::CaseInsensitive) && !written.contains(u"nan", Qt::CaseInsensitive),
               "%s", qPrintable(written));
    FUZZ_CHECK(significantDigits(written) <= 15, "%s has more than 15 digits", qPrintable(written));
    FUZZ_CHECK(tavrimo::digitSystemOf(written) == system
                   && (system == tavrimo::DigitSystem::Western || !written.contains(format.decimalSeparator)),
               "%s is not in its digit system", qPrintable(written));
    const tavrimo::Exact back = tavrimo::readExact(written, format);
    const std::string expected = roundedTo15(x);
    FUZZ_CHECK(x == 0 || back == tavrimo::readExact(QString::fromStdString(expected), {u'.'}), "%s, not %s",
               qPrintable(written), expected.c_str());
    FUZZ_CHECK(tavrimo::writeNumber(back, format) == written, "%s is not stable", qPrintable(written));
    const int exponent = x == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(back.get_d()))));
    const bool positional = !written.contains(u'E');
    // log10 can be off by one right at a power of ten; allow the boundary both ways.
    if (exponent > -4 && exponent < 14)
        FUZZ_CHECK(positional, "%s should be positional", qPrintable(written));
    if (exponent < -5 || exponent > 15)
        FUZZ_CHECK(!positional, "%s should be in exponent form", qPrintable(written));
    return 0;
}
