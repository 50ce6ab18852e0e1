// SPDX-License-Identifier: GPL-3.0-or-later
// Strict reading of any bytes: a finite value, a type mismatch or an
// overflow, the same as the C library's reading of the same text (digits and
// separator put into ASCII), at any length. What it accepts, number writing
// writes back in a form that reads back to the same text.

#include "numbers/failure.h"
#include "fuzz/check.h"
#include "fuzz/reference_reading.h"
#include "numbers/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace tavrimo;
using tavrimo::fuzzing::Reference;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzing::inputText(data, size);
    for (const NumberFormat format : {NumberFormat{u'.'}, NumberFormat{u','}}) {
        const Reference reference = fuzzing::strictReference(text, format);
        double value = 0;
        try {
            value = readStrict(text, format);
        } catch (const Failure& failure) {
            if (failure.reason == FailureReason::TypeMismatch)
                FUZZ_CHECK(reference.kind == Reference::Kind::Mismatch, "rejected a number: %s",
                           qPrintable(text.left(200)));
            else
                FUZZ_CHECK(failure.reason == FailureReason::Overflow && reference.kind == Reference::Kind::Overflow,
                           "reason %d for %s", static_cast<int>(failure.reason), qPrintable(text.left(200)));
            continue;
        }
        FUZZ_CHECK(reference.kind == Reference::Kind::Value && reference.value == value,
                   "read %.17g, the C library %.17g (kind %d): %s", value, reference.value,
                   static_cast<int>(reference.kind), qPrintable(text.left(200)));
        FUZZ_CHECK(std::isfinite(value), "strict reading gave %g", value);
        const QString written = writeNumber(value, format);
        FUZZ_CHECK(writeNumber(readStrict(written, format), format) == written, "%s does not read back",
                   qPrintable(written));
    }
    return 0;
}
