// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_reference.h"
#include "test_form.h"

#include <gtest/gtest.h>

#include <random>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

void enter(TestForm& f, const QString& a, const QString& b, const QString& c)
{
    f.paste("txtA", -1, a);
    f.paste("txtB", -1, b);
    f.paste("txtG", -1, c);
}
void enter(TestForm& f, const char* a, const char* b, const char* c) { enter(f, q(a), q(b), q(c)); }

struct Solution {
    const char *name, *a, *b, *c, *sqrD, *s1, *s2;
};

class Solutions : public ::testing::TestWithParam<Solution> {};

TEST_P(Solutions, show_the_root_of_the_discriminant_and_both_roots)
{
    TestForm f;
    const Solution& s = GetParam();
    enter(f, s.a, s.b, s.c);
    f.click("cmdResult");
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.text("sqrD") + u'|' + f.text("s1") + u'|' + f.text("s2"),
              QString::fromUtf8(s.sqrD) + u'|' + QString::fromUtf8(s.s1) + u'|' + QString::fromUtf8(s.s2));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Solutions, ::testing::ValuesIn(std::vector<Solution>{
    {"two_roots", "1", "-3", "2", "1", "2", "1"}, {"fractional_root", "2", "3", "-5", "7", "1", "-2.5"},
    {"roots_from_the_full_square_root", "1", "0", "-2", "2.82842712474619", "1.4142135623731", "-1.4142135623731"},
    {"blanks_around_numbers", " 1 ", "-3", "2", "1", "2", "1"},
    {"small_root_beside_a_large_b", "1", "100000000", "1", "100000000", "-1E-08", "-100000000"},
    {"zero_root_beside_a_huge_b", "1", "123456789012345678", "0", "1.23456789012346E+17", "0", "-1.23456789012346E+17"},
    {"tiny_a", "1e-300", "1", "1", "1", "-1", "-1E+300"}, {"zero_roots_without_b", "2", "0", "0", "0", "0", "0"},
    // In the digits all three coefficients share; Western digits for a mix.
    {"arabic_digits", "١", "١", "-١", "٢٫٢٣٦٠٦٧٩٧٧٤٩٩٧٩", "٠٫٦١٨٠٣٣٩٨٨٧٤٩٨٩٥", "-١٫٦١٨٠٣٣٩٨٨٧٤٩٨٩"},
    {"digits_of_two_systems", "١", "٠", "-4", "4", "2", "-2"},
    // Each result correctly rounded from the exact coefficients.
    {"rounded_once", "34.5", "26.3", "-20", "58.7510850963623", "0.470305581106699", "-1.23262442168641"},
    {"root_rounded_once", "7", "29.72", "30", "6.57863207665545", "-1.65295485166747", "-2.59275943404682"},
    {"tiny_b", "1", "-1E-200", "0", "1E-200", "1E-200", "0"},
    {"huge_b", "1", "1E200", "1", "1E+200", "-1E-200", "-1E+200"},
    Solution{"tiny_coefficients", "1E-300", "1E-300", "-1E-300", "2.23606797749979E-300", "0.618033988749895",
             "-1.61803398874989"},
    {"b_at_the_smallest_double", "1", "5E-324", "0", "5E-324", "0", "-5E-324"},
    // D = 1/2: a square numerator over a denominator that is not a square.
    {"discriminant_a_fraction", "1", "0", "-0.125", "0.707106781186548", "0.353553390593274", "-0.353553390593274"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char *name, *a, *b, *c;
    bool noRoots;  // the information message, else the error message
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, show_exactly_one_message_and_change_what_they_should)
{
    TestForm f;
    enter(f, "1", "-3", "2");
    f.click("cmdResult");
    const Refusal& r = GetParam();
    enter(f, r.a, r.b, r.c);
    f.click("cmdResult");
    ASSERT_EQ(f.messages.shown.size(), 1u);
    const ShownMessage& m = f.messages.shown.front();
    if (r.noRoots) {
        // Delta is negative: no real root. The prompt ends in 28 blanks.
        EXPECT_EQ(m.prompt, q("في هذه الحالة يكون دلتا سالبًا مما يعني عدم وجود أي حل حقيقي لهذه المعادلة فهي مستحيلة الحل في مجموعة الأعداد الحقيقية")
                                + QString(28, u' '));
        EXPECT_EQ(m.title, u"..."_s);
        EXPECT_EQ(m.icon, MessageIcon::Information);
    } else {
        EXPECT_EQ(m.prompt, q("لم تدخل أي معطيات أو أنها خاطئة"));
        EXPECT_EQ(m.title, q("خطأ"));
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
    // No result of the earlier equation stays beside the message, from the
    // moment it opens.
    EXPECT_EQ(m.results, u"||"_s);
    EXPECT_EQ(f.text("sqrD") + f.text("s1") + f.text("s2"), u""_s);
}

INSTANTIATE_TEST_SUITE_P(Messages, Refusals, ::testing::ValuesIn(std::vector<Refusal>{
    {"empty_field", "1", "", "2", false}, {"blanks_only", "1", "   ", "2", false}, {"letters", "x", "2", "1", false},
    {"lone_sign", "1", "-", "1", false}, {"discriminant_far_below_zero", "1e300", "1", "1e300", true},
    {"root_beyond_the_range", "1e-300", "1e300", "0", false},
    {"coefficient_just_beyond_the_largest_double", "1.8e308", "0", "0", false},
    // D is not a square: the root beyond the range is found by bounding it.
    {"root_beyond_the_range_of_an_irrational_pair", "1e-308", "1e10", "1", false},
    {"slightly_negative_discriminant", "1", "2", "1.0000001", true}, {"linear_equation", "0", "5", "1", false},
    {"nothing_at_all", "0", "0", "0", false}}),
    [](const auto& info) { return std::string(info.param.name); });

// Results belong to the equation shown: any change to a coefficient, or
// clearing them, empties the results without a handler or a message.
TEST(SolverClearing, results_go_with_their_equation)
{
    for (const char* change : {"txtA", "txtB", "txtG", "cmdCls"}) {
        TestForm f;
        enter(f, "1", "1", "-6");
        f.click("cmdResult");
        ASSERT_EQ(f.text("s1"), u"2"_s);
        f.program.takeStats();
        if (std::string(change) == "cmdCls")
            f.click(change);
        else
            f.type(change, u"2"_s);
        EXPECT_EQ(f.text("sqrD") + f.text("s1") + f.text("s2"), u""_s) << change;
        EXPECT_EQ(f.program.takeStats().handlers, std::string(change) == "cmdCls" ? 1 : 0) << change;
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

// Random equations against an independent computation at 4000 bits, their
// coefficients in one digit system or now and then in two.
TEST(RandomEquations, every_result_is_correctly_rounded)
{
    using reference::Amount;
    std::mt19937 random(11);
    const auto coefficient = [&random] {
        std::string text = std::to_string(random() % 100000);
        text.insert(random() % (text.size() + 1), ".");
        if (random() % 2 == 0)
            text.insert(0, "-");
        return text + "E" + std::to_string(static_cast<int>(random() % 61) - 30);
    };
    for (int round = 0; round < 300; ++round) {
        TestForm f;
        const auto system = static_cast<reference::Digits>(random() % 3);
        const auto other = random() % 4 == 0 ? static_cast<reference::Digits>(random() % 3) : system;
        const QString a = reference::inDigits(coefficient(), system, random() % 2 == 0);
        const QString b = reference::inDigits(coefficient(), system, random() % 2 == 0);
        const QString c = reference::inDigits(coefficient(), other, random() % 2 == 0);
        enter(f, a, b, c);
        f.click("cmdResult");
        const Amount A(a), B(b), C(c);
        const Amount d = B * B - Amount(4) * A * C;
        if (!f.messages.shown.empty() || f.text("sqrD").isEmpty())
            continue;  // no real root, or a = 0
        const Amount root = sqrt(d);
        const Amount expected[] = {root, (Amount(0) - B + root) / (Amount(2) * A), (Amount(0) - B - root) / (Amount(2) * A)};
        const char* results[] = {"sqrD", "s1", "s2"};
        const std::string equation = (a + u' ' + b + u' ' + c).toStdString();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(reference::shown(f.text(results[i])), expected[i].shown()) << equation;
            EXPECT_TRUE(reference::writtenIn(f.text(results[i]), other == system ? system : reference::Digits::Western))
                << equation << " " << f.text(results[i]).toStdString();
        }
    }
}

}  // namespace
