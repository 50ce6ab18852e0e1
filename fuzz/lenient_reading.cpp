// SPDX-License-Identifier: GPL-3.0-or-later
// Lenient reading of any bytes: no crash, no hang, a finite value or an
// overflow, never any other failure, and the same as the C library's reading
// of the longest leading number (digits and separators put into ASCII), at
// any length.

#include "form/failure.h"
#include "fuzz/check.h"
#include "fuzz/reference_reading.h"
#include "units/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace tavrimo;
using tavrimo::fuzzing::Reference;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzing::inputText(data, size);
    for (const NumberFormat format : {NumberFormat{u'.'}, NumberFormat{u','}}) {
        const auto reference = fuzzing::lenientReference(text, format);
        try {
            const double value = readLenient(text, format);
            FUZZ_CHECK(std::isfinite(value), "lenient reading gave %g", value);
            FUZZ_CHECK(!reference || (reference->kind == Reference::Kind::Value && reference->value == value),
                       "read %.17g, the C library %.17g: %s", value, reference->value, qPrintable(text.left(200)));
        } catch (const Failure& failure) {
            FUZZ_CHECK(failure.reason == FailureReason::Overflow, "reason %d", static_cast<int>(failure.reason));
            FUZZ_CHECK(!reference || reference->kind == Reference::Kind::Overflow, "overflow where the C library reads %.17g: %s",
                       reference->value, qPrintable(text.left(200)));
        }
    }
    return 0;
}
