// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The C library's reading of a number text, after the Arabic-Indic digits
// and the decimal separators have been put into ASCII: the reference that
// reading is compared with, at any length of text.
//
// An input whose first byte is '*' stands for a long text: the character in
// the middle of the rest is repeated kStretch times in place, so that a
// short corpus file can reach texts of hundreds of thousands of digits.

#include "numbers/numbers.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace tavrimo::fuzzing {

inline constexpr int kStretch = 200000;

inline QString inputText(const uint8_t* data, size_t size)
{
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (text.isEmpty() || text[0] != u'*')
        return text;
    text.remove(0, 1);
    if (text.isEmpty())
        return text;
    const qsizetype middle = text.size() / 2;
    return text.left(middle) + QString(kStretch, text[middle]) + text.mid(middle + 1);
}

struct Reference {
    enum class Kind { Value, Overflow, Mismatch } kind;
    double value = 0;
};

// One character put into ASCII: a digit of any of the three sets, a
// separator ("." and the Arabic one always, and the user's) as '.', a sign or
// exponent letter as itself, anything else as '#', which no number contains.
inline char asciiOf(QChar ch, QChar separator)
{
    const char16_t u = ch.unicode();
    if (u >= u'0' && u <= u'9')
        return static_cast<char>(u);
    if (u >= 0x0660 && u <= 0x0669)
        return static_cast<char>('0' + (u - 0x0660));
    if (u >= 0x06F0 && u <= 0x06F9)
        return static_cast<char>('0' + (u - 0x06F0));
    if (ch == separator || u == 0x066B || u == u'.')
        return '.';
    if (u == u'+' || u == u'-' || u == u'e' || u == u'E')
        return static_cast<char>(u);
    return '#';
}

inline Reference readWithTheCLibrary(const std::string& ascii, bool whole)
{
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (whole && (ascii.empty() || end != ascii.c_str() + ascii.size()))
        return {Reference::Kind::Mismatch};
    if (errno == ERANGE && std::isinf(value))
        return {Reference::Kind::Overflow};
    return {Reference::Kind::Value, value};
}

inline Reference strictReference(const QString& text, const NumberFormat& format)
{
    const QStringView trimmed = trimSpaces(text);
    std::string ascii;
    ascii.reserve(static_cast<size_t>(trimmed.size()));
    for (QChar ch : trimmed)
        ascii += asciiOf(ch, format.decimalSeparator);
    return readWithTheCLibrary(ascii, true);
}

}  // namespace tavrimo::fuzzing
