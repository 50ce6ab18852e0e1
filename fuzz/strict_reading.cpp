// SPDX-License-Identifier: GPL-3.0-or-later
// Reading any bytes: an exact amount, a type mismatch or an overflow, the
// same as the C library's reading of the same text (digits and separator put
// into ASCII), at any length. An amount read lies within half a unit in the
// last place of the C library's double, and what is accepted writes a text,
// in the digits of the text read, that reads back to its own 15-digit form.

#include "fuzz/check.h"
#include "fuzz/reference_reading.h"
#include "numbers/failure.h"
#include "numbers/numbers.h"

#include <cfloat>
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
        Exact value;
        try {
            value = readExact(text, format);
        } catch (const Failure& failure) {
            if (failure.reason == FailureReason::TypeMismatch)
                FUZZ_CHECK(reference.kind == Reference::Kind::Mismatch, "rejected a number: %s",
                           qPrintable(text.left(200)));
            else  // beyond the largest double: the C library overflows, or rounds down to it
                FUZZ_CHECK(failure.reason == FailureReason::Overflow
                               && (reference.kind == Reference::Kind::Overflow || std::fabs(reference.value) == DBL_MAX),
                           "reason %d for %s", static_cast<int>(failure.reason), qPrintable(text.left(200)));
            continue;
        }
        FUZZ_CHECK(reference.kind == Reference::Kind::Value, "read a text the C library refuses: %s",
                   qPrintable(text.left(200)));
        // The C library's double is the nearest to the exact amount, or zero
        // when a double holds it as zero.
        const double nearest = reference.value;
        const Exact gap = abs(Exact(std::nextafter(nearest, nearest < 0 ? -HUGE_VAL : HUGE_VAL)) - Exact(nearest));
        FUZZ_CHECK(sgn(value) == 0 ? nearest == 0 || std::fabs(nearest) == DBL_TRUE_MIN
                                   : abs(value - Exact(nearest)) * 2 <= gap,
                   "read far from %.17g: %s", nearest, qPrintable(text.left(200)));
        const DigitSystem system = digitSystemOf(text);
        const QString written = writeNumber(value, format.writingIn(system));
        FUZZ_CHECK(digitSystemOf(written) == system, "%s is not in the digits of the text", qPrintable(written));
        FUZZ_CHECK(writeNumber(readExact(written, format), format.writingIn(system)) == written,
                   "%s does not read back", qPrintable(written));
    }
    return 0;
}
