#include "test_form.h"

#include "quadratic/solver.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {


void enter(TestForm& f, const char* a, const char* b, const char* c)
{
    f.paste("txtA", -1, QString::fromUtf8(a));
    f.paste("txtB", -1, QString::fromUtf8(b));
    f.paste("txtG", -1, QString::fromUtf8(c));
}

struct Solution {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    const char* sqrD;
    const char* s1;
    const char* s2;
};

class Solutions : public ::testing::TestWithParam<Solution> {};

TEST_P(Solutions, show_the_root_of_the_discriminant_and_both_roots)
{
    TestForm f;
    const Solution& s = GetParam();
    enter(f, s.a, s.b, s.c);
    f.click("cmdResult");
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.text("sqrD").toStdString(), s.sqrD);
    EXPECT_EQ(f.text("s1").toStdString(), s.s1);
    EXPECT_EQ(f.text("s2").toStdString(), s.s2);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, Solutions, ::testing::Values(
    Solution{"two_roots", "1", "-3", "2", "1", "2", "1"},
    Solution{"double_root", "1", "2", "1", "0", "-1", "-1"},
    Solution{"fractional_root", "2", "3", "-5", "7", "1", "-2.5"},
    Solution{"repeating_root", "3", "2", "-1", "4", "0.333333333333333", "-1"},
    Solution{"roots_from_the_displayed_square_root", "1", "0", "-2", "2.82842712474619", "1.41421356237309",
             "-1.41421356237309"},
    Solution{"blanks_around_numbers", " 1 ", "-3", "2", "1", "2", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    bool noRoots;  // the information message, else the error message
    const char* sqrDAfter;
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
        EXPECT_EQ(m.prompt, toQString(quadratic::kNoRootsPrompt));
        EXPECT_EQ(m.title, u"..."_s);
        EXPECT_EQ(m.icon, MessageIcon::Information);
    } else {
        EXPECT_EQ(m.prompt, q("لم تدخل أي معطيات أو أنها خاطئة"));
        EXPECT_EQ(m.title, q("خطأ"));
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
    EXPECT_EQ(f.text("sqrD").toStdString(), r.sqrDAfter);
    EXPECT_EQ(f.text("s1"), u"2"_s);
    EXPECT_EQ(f.text("s2"), u"1"_s);
}

INSTANTIATE_TEST_SUITE_P(Messages, Refusals, ::testing::Values(
    Refusal{"empty_field", "1", "", "2", false, "1"},
    Refusal{"blanks_only", "1", "   ", "2", false, "1"},
    Refusal{"letters", "x", "2", "1", false, "1"},
    Refusal{"lone_sign", "1", "-", "1", false, "1"},
    Refusal{"square_overflows", "1", "1e200", "1", false, "1"},
    Refusal{"product_overflows", "1e300", "1", "1e300", false, "1"},
    Refusal{"slightly_negative_discriminant", "1", "2", "1.0000001", true, "1"},
    Refusal{"linear_equation_shows_b_first", "0", "5", "1", false, "5"},
    Refusal{"nothing_at_all", "0", "0", "0", false, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolverPrompts, the_no_roots_prompt_keeps_its_trailing_blanks)
{
    EXPECT_EQ(quadratic::kNoRootsPrompt.size(), 119u);
    EXPECT_TRUE(toQString(quadratic::kNoRootsPrompt).endsWith(QString(28, u' ')));
    EXPECT_FALSE(toQString(quadratic::kNoRootsPrompt).endsWith(QString(29, u' ')));
}

TEST(SolverClearing, clearing_empties_only_the_coefficients)
{
    TestForm f;
    enter(f, "2", "3", "-5");
    f.click("cmdResult");
    f.click("cmdCls");
    for (const char* field : {"txtA", "txtB", "txtG"})
        EXPECT_TRUE(f.text(field).isEmpty()) << field;
    EXPECT_EQ(f.text("sqrD"), u"7"_s);
    EXPECT_EQ(f.text("s2"), u"-2.5"_s);
}

}  // namespace
