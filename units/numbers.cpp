// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/numbers.h"

#include "form/failure.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <string>

namespace tavrimo {

namespace {

// The value of a digit: the ASCII digits, the Arabic-Indic digits and the
// extended Arabic-Indic digits (Persian and Urdu keyboards) all count; -1
// for anything else.
int digitValue(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0x0660 && u <= 0x0669)
        return u - 0x0660;
    if (u >= 0x06F0 && u <= 0x06F9)
        return u - 0x06F0;
    return -1;
}

bool isDigit(QChar ch) { return digitValue(ch) >= 0; }

char asciiDigit(QChar ch) { return static_cast<char>('0' + digitValue(ch)); }

// The Arabic decimal separator, which an Arabic keyboard types for the point.
constexpr char16_t kArabicDecimalSeparator = 0x066B;

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

// Converts the parts to a double, correctly rounded whatever the length of
// the text. Beyond the double range a value fails with an overflow; below
// it, it becomes zero.
double toDouble(const DecimalParts& parts)
{
    const double zero = parts.negative ? -0.0 : 0.0;
    const std::string digits = parts.integerDigits + parts.fractionDigits;
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return zero;
    const size_t last = digits.find_last_not_of('0');

    // The decimal exponent of the first significant digit.
    const long long magnitude = static_cast<long long>(parts.integerDigits.size())
                                - static_cast<long long>(first) - 1 + exponentValue(parts);
    if (magnitude > 308)
        throw Failure{FailureReason::Overflow};
    if (magnitude < -325)
        return zero;

    // Doubles and the midpoints between them have at most 767 significant
    // digits, so 800 digits and a last 1 standing for any further non-zero
    // digits round exactly as the whole text does.
    constexpr size_t kKeptDigits = 800;
    std::string ascii;
    ascii.reserve(kKeptDigits + 16);
    if (parts.negative)
        ascii += '-';
    const size_t count = last - first + 1;
    ascii += digits[first];
    ascii += '.';
    ascii.append(digits, first + 1, std::min(count, kKeptDigits) - 1);
    if (count > kKeptDigits)
        ascii += '1';
    ascii += 'e';
    ascii += std::to_string(magnitude);

    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc())
        return value;
    if (magnitude > 0)
        throw Failure{FailureReason::Overflow};
    return zero;
}

double readRadixInteger(QStringView digits, int radix)
{
    double value = 0;
    for (QChar ch : digits) {
        int d = digitValue(ch);
        if (d < 0 && radix == 16 && ch.toLower() >= u'a' && ch.toLower() <= u'f')
            d = ch.toLower().unicode() - u'a' + 10;
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
    }
    return checked(value);
}

}  // namespace

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

double readLenient(QStringView text, const NumberFormat& format)
{
    QString s;
    s.reserve(text.size());
    for (QChar ch : text)
        if (ch != u' ' && ch != u'\t' && ch != u'\n')
            s += ch;

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar radix = s[1].toUpper();
        if (radix == u'H')
            return readRadixInteger(QStringView(s).mid(2), 16);
        if (radix == u'O')
            return readRadixInteger(QStringView(s).mid(2), 8);
    }

    DecimalParts parts;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        parts.negative = s[i++] == u'-';
    bool point = false;
    for (; i < s.size(); ++i) {
        const QChar ch = s[i];
        if (isDigit(ch))
            (point ? parts.fractionDigits : parts.integerDigits) += asciiDigit(ch);
        else if (!point && (ch == u'.' || ch == format.decimalSeparator || ch == kArabicDecimalSeparator))
            point = true;
        else
            break;
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
        qsizetype j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            negative = s[j++] == u'-';
        std::string digits;
        for (; j < s.size() && isDigit(s[j]); ++j)
            digits += asciiDigit(s[j]);
        if (!digits.empty()) {
            parts.hasExponent = true;
            parts.exponentNegative = negative;
            parts.exponentDigits = std::move(digits);
        }
    }
    return toDouble(parts);
}

double readStrict(QStringView text, const NumberFormat& format)
{
    const QStringView s = trimSpaces(text);

    DecimalParts parts;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        parts.negative = s[i++] == u'-';
    for (; i < s.size() && isDigit(s[i]); ++i)
        parts.integerDigits += asciiDigit(s[i]);
    if (i < s.size() && (s[i] == format.decimalSeparator || s[i] == kArabicDecimalSeparator))
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
    return toDouble(parts);
}

QString writeNumber(double x, const NumberFormat& format)
{
    if (!std::isfinite(x))
        throw Failure{FailureReason::Overflow};
    if (x == 0)
        return QStringLiteral("0");

    // The correctly rounded 15-digit form, d.dddddddddddddde±x.
    char buffer[40];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    double back = 0;
    if (std::from_chars(buffer, result.ptr, back).ec == std::errc::result_out_of_range) {
        // Next to the largest doubles, rounding up would leave the double
        // range and the text would not read back: cut the digits instead.
        result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 16);
        const char* e = std::find(buffer, result.ptr, 'e');
        char* cut = buffer + (x < 0 ? 17 : 16);  // sign, first digit, point, 14 digits
        std::memmove(cut, e, static_cast<size_t>(result.ptr - e));
        result.ptr = cut + (result.ptr - e);
    }
    const std::string_view sci(buffer, static_cast<size_t>(result.ptr - buffer));
    const bool negative = sci.front() == '-';
    const size_t mantissaStart = negative ? 1 : 0;
    const size_t e = sci.find('e');
    std::string digits;
    for (size_t i = mantissaStart; i < e; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString out;
    if (negative)
        out += u'-';
    if (exponent >= -4 && exponent <= 14) {
        if (exponent >= 0) {
            const size_t integerCount = static_cast<size_t>(exponent) + 1;
            std::string integer = digits.substr(0, std::min(integerCount, digits.size()));
            integer.append(integerCount - integer.size(), '0');
            out += QString::fromLatin1(integer);
            if (digits.size() > integerCount) {
                out += format.decimalSeparator;
                out += QString::fromLatin1(digits.substr(integerCount));
            }
        } else {
            out += u'0';
            out += format.decimalSeparator;
            out += QString(-exponent - 1, u'0');
            out += QString::fromLatin1(digits);
        }
    } else {
        out += QChar(digits[0]);
        if (digits.size() > 1) {
            out += format.decimalSeparator;
            out += QString::fromLatin1(digits.substr(1));
        }
        out += u'E';
        out += exponent < 0 ? u'-' : u'+';
        out += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QChar(u'0'));
    }
    return out;
}

double checked(double result)
{
    if (std::isnan(result))
        throw Failure{FailureReason::InvalidOperation};
    if (!std::isfinite(result))
        throw Failure{FailureReason::Overflow};
    return result;
}

double checkedDivide(double numerator, double denominator)
{
    if (denominator == 0)
        throw Failure{numerator == 0 ? FailureReason::InvalidOperation : FailureReason::DivisionByZero};
    return checked(numerator / denominator);
}

}  // namespace tavrimo
