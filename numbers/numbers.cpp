// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/numbers.h"

#include "numbers/failure.h"

#include <mpfr.h>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <optional>
#include <string>

using namespace Qt::StringLiterals;

namespace tavrimo {

namespace {

// The first digit of each system, in the order of DigitSystem: the ASCII
// digits, the Arabic-Indic digits and the extended Arabic-Indic digits
// (Persian and Urdu keyboards).
constexpr char16_t kZero[] = {u'0', 0x0660, 0x06F0};

// The system of a digit, or -1 for any other character.
int systemOfDigit(QChar ch)
{
    for (int system = 0; system < 3; ++system)
        if (ch.unicode() >= kZero[system] && ch.unicode() <= kZero[system] + 9)
            return system;
    return -1;
}

bool isDigit(QChar ch) { return systemOfDigit(ch) >= 0; }

// The ASCII digit of a digit of any system.
char asciiDigit(QChar ch) { return static_cast<char>('0' + (ch.unicode() - kZero[systemOfDigit(ch)])); }

// The Arabic decimal separator, which an Arabic keyboard types for the point.
constexpr char16_t kArabicDecimalSeparator = 0x066B;

// Whether reading takes the character as the decimal point: ".", the Arabic
// separator and the user's own all do. Only one of them stands in a number,
// so a text holding both "," and "." is refused where the user's is ",".
bool isSeparator(QChar ch, const NumberFormat& format)
{
    return ch == u'.' || ch == kArabicDecimalSeparator || ch == format.decimalSeparator;
}

// A decimal number broken into its parts, as found in a text.
struct DecimalParts {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    bool hasExponent = false;
    bool exponentNegative = false;
    std::string exponentDigits;
};

// The exponent's value, held at +-kExponentLimit when it is larger: far
// beyond any digit count a text can have, so that the sum with the position
// of the first digit still tells overflow from underflow.
constexpr long long kExponentLimit = 1'000'000'000'000'000LL;

long long exponentValue(const DecimalParts& parts)
{
    long long exponent = 0;
    for (char d : parts.exponentDigits) {
        exponent = exponent * 10 + (d - '0');
        if (exponent > kExponentLimit) {
            exponent = kExponentLimit;
            break;
        }
    }
    return parts.exponentNegative ? -exponent : exponent;
}

// The largest double, and half the smallest positive one: amounts beyond
// the first overflow, amounts up to the second are zero as a double holds
// them.
const Exact& largestDouble()
{
    static const Exact largest(DBL_MAX);
    return largest;
}

const Exact& halfSmallestDouble()
{
    static const Exact half(mpz_class(1), mpz_class(1) << 1075);
    return half;
}

// The parts of a text that is one number as a whole, blanks at its ends
// aside; a type mismatch otherwise.
DecimalParts parseNumber(QStringView text, const NumberFormat& format)
{
    const QStringView s = trimSpaces(text);

    DecimalParts parts;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        parts.negative = s[i++] == u'-';
    for (; i < s.size() && isDigit(s[i]); ++i)
        parts.integerDigits += asciiDigit(s[i]);
    if (i < s.size() && isSeparator(s[i], format))
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            parts.fractionDigits += asciiDigit(s[i]);
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        throw Failure{FailureReason::TypeMismatch};
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
        ++i;
        parts.hasExponent = true;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            parts.exponentNegative = s[i++] == u'-';
        for (; i < s.size() && isDigit(s[i]); ++i)
            parts.exponentDigits += asciiDigit(s[i]);
        if (parts.exponentDigits.empty())
            throw Failure{FailureReason::TypeMismatch};
    }
    if (i != s.size())
        throw Failure{FailureReason::TypeMismatch};
    return parts;
}

Exact toExact(const DecimalParts& parts)
{
    const std::string digits = parts.integerDigits + parts.fractionDigits;
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Exact(0);
    const size_t last = digits.find_last_not_of('0');
    const long long magnitude = static_cast<long long>(parts.integerDigits.size())
                                - static_cast<long long>(first) - 1 + exponentValue(parts);
    if (magnitude > 308)
        throw Failure{FailureReason::Overflow};
    if (magnitude < -325)
        return Exact(0);

    Exact value(mpz_class(digits.substr(first, last - first + 1)));
    value *= powerOfTen(static_cast<long>(magnitude) - static_cast<long>(last - first));
    if (parts.negative)
        value = -value;
    const Exact size = abs(value);
    if (size > largestDouble())
        throw Failure{FailureReason::Overflow};
    if (size <= halfSmallestDouble())
        return Exact(0);
    return value;
}

// Whether typing more after the text can make it a number: it is the start
// of one, a digit before any exponent sign.
bool startsANumber(QStringView text, const NumberFormat& format)
{
    const QStringView s = trimSpaces(text);
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool digits = false;
    for (; i < s.size() && isDigit(s[i]); ++i)
        digits = true;
    if (i < s.size() && isSeparator(s[i], format))
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            digits = true;
    if (i < s.size() && digits && (s[i] == u'E' || s[i] == u'e')) {
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
    }
    return i == s.size();
}

// The text of a rounded number in ASCII digits, with the separator given.
QString format(const RoundedDecimal& r, QChar separator)
{
    if (r.digits.empty())
        return QStringLiteral("0");
    const std::string& digits = r.digits;
    const long exponent = r.exponent;
    QString out;
    if (r.negative)
        out += u'-';
    if (exponent >= -4 && exponent <= 14) {
        if (exponent >= 0) {
            const size_t integerCount = static_cast<size_t>(exponent) + 1;
            std::string integer = digits.substr(0, std::min(integerCount, digits.size()));
            integer.append(integerCount - integer.size(), '0');
            out += QString::fromLatin1(integer);
            if (digits.size() > integerCount) {
                out += separator;
                out += QString::fromLatin1(digits.substr(integerCount));
            }
        } else {
            out += u'0';
            out += separator;
            out += QString(-exponent - 1, u'0');
            out += QString::fromLatin1(digits);
        }
    } else {
        out += QChar(digits[0]);
        if (digits.size() > 1) {
            out += separator;
            out += QString::fromLatin1(digits.substr(1));
        }
        out += u'E';
        out += exponent < 0 ? u'-' : u'+';
        out += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QChar(u'0'));
    }
    return out;
}

// The text of a rounded number in the digits and separator of the format.
QString format(const RoundedDecimal& r, const NumberFormat& numberFormat)
{
    if (numberFormat.digits == DigitSystem::Western)
        return format(r, numberFormat.decimalSeparator);
    QString out = format(r, QChar(kArabicDecimalSeparator));
    const char16_t zero = kZero[static_cast<int>(numberFormat.digits)];
    for (QChar& ch : out)
        if (ch >= u'0' && ch <= u'9')
            ch = QChar(static_cast<char16_t>(zero + (ch.unicode() - u'0')));
    return out;
}

constexpr int kShownDigits = 15;

Exact valueOf(const RoundedDecimal& r)
{
    Exact value(mpz_class(r.digits));
    value *= powerOfTen(r.exponent - static_cast<long>(r.digits.size()) + 1);
    return r.negative ? Exact(-value) : value;
}

// The text of x, or nothing when x lies beyond the double range.
std::optional<QString> written(const Exact& x, const NumberFormat& numberFormat)
{
    const Exact size = abs(x);
    if (size > largestDouble())
        return std::nullopt;
    if (size <= halfSmallestDouble())
        return format(RoundedDecimal{}, numberFormat);
    RoundedDecimal rounded = roundSignificant(x, kShownDigits);
    // Next to the largest double, rounding up would leave the double range
    // and the text would not read back: cut the digits instead.
    if (rounded.exponent == 308 && abs(valueOf(rounded)) > largestDouble())
        rounded = roundSignificant(x, kShownDigits, Rounding::TowardZero);
    return format(rounded, numberFormat);
}

// sqrt(d) between two bounds, each an exact rational, at a precision in bits.
struct Bounds {
    Exact low, high;
};

Bounds squareRootBounds(const Exact& d, mpfr_prec_t precision)
{
    mpfr_t low, high;
    mpfr_inits2(precision, low, high, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_q(low, d.get_mpq_t(), MPFR_RNDD);
    mpfr_sqrt(low, low, MPFR_RNDD);
    mpfr_set_q(high, d.get_mpq_t(), MPFR_RNDU);
    mpfr_sqrt(high, high, MPFR_RNDU);
    Bounds bounds;
    mpfr_get_q(bounds.low.get_mpq_t(), low);
    mpfr_get_q(bounds.high.get_mpq_t(), high);
    mpfr_clears(low, high, static_cast<mpfr_ptr>(nullptr));
    return bounds;
}

}  // namespace

DigitSystem digitSystemOf(std::initializer_list<QStringView> texts)
{
    bool found[3] = {false, false, false};
    for (QStringView text : texts)
        for (QChar ch : text)
            if (const int system = systemOfDigit(ch); system >= 0)
                found[system] = true;
    if (found[1] != found[2] && !found[0])
        return found[1] ? DigitSystem::ArabicIndic : DigitSystem::Extended;
    return DigitSystem::Western;
}

QString separatorExamples(const NumberFormat& format)
{
    QString examples;
    if (format.decimalSeparator != u'.' && format.decimalSeparator != kArabicDecimalSeparator)
        examples += u"3"_s + format.decimalSeparator + u"5 أو "_s;
    return examples + u"3.5 أو ٣٫٥"_s;
}

NumberFormat NumberFormat::fromCLocale()
{
    NumberFormat format;
    if (const std::lconv* conventions = std::localeconv();
        conventions && conventions->decimal_point && conventions->decimal_point[0] != '\0')
        format.decimalSeparator = QString::fromLocal8Bit(conventions->decimal_point).at(0);
    return format;
}

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

Exact readExact(QStringView text, const NumberFormat& format)
{
    return toExact(parseNumber(text, format));
}

EntryState entryState(QStringView text, const NumberFormat& format)
{
    try {
        readExact(text, format);
        return EntryState::Number;
    } catch (const Failure& failure) {
        if (failure.reason != FailureReason::TypeMismatch)
            return EntryState::Number;  // a number, only too large to hold
    }
    return startsANumber(text, format) ? EntryState::OnItsWay : EntryState::NotANumber;
}

QString writeNumber(const Exact& x, const NumberFormat& format)
{
    std::optional<QString> text = written(x, format);
    if (!text)
        throw Failure{FailureReason::Overflow};
    return *std::move(text);
}

QString writeNumber(double x, const NumberFormat& format)
{
    if (!std::isfinite(x))
        throw Failure{FailureReason::Overflow};
    return writeNumber(Exact(x), format);
}

QString writeSurd(const Exact& p, int sign, const Exact& d, const Exact& q, const NumberFormat& format)
{
    Exact root;
    if (exactSquareRoot(d, root))
        return writeNumber((p + sign * root) / q, format);

    // sqrt(d) is irrational, and so is the value: never zero, never halfway
    // between two 15-digit numbers. Narrow its bounds until both write the
    // same text; writing is monotonic, so the value writes it too.
    std::optional<QString> low, high;
    for (mpfr_prec_t precision = 128; precision <= (mpfr_prec_t{1} << 24); precision *= 2) {
        const Bounds root = squareRootBounds(d, precision);
        const Exact a = (p + sign * root.low) / q;
        const Exact b = (p + sign * root.high) / q;
        low = written(a, format);
        high = written(b, format);
        if (low == high)
            break;
    }
    if (!low || !high)
        throw Failure{FailureReason::Overflow};
    return *std::move(low);
}

}  // namespace tavrimo
