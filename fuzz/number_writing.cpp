// SPDX-License-Identifier: GPL-3.0-or-later
// Number writing of any finite double: at most 15 significant digits, the
// correctly rounded 15-digit value, positional exactly for exponents -4 to
// 14, and a text that strict reading takes back to the same value.

#include "numbers/failure.h"
#include "fuzz/check.h"
#include "numbers/numbers.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The 15-digit rounding of x, as a double; where rounding up would leave the
// double range, the 15 digits are cut instead.
double roundedTo15(double x)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    if (std::from_chars(buffer, end, rounded).ec == std::errc())
        return rounded;
    return x < 0 ? -1.79769313486231e308 : 1.79769313486231e308;
}

int significantDigits(const QString& text)
{
    QString mantissa = text.section(u'E', 0, 0);
    QString digits;
    for (QChar ch : mantissa)
        if (ch.isDigit())
            digits += ch;
    while (digits.startsWith(u'0'))
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
    const bool comma = size > sizeof(double) && (data[sizeof(double)] & 1);
    const tavrimo::NumberFormat format{comma ? u',' : u'.'};

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
    const double back = tavrimo::readStrict(written, format);
    FUZZ_CHECK(back == roundedTo15(x) || (back == 0 && x == 0), "%s reads back as %.17g, not %.17g", qPrintable(written),
               back, roundedTo15(x));
    FUZZ_CHECK(tavrimo::writeNumber(back, format) == written, "%s is not stable", qPrintable(written));
    const int exponent = back == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(back))));
    const bool positional = !written.contains(u'E');
    // log10 can be off by one right at a power of ten; allow the boundary both ways.
    if (exponent > -4 && exponent < 14)
        FUZZ_CHECK(positional, "%s should be positional", qPrintable(written));
    if (exponent < -5 || exponent > 15)
        FUZZ_CHECK(!positional, "%s should be in exponent form", qPrintable(written));
    return 0;
}
