// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_form.h"

#include "exact_reference.h"
#include "units/conversion.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>
#include <vector>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

std::array<std::string, 12> unitTexts(TestForm& f)
{
    std::array<std::string, 12> texts;
    for (int k = 0; k < 12; ++k)
        texts[static_cast<size_t>(k)] = (k < 7 ? f.text("txtTAS", k) : f.text("txtUSA", k - 7)).toStdString();
    return texts;
}

// Running the conversion again changes nothing: the fields are settled.
void expectSettled(TestForm& f, int editedImperial = -1)
{
    const auto before = unitTexts(f);
    ScopedValue edited(f.form().editedImperialField, editedImperial);
    f.form().selected(f.id("optArea")) ? Area(f.form()) : f.form().selected(f.id("optSize")) ? Size(f.form()) : Tall(f.form());
    EXPECT_EQ(unitTexts(f), before);
}

struct WorkedExample {
    const char *name, *option;
    int metricField;
    std::array<const char*, 12> texts;  // "-" where the field is not written
};

class WorkedExamples : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, one_typed_into_the_driving_field_fills_every_unit)
{
    TestForm f;
    const WorkedExample& e = GetParam();
    f.click(e.option);
    f.type("txtTAS", e.metricField, u"1"_s);
    const auto texts = unitTexts(f);
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(texts[i], std::string(e.texts[i]) == "-" ? "" : e.texts[i]) << "field " << i;
    EXPECT_TRUE(f.failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExamples, ::testing::Values(
    WorkedExample{"metre", "optTall", 3, {"1000", "100", "10", "1", "0.1", "0.01", "0.001", "39.3700787401575",
        "3.28083989501312", "1.09361329833771", "0.000621371192237334", "0.000539956803455724"}},
    WorkedExample{"square_millimetre", "optArea", 0, {"1", "0.01", "0.0001", "1E-06", "1E-08", "1E-10", "1E-12",
        "0.0015500031000062", "1.07639104167097E-05", "2.47105381467165E-10", "3.86102158542446E-13", "-"}},
    WorkedExample{"cubic_kilometre", "optSize", 6, {"1E+18", "1E+15", "1000000000000", "1000000000", "1000000",
        "1000", "1", "61023744094732.3", "35314666721.4886", "1307950619.31439", "-", "-"}},
    WorkedExample{"gram", "optW", 3, {"1000", "100", "10", "1", "0.1", "0.01", "0.001", "0.0352739619495804",
        "0.00220462262184878", "1E-06", "9.84206527611061E-07", "-"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Entry {
    const char *name, *option, *array;
    int index;
    const char* typed;
    int checkIndex;  // a field to check, in the same numbering as unitTexts
    const char* checkText;
};

class TypedEntries : public ::testing::TestWithParam<Entry> {};

TEST_P(TypedEntries, keep_what_was_typed_and_settle_in_one_pass)
{
    TestForm f;
    const Entry& e = GetParam();
    f.click(e.option);
    const QString typed = QString::fromUtf8(e.typed);
    for (QChar key : typed) {
        f.type(e.array, e.index, QString(key));
        const HandlerStats stats = f.program.takeStats();
        EXPECT_LE(stats.handlers, 8) << "keystroke " << QString(key).toStdString();
        EXPECT_LE(stats.depth, 3);
    }
    EXPECT_EQ(f.text(e.array, e.index), typed);
    if (e.checkIndex >= 0)
        EXPECT_EQ(unitTexts(f)[static_cast<size_t>(e.checkIndex)], e.checkText);
    if (f.failures.empty())
        expectSettled(f, std::string(e.array) == "txtUSA" ? e.index : -1);
}

INSTANTIATE_TEST_SUITE_P(Entries, TypedEntries, ::testing::ValuesIn(std::vector<Entry>{
    {"inch_with_a_fraction", "optTall", "txtUSA", 0, "1.5", 3, "0.0381"},
    {"metres_that_never_settled", "optTall", "txtTAS", 3, "6579.9", 7, "259051.181102362"},
    {"miles_that_never_settled", "optTall", "txtUSA", 3, "55", -1, ""},
    {"inches_that_never_settled", "optTall", "txtUSA", 0, "2647", -1, ""},
    {"point_after_an_inch", "optTall", "txtUSA", 0, "1.", 3, "0.0254"},
    {"point_after_an_ounce", "optW", "txtUSA", 0, "1.", 3, "28.349523125"},
    {"pounds", "optW", "txtUSA", 1, "2.5", 3, "1133.980925"},
    // Exactly 24713.69678421875 g: a tie, rounded away from zero.
    {"ounces_reach_grams_exactly", "optW", "txtUSA", 0, "871.75", 3, "24713.6967842188"},
    {"square_feet", "optArea", "txtUSA", 1, "100", 3, "9.290304"},
    {"cubic_yards", "optSize", "txtUSA", 2, "3", 3, "2.293664573952"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryFields, blanks_at_the_ends_are_trimmed_inner_blanks_kept_and_long_edits_refused)
{
    TestForm f;
    f.type("txtTAS", 2, u" 1"_s);
    EXPECT_EQ(f.text("txtTAS", 2), u"1"_s);
    f.type("txtTAS", 2, u" "_s);
    EXPECT_EQ(f.text("txtTAS", 2), u"1"_s);
    f.paste("txtTAS", 2, u"1 2"_s);
    EXPECT_EQ(f.text("txtTAS", 2), u"1 2"_s);
    EXPECT_FALSE(f.w().userEdit(f.id("txtTAS", 2), QString(1001, u'1')));  // over 1000 characters: refused whole
    EXPECT_EQ(f.text("txtTAS", 2), u"1 2"_s);
    EXPECT_EQ(f.text("txtTAS", 3), u""_s);
}

TEST(EntryFields, focus_colours_follow_the_field_and_drive_the_conversion)
{
    TestForm f;
    f.focus(f.id("txtTAS", 5));
    EXPECT_EQ(f.form().bytSource, 5);
    EXPECT_EQ(f.show("txtTAS", 5, Prop::BackColor), "#FFFF00");
    EXPECT_EQ(f.show("txtTAS", 5, Prop::ForeColor), "#C85000");
    f.focus(f.id("txtUSA", 2));
    EXPECT_EQ(f.form().bytSource, 3);
    EXPECT_EQ(f.show("txtTAS", 5, Prop::BackColor), "#C0C0FF");
    EXPECT_EQ(f.show("txtTAS", 5, Prop::ForeColor), "#000000");
    // Text that arrives in a field without the focus (a drop) brings the
    // focus, and converts from that field.
    f.focus(f.id("txtTAS", 6));
    f.w().userEdit(f.id("txtUSA", 0), u"12"_s);
    EXPECT_EQ(f.text("txtUSA", 0), u"12"_s);
    EXPECT_EQ(f.text("txtUSA", 1), u"1"_s);
    EXPECT_EQ(f.show("txtTAS", 6, Prop::BackColor), "#C0C0FF");
}

TEST(EntryFields, a_mouse_press_selects_the_whole_text_of_a_filled_field)
{
    TestForm f;
    f.type("txtTAS", 3, u"12"_s);
    const ControlId inch = f.id("txtUSA", 0);
    f.w().userMouseDown(inch);
    EXPECT_EQ(f.w().at(inch).selStart, 0);
    EXPECT_EQ(f.w().at(inch).selLength, f.text("txtUSA", 0).size());
    f.click("optArea");
    f.w().userSelection(inch, 0, 0);
    f.w().userMouseDown(inch);
    EXPECT_EQ(f.w().at(inch).selLength, 0);
}

TEST(EntryFields, a_comma_locale_reads_back_what_it_wrote)
{
    TestForm f(NumberFormat{u','});
    f.type("txtTAS", 1, u"12,5"_s);
    EXPECT_EQ(f.text("txtTAS", 3), u"0,125"_s);
    EXPECT_EQ(f.text("txtUSA", 0), u"4,92125984251969"_s);
    f.type("txtUSA", 0, u"1"_s);  // 4,9212598425251 inches
    EXPECT_TRUE(f.failures.empty());
    f.focus(f.id("txtTAS", 3));
    f.paste("txtTAS", 3, f.text("txtTAS", 3) + u"5"_s);
    EXPECT_TRUE(f.failures.empty());
}

// One amount typed, and what other fields show: definitions, and amounts a
// double product shows a digit off.
struct Identity {
    const char *name, *option, *array;
    int index;
    const char* typed;
    std::vector<std::pair<int, const char*>> shown;  // field, in the numbering of unitTexts
};

class Identities : public ::testing::TestWithParam<Identity> {};

TEST_P(Identities, hold_to_every_digit_shown)
{
    TestForm f;
    const Identity& i = GetParam();
    f.click(i.option);
    f.type(i.array, i.index, QString::fromUtf8(i.typed));
    EXPECT_EQ(f.text(i.array, i.index).toStdString(), i.typed);
    for (const auto& [field, text] : i.shown)
        EXPECT_EQ(unitTexts(f)[static_cast<size_t>(field)], text) << "field " << field;
    EXPECT_TRUE(f.failures.empty());
}

// Fields: 0..6 mm to km (or squares, cubes, grams), 7..11 the imperial slots.
INSTANTIATE_TEST_SUITE_P(Definitions, Identities, ::testing::ValuesIn(std::vector<Identity>{
    {"a_mile", "optTall", "txtUSA", 3, "1", {{8, "5280"}, {9, "1760"}, {7, "63360"}, {3, "1609.344"}}},
    {"an_acre", "optArea", "txtUSA", 2, "1", {{8, "43560"}, {3, "4046.8564224"}}},
    {"a_long_ton", "optW", "txtUSA", 3, "1", {{8, "2240"}, {6, "1016.0469088"}}},
    // Amounts a double product would show a digit off.
    {"square_miles_in_acres", "optArea", "txtUSA", 3, "9.09", {{9, "5817.6"}}},
    {"more_square_miles_in_acres", "optArea", "txtUSA", 3, "0.922126", {{9, "590.16064"}}},
    {"many_square_miles_in_acres", "optArea", "txtUSA", 3, "79454", {{9, "50850560"}}},
    {"ounces_in_pounds", "optW", "txtUSA", 0, "664559", {{8, "41534.9375"}}},
    {"cubic_feet_in_cubic_inches", "optSize", "txtUSA", 1, "4032.7", {{7, "6968505.6"}}},
    // Every field in the digits of the entry, Arabic-Indic or extended; a
    // mix of systems in Western digits.
    {"arabic_centimetres", "optTall", "txtTAS", 1, "١٧٥", {{3, "١٫٧٥"}, {8, "٥٫٧٤١٤٦٩٨١٦٢٧٢٩٧"}}},
    {"extended_inches", "optTall", "txtUSA", 0, "۱۲", {{0, "۳۰۴٫۸"}, {3, "۰٫۳۰۴۸"}}},
    {"mixed_digits", "optTall", "txtTAS", 1, "١2", {{3, "0.12"}, {7, "4.7244094488189"}}},
    {"arabic_exponent", "optArea", "txtTAS", 0, "١", {{6, "١E-١٢"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

// After an edit that fails or empties its field, no field keeps an earlier
// edit's amount. Each step is one edit of the whole text.
struct StaleCase {
    const char *name, *option;
    std::vector<std::pair<const char*, const char*>> edits;  // "txtTAS(3)" -> text
    std::map<int, const char*> texts;                        // the fields not left empty
    std::vector<std::string> failures;
};

class StaleAmounts : public ::testing::TestWithParam<StaleCase> {};

TEST_P(StaleAmounts, no_field_keeps_the_amount_of_an_earlier_edit)
{
    TestForm f;
    const StaleCase& c = GetParam();
    f.click(c.option);
    for (const auto& [field, text] : c.edits) {
        const QString name = QString::fromLatin1(field);
        f.paste(name.section(u'(', 0, 0).toLatin1().constData(), name.section(u'(', 1).chopped(1).toInt(), q(text));
    }
    std::array<std::string, 12> texts{};
    for (const auto& [i, text] : c.texts)
        texts[static_cast<size_t>(i)] = text;
    EXPECT_EQ(unitTexts(f), texts);
    EXPECT_EQ(f.failures, c.failures);
}

INSTANTIATE_TEST_SUITE_P(Examples, StaleAmounts, ::testing::ValuesIn(std::vector<StaleCase>{
    {"metres_then_an_inner_blank", "optTall", {{"txtTAS(3)", "5"}, {"txtTAS(3)", "1 2"}}, {{3, "1 2"}},
     {"txtTAS_Change(3): type mismatch"}},
    {"metres_typed_then_deleted", "optTall", {{"txtTAS(3)", "2"}, {"txtTAS(3)", "25"}, {"txtTAS(3)", "2"}, {"txtTAS(3)", ""}}},
    {"inches_deleted", "optTall", {{"txtUSA(0)", "12"}, {"txtUSA(0)", "1"}, {"txtUSA(0)", ""}}},
    {"a_lone_point_in_feet", "optTall", {{"txtTAS(3)", "1"}, {"txtUSA(1)", "."}}, {{8, "."}}, {"txtUSA_Change(1): type mismatch"}},
    {"letters_after_digits", "optTall", {{"txtTAS(3)", "5"}, {"txtTAS(3)", "12abc"}}, {{3, "12abc"}},
     {"txtTAS_Change(3): type mismatch"}},
    {"a_comma_in_kilometres", "optTall", {{"txtTAS(6)", "3,5"}}, {{6, "3,5"}}, {"txtTAS_Change(6): type mismatch"}},
    {"an_arabic_comma_in_kilograms", "optW", {{"txtTAS(6)", "٢،٥"}}, {{6, "٢،٥"}}, {"txtTAS_Change(6): type mismatch"}},
    {"cubic_kilometres_beyond_the_range", "optSize", {{"txtTAS(6)", "1"}, {"txtTAS(6)", "1e300"}}, {{6, "1e300"}},
     {"txtTAS_Change(6): overflow"}},
    {"kilometres_a_double_holds_as_zero", "optTall", {{"txtTAS(3)", "3e-324"}},
     {{0, "3E-321"}, {1, "3E-322"}, {2, "3E-323"}, {3, "3e-324"}, {4, "0"}, {5, "0"}, {6, "0"}, {7, "1.18110236220472E-322"},
      {8, "9.84251968503937E-324"}, {9, "3.28083989501312E-324"}, {10, "0"}, {11, "0"}}},
    // Two entries in ounces with one grams text, 45.3592370000002, but not
    // one text in pounds: the second still converts.
    {"ounces_whose_grams_text_stays", "optW", {{"txtUSA(0)", "1.6000000000000075"}, {"txtUSA(0)", "1.600000000000008"}},
     {{0, "45359.2370000002"}, {1, "4535.92370000002"}, {2, "453.592370000002"}, {3, "45.3592370000002"},
      {4, "4.53592370000002"}, {5, "0.453592370000002"}, {6, "0.0453592370000002"}, {7, "1.600000000000008"},
      {8, "0.100000000000001"}, {9, "4.53592370000002E-05"}, {10, "4.46428571428574E-05"}}},
    {"an_amount_a_double_holds_as_zero", "optTall", {{"txtTAS(3)", "2e-324"}},
     {{0, "0"}, {1, "0"}, {2, "0"}, {3, "2e-324"}, {4, "0"}, {5, "0"}, {6, "0"}, {7, "0"}, {8, "0"}, {9, "0"}, {10, "0"}, {11, "0"}}},
    // The conversion of a weight entry runs once: one failure, not two.
    {"ounces_beyond_the_milligrams", "optW", {{"txtUSA(0)", "1e306"}}, {{3, "2.8349523125E+307"}, {7, "1e306"}},
     {"txtTAS_Change(3): overflow"}},
    {"ounces_with_a_sign_only", "optW", {{"txtUSA(0)", "16"}, {"txtUSA(0)", "-"}}, {{7, "-"}}, {"txtUSA_Change(0): type mismatch"}},
    {"square_metres_then_arabic_digits", "optArea", {{"txtTAS(3)", "9"}, {"txtTAS(3)", "١٠"}},
     {{0, "١٠٠٠٠٠٠٠"}, {1, "١٠٠٠٠٠"}, {2, "١٠٠٠"}, {3, "١٠"}, {4, "٠٫١"}, {5, "٠٫٠٠١"}, {6, "١E-٠٥"}, {7, "١٥٥٠٠٫٠٣١٠٠٠٠٦٢"},
      {8, "١٠٧٫٦٣٩١٠٤١٦٧٠٩٧"}, {9, "٠٫٠٠٢٤٧١٠٥٣٨١٤٦٧١٦٥"}, {10, "٣٫٨٦١٠٢١٥٨٥٤٢٤٤٦E-٠٦"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Random entries in every field and digit system against an exact computation.
TEST(RandomEntries, every_field_shows_the_exact_amount_correctly_rounded)
{
    using reference::Amount;
    // The base units in one imperial unit, by definition.
    const std::vector<std::vector<const char*>> sizes = {
        {"0.0254", "0.3048", "0.9144", "1609.344", "1852"},
        {"0.00064516", "0.09290304", "4046.8564224", "2589988.110336"},
        {"0.000016387064", "0.028316846592", "0.764554857984"},
        {"28.349523125", "453.59237", "1000000", "1016046.9088"},
    };
    const char* options[] = {"optTall", "optArea", "optSize", "optW"};
    const int steps[] = {1, 2, 3, 1};
    std::mt19937 random(20261207);
    for (int round = 0; round < 400; ++round) {
        TestForm f;
        const int category = round % 4;
        f.click(options[category]);
        const auto& units = sizes[static_cast<size_t>(category)];
        const int slot = static_cast<int>(random() % (7 + units.size()));
        const unsigned digits = random() % 1000000;
        const unsigned divisor = random() % 3 == 0 ? 1 : 1 + random() % 999;
        std::string typed = std::to_string(digits / divisor);
        if (random() % 4 == 0)
            typed.insert(random() % (typed.size() + 1), ".");
        if (random() % 5 == 0)
            typed.insert(0, "-");
        const auto system = static_cast<reference::Digits>(random() % 3);
        const QString text = reference::inDigits(typed, system, random() % 2 == 0);
        const bool imperial = slot >= 7;
        f.paste(imperial ? "txtUSA" : "txtTAS", imperial ? slot - 7 : slot, text);
        ASSERT_TRUE(f.failures.empty()) << text.toStdString();
        const Amount base = imperial ? Amount(text) * Amount(units[size_t(slot - 7)])
                                     : Amount(text) * Amount::tenTo(steps[category] * (slot - 3));
        for (int k = 0; k < 7 + int(units.size()); ++k) {
            const QString shown = k < 7 ? f.text("txtTAS", k) : f.text("txtUSA", k - 7);
            const Amount size = k < 7 ? Amount::tenTo(steps[category] * (k - 3)) : Amount(units[size_t(k - 7)]);
            EXPECT_EQ(reference::shown(shown), (base / size).shown()) << text.toStdString() << " in " << slot << ", field " << k;
            EXPECT_TRUE(reference::writtenIn(shown, system) || k == slot) << text.toStdString() << " " << shown.toStdString();
        }
    }
}

}  // namespace
