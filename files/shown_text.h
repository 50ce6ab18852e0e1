// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text put on a line of a terminal or a log, where a character that moves
// the cursor, ends the line, turns the direction of what follows or is half
// a character would change what the reader sees. Such a character is written
// as the escape a script takes back: \\ \r \n \t, and \uXXXX for the other
// C0 and C1 controls, DEL, the line and paragraph separators (U+2028,
// U+2029), the bidirectional marks, embeddings, overrides and isolates, and
// half a surrogate pair.

#include <string>
#include <string_view>

namespace tavrimo::files {

std::u16string escapeForLine(std::u16string_view text);

// A token of the person's (an option, a name from a script) quoted for a
// message: at most its first kQuotedCharacters characters, each with its
// escape, in single quotes, "..." before the closing quote marking a cut.
inline constexpr int kQuotedCharacters = 80;
std::u16string quoteToken(std::u16string_view token);

}  // namespace tavrimo::files
