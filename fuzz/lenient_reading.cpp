// Lenient reading of any bytes: no crash, no hang, a finite value or an
// overflow, never any other failure.

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
        try {
            const double value = tavrimo::readLenient(text, format);
            FUZZ_CHECK(std::isfinite(value), "lenient reading gave %g", value);
        } catch (const tavrimo::Failure& failure) {
            FUZZ_CHECK(failure.reason == tavrimo::FailureReason::Overflow, "reason %d", static_cast<int>(failure.reason));
        }
    }
    return 0;
}
