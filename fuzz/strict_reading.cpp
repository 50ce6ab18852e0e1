// Strict reading of any bytes: a finite value, a type mismatch or an
// overflow. What it accepts, number writing writes back in a form that
// reads back to the same text.

#include "form/failure.h"
#include "fuzz/check.h"
#include "units/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const tavrimo::NumberFormat format : {tavrimo::NumberFormat{u'.'}, tavrimo::NumberFormat{u','}}) {
        double value = 0;
        try {
            value = tavrimo::readStrict(text, format);
        } catch (const tavrimo::Failure& failure) {
            FUZZ_CHECK(failure.reason == tavrimo::FailureReason::TypeMismatch
                           || failure.reason == tavrimo::FailureReason::Overflow,
                       "reason %d", static_cast<int>(failure.reason));
            continue;
        }
        FUZZ_CHECK(std::isfinite(value), "strict reading gave %g", value);
        // Whatever was accepted contains a digit and only number characters.
        bool digit = false;
        for (QChar ch : text)
            digit = digit || (ch >= u'0' && ch <= u'9');
        FUZZ_CHECK(digit, "accepted a text without digits: %s", qPrintable(text));
        const QString written = tavrimo::writeNumber(value, format);
        FUZZ_CHECK(tavrimo::writeNumber(tavrimo::readStrict(written, format), format) == written,
                   "%s does not read back", qPrintable(written));
    }
    return 0;
}
