// SPDX-License-Identifier: GPL-3.0-or-later
// The script language of tavrimo-script: what a line means, and which lines
// are refused before anything runs.

#include "driver/script.h"

#include <gtest/gtest.h>

using namespace tavrimo::script;

namespace {

// A window with the few controls the table below uses.
const Names kNames{
    [](const std::string& name, int index) {
        if (name == "txtTAS")
            return index >= 0 && index <= 6;
        return index < 0 && (name == "txtC" || name == "Combo1" || name == "optArea");
    },
    [](const std::string&, int, const std::string& property) { return property == "Text" || property == "Tag"; },
};

std::vector<Command> parse(const std::string& script)
{
    std::vector<Command> commands;
    forEachCommand(QByteArrayView(script), kNames, [&commands](const Command& c) { commands.push_back(c); });
    return commands;
}

struct Accepted {
    const char* name;
    const char* line;
    Verb verb;
    const char* control;
    int index;
    const char* property;
    std::u16string_view text;
    int number;
};

class AcceptedLines : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedLines, mean_what_they_say)
{
    const Accepted& a = GetParam();
    const std::vector<Command> commands = parse(a.line);
    ASSERT_EQ(commands.size(), 1u);
    const Command& c = commands.front();
    EXPECT_EQ(c.verb, a.verb);
    EXPECT_EQ(c.name, a.control);
    EXPECT_EQ(c.index, a.index);
    EXPECT_EQ(c.property, a.property);
    EXPECT_EQ(c.text, QString::fromUtf16(a.text.data(), static_cast<qsizetype>(a.text.size())));
    EXPECT_EQ(c.number, a.number);
}

INSTANTIATE_TEST_SUITE_P(Script, AcceptedLines, ::testing::Values(
    Accepted{"last_page", "page 2", Verb::Page, "", -1, "", u"", 2},
    Accepted{"array_member", "type txtTAS(6) \"1\"", Verb::Type, "txtTAS", 6, "", u"1", 0},
    Accepted{"blanks_kept_inside_quotes", "paste txtC \" 12 \"", Verb::Paste, "txtC", -1, "", u" 12 ", 0},
    Accepted{"tab_escape", "type txtC \"1\\t2\"", Verb::Type, "txtC", -1, "", u"1\t2", 0},
    Accepted{"line_escapes", "type txtC \"\\r\\n\"", Verb::Type, "txtC", -1, "", u"\r\n", 0},
    Accepted{"quote_and_backslash", "type txtC \"\\\"\\\\\"", Verb::Type, "txtC", -1, "", u"\"\\", 0},
    Accepted{"arabic_digit_escape", "type txtC \"\\u0661\\u066B5\"", Verb::Type, "txtC", -1, "", u"\u0661\u066B5", 0},
    Accepted{"arabic_letters_as_written", "type txtC \"١٢\"", Verb::Type, "txtC", -1, "", u"\u0661\u0662", 0},
    Accepted{"property", "show txtTAS(3).Tag", Verb::Show, "txtTAS", 3, "Tag", u"", 0},
    Accepted{"last_item", "pick Combo1 8", Verb::Pick, "Combo1", -1, "", u"", 8}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::string script;
    int line;
    std::string message;
};

std::string repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

class RefusedLines : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedLines, name_their_line_and_what_is_wrong)
{
    const Refused& r = GetParam();
    try {
        parse(r.script);
        ADD_FAILURE() << "accepted";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.line, r.line);
        EXPECT_EQ(error.what(), r.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Script, RefusedLines, ::testing::Values(
    Refused{"page_beyond_the_last", "# pages\npage 3", 2, "expected a page from 0 to 2, not '3'"},
    Refused{"negative_page", "page -1", 1, "expected a page from 0 to 2, not '-1'"},
    Refused{"item_beyond_the_list", "pick Combo1 9", 1, "expected an item from 0 to 8, not '9'"},
    Refused{"pick_on_another_control", "pick txtC 1", 1, "pick works on Combo1 only"},
    Refused{"index_beyond_the_array", "focus txtTAS(7)", 1, "unknown control 'txtTAS(7)'"},
    Refused{"unknown_property", "show txtC.Colour", 1, "unknown property 'Colour' of txtC"},
    Refused{"empty_property", "show txtC.", 1, "no property name after the dot in 'txtC.'"},
    Refused{"property_where_a_control_is_meant", "click txtC.Text", 1, "a property is not allowed here: 'txtC.Text'"},
    Refused{"unknown_command", "frobnicate txtC", 1, "unknown command 'frobnicate'"},
    Refused{"zoom_beyond_300", "zoom 301", 1, "expected a zoom in percent from 100 to 300, not '301'"},
    Refused{"unknown_key", "key F1", 1, "unknown key 'F1'"},
    Refused{"open_quote", "type txtC \"12", 1, "missing closing quote"},
    Refused{"unknown_escape", "type txtC \"\\q\"", 1, "bad escape '\\\\q'"},
    Refused{"short_unicode_escape", "type txtC \"\\u12\"", 1, "bad escape '\\\\u12'"},
    Refused{"arabic_digits_are_not_hex", "type txtC \"\\u١٢٣٤\"", 1, "bad escape '\\\\u١٢٣٤'"},
    Refused{"text_after_the_command", "stats now", 1, "unexpected 'now'"},
    Refused{"empty_snapshot_name", "snapshot \"\"", 1, "empty file name"},
    // A token is quoted to its 80th character, counted in characters.
    Refused{"a_word_of_80_characters_whole", std::string(80, 'x'), 1, "unknown command '" + std::string(80, 'x') + "'"},
    Refused{"a_longer_word_cut", std::string(81, 'x'), 1, "unknown command '" + std::string(80, 'x') + "...'"},
    Refused{"a_long_arabic_word_cut", "focus " + repeat("ب", 10000), 1, "unknown control '" + repeat("ب", 80) + "...'"},
    Refused{"a_long_rest_of_a_line_cut", "stats " + std::string(1 << 20, 'y'), 1, "unexpected '" + std::string(80, 'y') + "...'"},
    Refused{"a_nul_byte", std::string("stats\n\0", 7), 2, "a NUL byte in the script"},
    Refused{"bytes_that_are_not_utf8", "# ok\n\n# caf\xe9", 3, "the script is not valid UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
