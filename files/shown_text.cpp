// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/shown_text.h"

namespace tavrimo::files {

namespace {

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool unsafe(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x061C || c == 0x200E
           || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::u16string escapeForLine(std::u16string_view text)
{
    static constexpr char16_t kHex[] = u"0123456789abcdef";
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isHigh(c) && i + 1 < text.size() && isLow(text[i + 1])) {
            out += c;
            out += text[++i];
            continue;
        }
        switch (c) {
        case u'\\': out += u"\\\\"; break;
        case u'\r': out += u"\\r"; break;
        case u'\n': out += u"\\n"; break;
        case u'\t': out += u"\\t"; break;
        default:
            if (unsafe(c) || isHigh(c) || isLow(c))
                out += {u'\\', u'u', kHex[c >> 12], kHex[(c >> 8) & 15], kHex[(c >> 4) & 15], kHex[c & 15]};
            else
                out += c;
        }
    }
    return out;
}

std::u16string quoteToken(std::u16string_view token)
{
    size_t end = 0;
    for (int characters = 0; end < token.size() && characters < kQuotedCharacters; ++characters)
        end += isHigh(token[end]) && end + 1 < token.size() && isLow(token[end + 1]) ? 2 : 1;
    return u'\'' + escapeForLine(token.substr(0, end)) + (end < token.size() ? u"...'" : u"'");
}

}  // namespace tavrimo::files
