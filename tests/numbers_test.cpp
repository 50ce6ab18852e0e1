// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/failure.h"
#include "numbers/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace tavrimo;
using namespace Qt::StringLiterals;

namespace {

const NumberFormat kPoint{u'.'};
const NumberFormat kComma{u','};

std::string written(const QString& text) { return writeNumber(readExact(text, kPoint), kPoint).toStdString(); }

// What a write shows, or the reason it fails.
template <typename Write>
std::string shownOrReason(Write write)
{
    try {
        return write();
    } catch (const Failure& failure) {
        return std::string(describe(failure.reason));
    }
}

struct TextCase {
    const char* name;
    std::string text;
    const char* shown;  // the number as writing gives it back, or the reason it fails
};

std::string rowName(const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; }
void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }

// Reading then writing: rounded to 15 digits, a tie away from zero.
class ReadAndWrite : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadAndWrite, shows_the_exact_amount_correctly_rounded)
{
    EXPECT_EQ(shownOrReason([&] { return written(QString::fromStdString(GetParam().text)); }), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReadAndWrite, ::testing::ValuesIn(std::vector<TextCase>{
    {"thousand", "1000", "1000"}, {"lowest_positional_exponent", "0.0001", "0.0001"},
    {"first_exponent_form_below", "0.00001", "1E-05"},
    {"highest_positional_exponent", "123456789012345", "123456789012345"},
    {"first_exponent_form_above", "1e15", "1E+15"}, {"negative_zero", "-0", "0"},
    {"blanks_at_the_ends", "  -3.5 ", "-3.5"}, {"leading_point", ".25", "0.25"}, {"trailing_point", "+1.", "1"},
    {"rounds_to_fifteen_digits", "0.6666666666666666666", "0.666666666666667"},
    {"a_tie_rounds_away_from_zero", "-2.500000000000005", "-2.50000000000001"},
    {"just_below_a_tie_rounds_down", "1.00000000000000499999999999999999999", "1"},
    {"rounding_carries_into_the_next_exponent", "999999999999999.9", "1E+15"},
    {"rounding_carries_below", "0.000099999999999999999", "0.0001"}, {"three_digit_exponent", "1.25e-300", "1.25E-300"},
    {"largest_double_is_cut_to_stay_readable", "1.7976931348623157e308", "1.79769313486231E+308"},
    {"beyond_the_largest_double", "1.7976931348623158e308", "overflow"},
    {"far_beyond_the_range", "-99999e99999", "overflow"}, {"subnormal_amounts_stay_exact", "3e-324", "3E-324"},
    {"what_a_double_holds_as_zero_is_zero", "2.4e-324", "0"}, {"all_arabic_indic_digits", "٠١٢٣٤٥٦٧٨٩", "123456789"},
    {"all_extended_digits", "۹۸۷۶۵۴۳۲۱۰", "9876543210"}, {"arabic_separator", " -١٢٫٥ ", "-12.5"},
    {"arabic_digits_in_the_exponent", "١e-٣", "0.001"},
    // Texts that are not wholly one number, in every field.
    {"comma", "3,5", "type mismatch"}, {"arabic_comma", "٣،٥", "type mismatch"},
    {"group_separator", "1,000", "type mismatch"}, {"trailing_letters", "12abc", "type mismatch"},
    {"unit_after_the_number", "5 ft", "type mismatch"}, {"inner_blank", "2 5", "type mismatch"},
    {"hexadecimal", "0x10", "type mismatch"}, {"basic_hexadecimal", "&H10", "type mismatch"},
    {"letters", "abc", "type mismatch"}, {"lone_minus", "-", "type mismatch"}, {"lone_point", ".", "type mismatch"},
    {"empty", "", "type mismatch"}, {"exponent_without_digits", "1e", "type mismatch"},
    {"two_separators", "١٫٢٫٣", "type mismatch"}, {"trailing_tab", "5\t", "type mismatch"},
    {"leading_line_feed", "\n5", "type mismatch"},
    // Texts far longer than a field holds: a head, a long run of one character, a tail.
    {"zeros_after_the_point_then_a_huge_exponent", "0." + std::string(200'000, '0') + "1e9999999", "overflow"},
    {"zeros_before_the_point_then_a_tiny_exponent", "1" + std::string(200'000, '0') + "e-9999999", "0"},
    {"zeros_after_the_point_then_an_exponent_that_fits", "0." + std::string(200'000, '0') + "1e200100", "1E+99"},
    {"a_long_exponent", "1e" + std::string(200'000, '0') + "7", "10000000"},
    {"a_long_exponent_overflows", "1e" + std::string(200'000, '9'), "overflow"},
    {"a_long_negative_exponent_is_zero", "1e-" + std::string(200'000, '9'), "0"},
    {"a_tail_past_any_kept_digits_rounds_up", "1.00000000000000" + std::string(1000, '4') + "5", "1"},
    {"a_last_digit_far_out_breaks_the_tie", "2.00000000000000" + std::string(1000, '0') + "1", "2"},
    {"many_digits", "0." + std::string(100'000, '3'), "0.333333333333333"}}),
    rowName);

// The user's separator, "." and "٫" all read; Western digits are written with
// the user's.
TEST(NumberFormats, read_every_separator_and_write_the_users)
{
    EXPECT_EQ(writeNumber(readExact(u"-0,05", kComma), kComma), u"-0,05");
    EXPECT_EQ(writeNumber(readExact(u"-0.05", kComma), kComma), u"-0,05");
    EXPECT_EQ(writeNumber(1.5e-7, kComma), u"1,5E-07");
    EXPECT_THROW(readExact(u"1,000.5", kComma), Failure);
    EXPECT_EQ(entryState(u"1.5,", kComma), EntryState::NotANumber);
    EXPECT_EQ(entryState(u"1,5", kPoint), EntryState::NotANumber);
    EXPECT_EQ(separatorExamples(kPoint), u"3.5 أو ٣٫٥"_s);
    EXPECT_EQ(separatorExamples(kComma), u"3,5 أو 3.5 أو ٣٫٥"_s);
}

struct DigitsCase {
    const char *name, *text;
    DigitSystem system;
    const char* written;  // the amount written in that system, the user's separator a comma
};

// An answer is written in the digits of its entry, with "٫" in Arabic ones.
class DigitSystems : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(DigitSystems, write_the_amount_in_the_digits_of_the_entry)
{
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(digitSystemOf(text), GetParam().system);
    EXPECT_EQ(writeNumber(readExact(text, kComma), kComma.writingIn(GetParam().system)).toStdString(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Entries, DigitSystems, ::testing::ValuesIn(std::vector<DigitsCase>{
    {"arabic_indic", "-٠٫٠٥", DigitSystem::ArabicIndic, "-٠٫٠٥"},
    {"arabic_exponent_below", "١E-٥", DigitSystem::ArabicIndic, "١E-٠٥"},
    {"arabic_exponent_above", "١٫٥e١٥", DigitSystem::ArabicIndic, "١٫٥E+١٥"},
    {"arabic_rounded", " ٠.٦٦٦٦٦٦٦٦٦٦٦٦٦٦٦٦٦٦٦ ", DigitSystem::ArabicIndic, "٠٫٦٦٦٦٦٦٦٦٦٦٦٦٦٦٧"},
    {"extended", "۱۲۳,۵۰", DigitSystem::Extended, "۱۲۳٫۵"}, {"extended_zero", "-۰", DigitSystem::Extended, "۰"},
    {"arabic_and_western", "١2", DigitSystem::Western, "12"}, {"both_arabic_sets", "١۲", DigitSystem::Western, "12"},
    {"western", "3.25", DigitSystem::Western, "3,25"}}),
    [](const auto& info) { return std::string(info.param.name); });
TEST(NumberFormats, doubles_are_written_from_their_exact_value)
{
    EXPECT_EQ(writeNumber(2.384185791015625e-07, kPoint), u"2.38418579101563E-07");  // 2^-22, a tie
    EXPECT_EQ(writeNumber(std::numeric_limits<double>::lowest(), kPoint), u"-1.79769313486231E+308");
    EXPECT_EQ(writeNumber(4.9406564584124654e-324, kPoint), u"4.94065645841247E-324");
    EXPECT_THROW(writeNumber(std::numeric_limits<double>::quiet_NaN(), kPoint), Failure);
}

// The red mark: a text no further typing can make a number.
class Entries : public ::testing::TestWithParam<TextCase> {};

TEST_P(Entries, are_numbers_on_their_way_or_not_numbers)
{
    const EntryState state = entryState(QString::fromStdString(GetParam().text), kPoint);
    const char* names[] = {"number", "on its way", "not a number"};
    EXPECT_STREQ(names[static_cast<int>(state)], GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, Entries, ::testing::ValuesIn(std::vector<TextCase>{
    {"empty", "", "on its way"}, {"minus", "-", "on its way"}, {"point", ".", "on its way"},
    {"exponent_letter", "1e", "on its way"}, {"exponent_sign", "1e-", "on its way"},
    {"arabic_separator", "٣٫", "number"}, {"arabic_separator_first", "٫", "on its way"},
    {"sign_then_arabic_separator", "-٫", "on its way"}, {"trailing_blank", "12 ", "number"},
    {"too_large_is_still_a_number", "1e999", "number"}, {"comma", "3,5", "not a number"},
    {"exponent_before_digits", ".e5", "not a number"}, {"letters", "12abc", "not a number"},
    {"inner_blank", "2 5", "not a number"}}),
    rowName);

struct SurdCase {
    const char* name;
    std::string p;
    int sign;
    std::string d, q;
    const char* shown;
};

// (p + sign sqrt(d)) / q: exact for a square d, else correctly rounded.
class Surds : public ::testing::TestWithParam<SurdCase> {};

TEST_P(Surds, are_correctly_rounded)
{
    const SurdCase& c = GetParam();
    const auto write = [&] { return writeSurd(Exact(c.p), c.sign, Exact(c.d), Exact(c.q), kPoint).toStdString(); };
    EXPECT_EQ(shownOrReason(write), c.shown);
}

const std::string kTenTo200 = "1" + std::string(200, '0');

INSTANTIATE_TEST_SUITE_P(Values, Surds, ::testing::ValuesIn(std::vector<SurdCase>{
    {"root_of_two", "0", 1, "2", "1", "1.4142135623731"}, {"square_of_a_fraction", "0", -1, "9/4", "1", "-1.5"},
    {"exact_zero", "-3", 1, "9", "7", "0"},
    // x^2 + 1E200 x + 1 = 0: -b + sqrt(D) cancels four hundred digits.
    {"cancelling_terms", "-" + kTenTo200, 1, std::string(399, '9') + "6", "2", "-1E-200"},
    {"beyond_the_range", "0", 1, "4" + std::string(616, '0'), "1", "overflow"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
