#include "test_form.h"

#include "units/conversion.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

std::array<std::string, 12> unitTexts(TestForm& f)
{
    std::array<std::string, 12> texts;
    for (int k = 0; k < 7; ++k)
        texts[static_cast<size_t>(k)] = f.text("txtTAS", k).toStdString();
    for (int j = 0; j < 5; ++j)
        texts[static_cast<size_t>(7 + j)] = f.text("txtUSA", j).toStdString();
    return texts;
}

// Running the category's conversion again changes nothing: the fields hold a
// complete conversion of the driving field.
void expectSettled(TestForm& f, int editedImperial = -1)
{
    const auto before = unitTexts(f);
    ScopedValue edited(f.form().editedImperialField, editedImperial);
    if (f.form().selected(f.id("optArea")))
        Area(f.form());
    else if (f.form().selected(f.id("optSize")))
        Size(f.form());
    else
        Tall(f.form());
    EXPECT_EQ(unitTexts(f), before);
}

struct WorkedExample {
    const char* name;
    const char* option;
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
    WorkedExample{"metre", "optTall", 3, {"1000", "100", "10", "1", "0.1", "0.01", "0.001", "39.3700787402",
        "3.28082913114", "1.09361090636", "0.000621371192", "0.000539956803"}},
    WorkedExample{"kilometre", "optTall", 6, {"1000000", "100000", "10000", "1000", "100", "10", "1",
        "39370.0787402", "3280.82913114", "1093.61090636", "0.621371192", "0.539956803"}},
    WorkedExample{"millimetre", "optTall", 0, {"1", "0.1", "0.01", "0.001", "0.0001", "1E-05", "1E-06",
        "0.0393700787402", "0.00328082913114", "0.00109361090636", "6.21371192E-07", "5.39956803E-07"}},
    WorkedExample{"square_metre", "optArea", 3, {"1000000", "10000", "100", "1", "0.01", "0.0001", "1E-06",
        "1549.90700558", "10.764262648", "0.000247109993", "3.86E-07", "-"}},
    WorkedExample{"square_millimetre", "optArea", 0, {"1", "0.01", "0.0001", "1E-06", "1E-08", "1E-10", "1E-12",
        "0.00154990700558", "1.0764262648E-05", "2.47109993E-10", "3.86E-13", "-"}},
    WorkedExample{"cubic_metre", "optSize", 3, {"1000000000", "1000000", "1000", "1", "0.001", "1E-06", "1E-09",
        "61023.9824251", "35.3141319141", "1.30794203693", "-", "-"}},
    WorkedExample{"cubic_kilometre", "optSize", 6, {"1E+18", "1E+15", "1000000000000", "1000000000", "1000000",
        "1000", "1", "61023982425100", "35314131914.1", "1307942036.93", "-", "-"}},
    WorkedExample{"gram", "optW", 3, {"1000", "100", "10", "1", "0.1", "0.01", "0.001", "0.0352739907",
        "0.00220462442", "1E-06", "9.842E-07", "-"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Entry {
    const char* name;
    const char* option;
    const char* array;
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

INSTANTIATE_TEST_SUITE_P(Entries, TypedEntries, ::testing::Values(
    Entry{"inch_with_a_fraction", "optTall", "txtUSA", 0, "1.5", 3, "0.0380999999999589"},
    Entry{"one_inch", "optTall", "txtUSA", 0, "1", 3, "0.0253999999999726"},
    Entry{"one_mile", "optTall", "txtUSA", 3, "1", 3, "1609.34400061469"},
    Entry{"ten_miles", "optTall", "txtUSA", 3, "10", 3, "16093.4400061469"},
    Entry{"marathon_in_miles", "optTall", "txtUSA", 3, "26.2", -1, ""},
    Entry{"metres_that_never_settled", "optTall", "txtTAS", 3, "6579.9", 7, "259051.181102642"},
    Entry{"miles_that_never_settled", "optTall", "txtUSA", 3, "55", -1, ""},
    Entry{"inches_that_never_settled", "optTall", "txtUSA", 0, "2647", -1, ""},
    Entry{"centimetres", "optTall", "txtTAS", 1, "12", 7, "4.724409448824"},
    Entry{"negative_centimetres", "optTall", "txtTAS", 1, "-5", 0, "-50"},
    Entry{"negative_zero", "optTall", "txtTAS", 1, "-0", 3, "0"},
    Entry{"letters_after_digits", "optTall", "txtTAS", 1, "12abc", 0, "120"},
    Entry{"letters_only", "optTall", "txtTAS", 1, "abc", 0, "0"},
    Entry{"point_after_an_inch", "optTall", "txtUSA", 0, "1.", 3, "0.0253999999999726"},
    Entry{"point_after_an_ounce", "optW", "txtUSA", 0, "1.", 3, "28.3495000184371"},
    Entry{"pounds", "optW", "txtUSA", 1, "2.5", 3, "1133.98000009453"},
    Entry{"square_feet", "optArea", "txtUSA", 1, "100", 3, "9.29000000000743"},
    Entry{"cubic_yards", "optSize", "txtUSA", 2, "3", 3, "2.29367962439803"},
    Entry{"square_kilometres", "optArea", "txtTAS", 6, "2.5", 3, "2500000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryFailures, a_lone_sign_in_the_base_field_ends_its_handler_quietly)
{
    TestForm f;
    f.type("txtTAS", 3, u"-"_s);
    EXPECT_EQ(f.failures, std::vector<std::string>{"txtTAS_Change(3): type mismatch"});
    EXPECT_EQ(f.text("txtTAS", 0), u"0"_s);
    EXPECT_EQ(f.text("txtUSA", 0), u""_s);
    f.failures.clear();
    f.type("txtTAS", 3, u"2"_s);  // the next good keystroke converts normally
    EXPECT_TRUE(f.failures.empty());
    EXPECT_EQ(f.text("txtUSA", 2), u"-2.18722181272"_s);
}

TEST(EntryFailures, a_lone_sign_in_an_imperial_field_changes_nothing)
{
    TestForm f;
    f.type("txtTAS", 3, u"1"_s);
    f.paste("txtUSA", 1, u"."_s);
    EXPECT_EQ(f.failures, std::vector<std::string>{"txtUSA_Change(1): type mismatch"});
    EXPECT_EQ(f.text("txtTAS", 3), u"1"_s);
}

TEST(EntryFailures, numbers_beyond_the_double_range_are_never_written)
{
    TestForm f;
    f.paste("txtTAS", 6, u"1e400"_s);
    EXPECT_EQ(f.failures, std::vector<std::string>{"txtTAS_Change(6): overflow"});
    f.failures.clear();
    f.paste("txtTAS", 6, u"1e305"_s);  // fine in kilometres, too large in millimetres
    EXPECT_EQ(f.failures, std::vector<std::string>{"txtTAS_Change(6): overflow"});
    for (const auto& text : unitTexts(f)) {
        EXPECT_EQ(text.find("inf"), std::string::npos);
        EXPECT_EQ(text.find("nan"), std::string::npos);
    }
}

TEST(EntryFields, blanks_at_the_ends_are_trimmed_and_inner_blanks_kept)
{
    TestForm f;
    f.type("txtTAS", 2, u" 1"_s);
    EXPECT_EQ(f.text("txtTAS", 2), u"1"_s);
    f.type("txtTAS", 2, u" "_s);
    EXPECT_EQ(f.text("txtTAS", 2), u"1"_s);
    f.paste("txtTAS", 2, u"1 2"_s);
    EXPECT_EQ(f.text("txtTAS", 2), u"1 2"_s);
    EXPECT_EQ(f.text("txtTAS", 3), u"1.2"_s);
}

TEST(EntryFields, deleting_the_driving_text_keeps_the_other_fields)
{
    TestForm f;
    f.type("txtTAS", 3, u"7"_s);
    f.paste("txtTAS", 3, QString());
    EXPECT_EQ(f.text("txtTAS", 0), u"7000"_s);
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

TEST(EntryFields, weight_leaves_the_fifth_imperial_field_alone)
{
    TestForm f;
    f.type("txtTAS", 3, u"1"_s);
    f.click("optW");
    f.type("txtTAS", 3, u"1"_s);
    EXPECT_EQ(f.text("txtUSA", 3), u"9.842E-07"_s);
    EXPECT_EQ(f.text("txtUSA", 4), u""_s);
}

TEST(EntryFields, a_comma_locale_reads_back_what_it_wrote)
{
    TestForm f(NumberFormat{u','});
    f.type("txtTAS", 1, u"12,5"_s);
    EXPECT_EQ(f.text("txtTAS", 3), u"0,125"_s);
    EXPECT_EQ(f.text("txtUSA", 0), u"4,921259842525"_s);
    f.type("txtUSA", 0, u"1"_s);  // 4,9212598425251 inches
    EXPECT_TRUE(f.failures.empty());
    f.focus(f.id("txtTAS", 3));
    f.paste("txtTAS", 3, f.text("txtTAS", 3) + u"5"_s);
    EXPECT_TRUE(f.failures.empty());
}

}  // namespace
