// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_reference.h"
#include "test_form.h"

#include <gtest/gtest.h>

#include <random>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

struct TemperatureCase {
    const char *name, *field, *text, *c, *f, *k;
};

class TemperatureTexts : public ::testing::TestWithParam<TemperatureCase> {};

// Pasted whole, then typed key by key: the same three texts.
TEST_P(TemperatureTexts, a_text_put_into_one_field_sets_the_other_two)
{
    const TemperatureCase& t = GetParam();
    for (bool typed : {false, true}) {
        TestForm form;
        typed ? form.type(t.field, QString::fromUtf8(t.text)) : form.paste(t.field, -1, QString::fromUtf8(t.text));
        EXPECT_EQ(form.text(t.field).toStdString(), t.text);
        EXPECT_EQ(form.text("txtC") + u' ' + form.text("txtF") + u' ' + form.text("txtK"),
                  QString::fromUtf8(t.c) + u' ' + QString::fromUtf8(t.f) + u' ' + QString::fromUtf8(t.k)) << typed;
        EXPECT_TRUE(typed || form.failures.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(FinalTexts, TemperatureTexts, ::testing::ValuesIn(std::vector<TemperatureCase>{
    {"boiling_celsius", "txtC", "100", "100", "212", "373"}, {"body_celsius", "txtC", "37", "37", "98.6", "310"},
    {"body_fahrenheit", "txtF", "98.6", "37", "98.6", "310"}, {"zero_kelvin", "txtK", "0", "-273", "-459.4", "0"},
    // Each field comes from the typed amount, never from another field's
    // rounded text: through the Celsius text it would read 80.8222222202221.
    TemperatureCase{"kelvin_reaches_fahrenheit_exactly", "txtK", "300.123456789012345", "27.1234567890123",
                    "80.8222222202222", "300.123456789012345"},
    {"far_below_zero_fahrenheit", "txtF", "-500", "-295.555555555556", "-500", "-22.5555555555556"},
    {"absolute_zero_fahrenheit", "txtF", "-459.67", "-273.15", "-459.67", "-0.15"},
    {"kelvin_of_ice_with_the_offset_273", "txtK", "273.15", "0.15", "32.27", "273.15"},
    {"minus_forty_celsius", "txtC", "-40", "-40", "-40", "233"},
    {"arabic_digits", "txtC", "٣٧٫٥", "٣٧٫٥", "٩٩٫٥", "٣١٠٫٥"}, {"extended_digits", "txtF", "-۴۰", "-۴۰", "-۴۰", "۲۳۳"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadTemperature {
    const char *name, *text;
    std::vector<std::string> failures;
};

class TemperatureFailures : public ::testing::TestWithParam<BadTemperature> {};

TEST_P(TemperatureFailures, end_the_handler_and_empty_the_other_fields)
{
    TestForm form;
    form.paste("txtC", -1, u"10"_s);
    form.paste("txtF", -1, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(form.failures, GetParam().failures);
    EXPECT_EQ(form.text("txtF"), trimSpaces(QString::fromUtf8(GetParam().text)).toString());
    EXPECT_EQ(form.text("txtC"), u""_s);
    EXPECT_EQ(form.text("txtK"), u""_s);
}

INSTANTIATE_TEST_SUITE_P(BadInput, TemperatureFailures, ::testing::ValuesIn(std::vector<BadTemperature>{
    {"lone_minus", "-", {"txtF_Change: type mismatch"}}, {"lone_point", ".", {"txtF_Change: type mismatch"}},
    {"letters", "abc", {"txtF_Change: type mismatch"}},
    // Trimming runs the handler again on the empty text, then the outer run
    // meets the same empty text.
    {"blanks_only", "   ", {"txtF_Change: type mismatch", "txtF_Change: type mismatch"}},
    {"beyond_the_range", "1e400", {"txtF_Change: overflow"}},
    {"a_tab_is_no_blank", "5\t", {"txtF_Change: type mismatch"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TemperatureEdges, a_result_beyond_the_range_is_never_written_and_no_old_one_stays)
{
    TestForm form;
    form.paste("txtF", -1, u"50"_s);
    form.paste("txtC", -1, u"1.5e308"_s);
    EXPECT_EQ(form.failures, std::vector<std::string>{"txtC_Change: overflow"});
    EXPECT_EQ(form.text("txtF"), u""_s);
    EXPECT_EQ(form.text("txtK"), u""_s);
    // Trimmed first: what the nested run of the trimmed text wrote belongs to
    // the same edit and stays.
    form.paste("txtK", -1, u"1.5e308 "_s);
    EXPECT_EQ(form.text("txtC"), u"1.5E+308"_s);
    EXPECT_EQ(form.text("txtF"), u""_s);
}

// Random temperatures in each field and digit system against an
// independent exact computation with the offset 273.
TEST(RandomTemperatures, every_field_shows_the_exact_amount_correctly_rounded)
{
    using reference::Amount;
    std::mt19937 random(7);
    const char* fields[] = {"txtC", "txtF", "txtK"};
    for (int round = 0; round < 300; ++round) {
        TestForm form;
        const char* field = fields[round % 3];
        std::string typed = std::to_string(random() % 100000);
        typed.insert(random() % (typed.size() + 1), ".");
        if (random() % 2 == 0)
            typed.insert(0, "-");
        const auto system = static_cast<reference::Digits>(random() % 3);
        const QString text = reference::inDigits(typed, system, random() % 2 == 0);
        form.paste(field, -1, text);
        const Amount t(text);
        const Amount nine(9), five(5), offset(273), freezing(32);
        const Amount c = round % 3 == 0 ? t : round % 3 == 1 ? (t - freezing) * five / nine : t - offset;
        const Amount expected[] = {c, c * nine / five + freezing, c + offset};
        for (int i = 0; i < 3; ++i) {
            const QString shown = form.text(fields[i]);
            EXPECT_EQ(reference::shown(shown), expected[i].shown()) << field << " " << text.toStdString();
            EXPECT_TRUE(reference::writtenIn(shown, system) || i == round % 3) << text.toStdString() << " " << shown.toStdString();
        }
    }
}

}  // namespace
