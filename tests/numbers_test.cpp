// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/failure.h"
#include "units/numbers.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

using namespace tavrimo;

namespace {

const NumberFormat kPoint{u'.'};
const NumberFormat kComma{u','};

struct WriteCase {
    const char* name;
    double value;
    const char* text;
};

class NumberWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(NumberWriting, writes_the_fifteen_digit_form)
{
    EXPECT_EQ(writeNumber(GetParam().value, kPoint).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, NumberWriting, ::testing::Values(
    WriteCase{"thousand", 1000, "1000"},
    WriteCase{"thousandth", 0.001, "0.001"},
    WriteCase{"lowest_positional_exponent", 0.0001, "0.0001"},
    WriteCase{"first_exponent_form_below", 0.00001, "1E-05"},
    WriteCase{"highest_positional_exponent", 123456789012345, "123456789012345"},
    WriteCase{"first_exponent_form_above", 1e15, "1E+15"},
    WriteCase{"mile_per_millimetre", 6.21371192e-7, "6.21371192E-07"},
    WriteCase{"metres_in_an_inch", 1 / 39.3700787402, "0.0253999999999726"},
    WriteCase{"negative_fraction", -0.05, "-0.05"},
    WriteCase{"negative_zero", -0.0, "0"},
    WriteCase{"zero", 0.0, "0"},
    WriteCase{"rounds_to_fifteen_digits", 2.0 / 3.0, "0.666666666666667"},
    WriteCase{"rounding_carries_into_next_exponent", 999999999999999.9, "1E+15"},
    WriteCase{"rounding_carries_below", 0.000099999999999999999, "0.0001"},
    WriteCase{"trailing_zeros_dropped", 1.5e-7, "1.5E-07"},
    WriteCase{"three_digit_exponent", 1.25e-300, "1.25E-300"},
    WriteCase{"largest_double_is_cut_to_stay_readable", std::numeric_limits<double>::max(), "1.79769313486231E+308"},
    WriteCase{"lowest_double_is_cut_too", std::numeric_limits<double>::lowest(), "-1.79769313486231E+308"},
    WriteCase{"just_below_the_cut_rounds_normally", 1.79769313486231e308, "1.79769313486231E+308"},
    WriteCase{"smallest_subnormal", 4.9406564584124654e-324, "4.94065645841247E-324"},
    WriteCase{"negative_exponent_form", -1.5e20, "-1.5E+20"},
    WriteCase{"cubic_kilometre_in_cubic_millimetres", 1e18, "1E+18"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberWritingFormat, uses_the_users_decimal_separator)
{
    EXPECT_EQ(writeNumber(-0.05, kComma).toStdString(), "-0,05");
    EXPECT_EQ(writeNumber(1.5e-7, kComma).toStdString(), "1,5E-07");
}

TEST(NumberWritingFormat, refuses_non_finite_values_as_overflow)
{
    for (double bad : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        try {
            writeNumber(bad, kPoint);
            ADD_FAILURE() << "wrote a non-finite value";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.reason, FailureReason::Overflow);
        }
    }
}

TEST(NumberWritingFormat, every_written_text_reads_back_strictly_to_the_same_text)
{
    for (double x : {1.0 / 3, -2.0 / 7, 6.02214076e23, 1.602e-19, 39.3700787402, 0.0001, 1e15, 123456.789}) {
        for (const NumberFormat& format : {kPoint, kComma}) {
            const QString written = writeNumber(x, format);
            EXPECT_EQ(writeNumber(readStrict(written, format), format), written) << written.toStdString();
        }
    }
}

struct ReadCase {
    const char* name;
    const char* text;
    double value;
};

class LenientReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LenientReading, reads_the_longest_leading_number)
{
    EXPECT_EQ(readLenient(QString::fromUtf8(GetParam().text), kPoint), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Examples, LenientReading, ::testing::Values(
    ReadCase{"trailing_letters", "12abc", 12},
    ReadCase{"comma_stops", "1,5", 1},
    ReadCase{"inner_blank_skipped", "1 000", 1000},
    ReadCase{"tab_and_line_feed_skipped", "\t1\n2", 12},
    ReadCase{"lone_minus", "-", 0},
    ReadCase{"empty", "", 0},
    ReadCase{"letters", "abc", 0},
    ReadCase{"leading_point", ".5", 0.5},
    ReadCase{"exponent", "2E3", 2000},
    ReadCase{"small_exponent", "2e-3", 0.002},
    ReadCase{"exponent_without_digits", "2E", 2},
    ReadCase{"exponent_sign_without_digits", "2E+", 2},
    ReadCase{"second_point_stops", "1.2.3", 1.2},
    ReadCase{"plus_sign", "+7", 7},
    ReadCase{"hexadecimal", "&HFF", 255},
    ReadCase{"hexadecimal_lower_case", "&h1a", 26},
    ReadCase{"octal", "&O17", 15},
    ReadCase{"tiny_becomes_zero", "1e-400", 0},
    ReadCase{"arabic_letters", "ميل", 0},
    ReadCase{"arabic_indic_digits", "١٢٣", 123},
    ReadCase{"arabic_separator", "١٢٫٥", 12.5},
    ReadCase{"extended_arabic_indic_digits", "۱۲۳۴۵۶۷۸۹۰", 1234567890},
    ReadCase{"arabic_digits_in_the_exponent", "٢E٣", 2000},
    ReadCase{"arabic_digits_stop_at_a_letter", "٤٥م", 45},
    ReadCase{"mixed_digit_sets", "1٢۳", 123},
    ReadCase{"arabic_separator_then_point_stops", "٠٫٥.5", 0.5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LenientReadingLimits, a_number_beyond_the_double_range_is_an_overflow)
{
    for (const char* text : {"1e400", "-1e400", "1e99999999999999999999"}) {
        try {
            readLenient(QString::fromLatin1(text), kPoint);
            ADD_FAILURE() << text;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.reason, FailureReason::Overflow) << text;
        }
    }
}

TEST(LenientReadingLimits, reads_the_users_separator_too)
{
    EXPECT_EQ(readLenient(u"1,5", kComma), 1.5);
    EXPECT_EQ(readLenient(u"1.5", kComma), 1.5);
}

class StrictReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(StrictReading, accepts_whole_numbers)
{
    EXPECT_EQ(readStrict(QString::fromUtf8(GetParam().text), kPoint), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Accepted, StrictReading, ::testing::Values(
    ReadCase{"integer", "42", 42},
    ReadCase{"blanks_at_the_ends", "  -3.5 ", -3.5},
    ReadCase{"leading_point", ".25", 0.25},
    ReadCase{"trailing_point", "1.", 1},
    ReadCase{"plus_sign", "+2", 2},
    ReadCase{"exponent_form", "6.21371192E-07", 6.21371192e-7},
    ReadCase{"factor_text", "0.621371192E-3", 0.000621371192},
    ReadCase{"lower_case_exponent", "1e+15", 1e15},
    ReadCase{"tiny_becomes_zero", "1e-400", 0},
    ReadCase{"arabic_indic_digits", "٣٧", 37},
    ReadCase{"arabic_separator", " -١٢٫٥ ", -12.5},
    ReadCase{"extended_arabic_indic_digits", "۹۸٫۶", 98.6},
    ReadCase{"arabic_digits_in_the_exponent", "١e-٣", 0.001},
    ReadCase{"smallest_subnormal", "4.9406564584124654E-324", 4.9406564584124654e-324},
    ReadCase{"halfway_below_the_smallest_subnormal", "2.5e-324", 4.9406564584124654e-324}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    const char* text;
    FailureReason reason;
};

class StrictRejection : public ::testing::TestWithParam<RejectCase> {};

TEST_P(StrictRejection, fails_with_the_right_reason)
{
    try {
        readStrict(QString::fromUtf8(GetParam().text), kPoint);
        ADD_FAILURE() << "accepted " << GetParam().text;
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.reason, GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(Rejected, StrictRejection, ::testing::Values(
    RejectCase{"empty", "", FailureReason::TypeMismatch},
    RejectCase{"blanks_only", "   ", FailureReason::TypeMismatch},
    RejectCase{"lone_minus", "-", FailureReason::TypeMismatch},
    RejectCase{"lone_point", ".", FailureReason::TypeMismatch},
    RejectCase{"letters", "abc", FailureReason::TypeMismatch},
    RejectCase{"trailing_letters", "12abc", FailureReason::TypeMismatch},
    RejectCase{"two_points", "1.2.3", FailureReason::TypeMismatch},
    RejectCase{"exponent_without_digits", "1e", FailureReason::TypeMismatch},
    RejectCase{"inner_blank", "1 0", FailureReason::TypeMismatch},
    RejectCase{"tab_at_the_end", "1\t", FailureReason::TypeMismatch},
    RejectCase{"beyond_the_range", "1e400", FailureReason::Overflow},
    RejectCase{"far_beyond_the_range", "-99999e99999", FailureReason::Overflow},
    RejectCase{"arabic_separator_twice", "١٫٢٫٣", FailureReason::TypeMismatch},
    RejectCase{"arabic_comma", "١٬٥", FailureReason::TypeMismatch},
    RejectCase{"lone_arabic_separator", "٫", FailureReason::TypeMismatch}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrictReadingFormat, takes_only_the_users_separator)
{
    EXPECT_EQ(readStrict(u"1,5", kComma), 1.5);
    EXPECT_THROW(readStrict(u"1.5", kComma), Failure);
}

// Texts far longer than any field holds, built from a head, a long run of
// one character and a tail. The value is checked against the C library's
// reading of the same text; an overflow there is HUGE_VAL with ERANGE.
struct LongCase {
    const char* name;
    const char* head;
    char run;
    int count;
    const char* tail;
    bool overflows;
    double value;  // when it does not overflow
};

std::string longText(const LongCase& c)
{
    return c.head + std::string(static_cast<size_t>(c.count), c.run) + c.tail;
}

class LongTexts : public ::testing::TestWithParam<LongCase> {};

TEST_P(LongTexts, read_to_the_right_value_or_overflow_in_both_readings)
{
    const LongCase& c = GetParam();
    const std::string text = longText(c);
    errno = 0;
    const double reference = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(c.overflows, errno == ERANGE && std::isinf(reference)) << "the table disagrees with strtod";
    if (!c.overflows)
        ASSERT_EQ(reference, c.value) << "the table disagrees with strtod";
    const QString q = QString::fromLatin1(text);
    for (const auto& read : {readLenient, readStrict}) {
        if (c.overflows) {
            try {
                read(q, kPoint);
                ADD_FAILURE() << "no overflow";
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.reason, FailureReason::Overflow);
            }
        } else {
            EXPECT_EQ(read(q, kPoint), c.value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, LongTexts, ::testing::Values(
    LongCase{"zeros_after_the_point_then_a_huge_exponent", "0.", '0', 2'000'000, "1e9999999", true, 0},
    LongCase{"zeros_before_the_point_then_a_tiny_exponent", "1", '0', 2'000'000, "e-9999999", false, 0},
    LongCase{"zeros_after_the_point_then_an_exponent_that_fits", "0.", '0', 2'000'000, "1e2000100", false, 1e99},
    LongCase{"zeros_before_the_point_then_an_exponent_that_fits", "1", '0', 2'000'000, "e-2000005", false, 1e-5},
    LongCase{"many_zeros_are_still_zero", "-0.", '0', 2'000'000, "e9999999", false, -0.0},
    LongCase{"a_long_exponent", "1e", '0', 2'000'000, "7", false, 1e7},
    LongCase{"a_long_exponent_overflows", "1e", '9', 2'000'000, "", true, 0},
    LongCase{"a_long_negative_exponent_underflows", "1e-", '9', 2'000'000, "", false, 0},
    LongCase{"many_digits_round_correctly", "0.", '3', 1'000'000, "", false, 1.0 / 3},
    LongCase{"a_tail_beyond_the_kept_digits_rounds_up", "9007199254740993", '0', 1000, "1e-1001", false,
             9007199254740994.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongTexts, arabic_digits_read_like_ascii_ones_at_any_length)
{
    const QString arabic = QStringLiteral("٠٫") + QString(300, QChar(0x0660)) + QStringLiteral("١٢٣") + QString(697, QChar(0x06F9));
    EXPECT_EQ(readStrict(arabic, kPoint), 1.24e-301);
    EXPECT_EQ(readLenient(arabic, kPoint), 1.24e-301);
}

}  // namespace
