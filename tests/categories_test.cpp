// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_form.h"

#include "units/catalogue.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

struct CategoryCase {
    const char* option;
    int code;
    std::array<const char*, 12> names;  // captions of Label3D1(0..11) after the switch from length
    std::array<const char*, 5> tags;    // Tag of txtUSA(0..4)
    std::array<bool, 4> shown;          // txtUSA(3), txtUSA(4), Label3D1(10), Label3D1(11)
};

class CategorySwitch : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(CategorySwitch, writes_names_factors_and_visibility_and_empties_the_fields)
{
    TestForm f;
    f.type("txtTAS", 3, u"5"_s);
    ASSERT_EQ(f.text("txtUSA", 0), u"196.850393700787"_s);

    const CategoryCase& c = GetParam();
    f.click(c.option);
    EXPECT_EQ(f.form().bytCategory, c.code);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(f.w().at(f.id("Label3D1", k)).caption, q(c.names[static_cast<size_t>(k)])) << k;
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(f.w().at(f.id("txtUSA", j)).tag, q(c.tags[static_cast<size_t>(j)])) << j;
    const std::array<bool, 4> shown{f.w().at(f.id("txtUSA", 3)).visible, f.w().at(f.id("txtUSA", 4)).visible,
                                    f.w().at(f.id("Label3D1", 10)).visible, f.w().at(f.id("Label3D1", 11)).visible};
    EXPECT_EQ(shown, c.shown);
    for (int k = 0; k < 12; ++k)
        EXPECT_TRUE(f.text(k < 7 ? "txtTAS" : "txtUSA", k < 7 ? k : k - 7).isEmpty()) << k;
    EXPECT_TRUE(f.failures.empty());
}

INSTANTIATE_TEST_SUITE_P(FromLength, CategorySwitch, ::testing::Values(
    CategoryCase{"optTall", 1,
                 {"مليمتر", "سنتيمتر", "ديسيمتر", "متر", "ديكامتر", "هيكتومتر", "كيلومتر", "بوصة", "قدم", "ياردة", "ميل", "ميل بحري"},
                 {"39.370078740157480", "3.2808398950131234", "1.0936132983377078", "0.62137119223733397E-3",
                  "0.53995680345572354E-3"},
                 {true, true, true, true}},
    CategoryCase{"optArea", 2,
                 {"مليمتر مربع", "سنتيمتر مربع", "ديسيمتر مربع", "متر مربع", "ديكامتر مربع", "هيكتومتر مربع",
                  "كيلومتر مربع", "بوصة مربعة", "قدم مربع", "إيكر", "ميل مربع", "ميل بحري"},
                 {"1550.0031000062000", "10.763910416709722", "0.24710538146716534E-3", "0.38610215854244585E-6",
                  "0.53995680345572354E-3"},
                 {true, false, true, false}},
    CategoryCase{"optSize", 3,
                 {"مليمتر مكعب", "سنتيمتر مكعب", "ديسيمتر مكعب", "متر مكعب", "ديكامتر مكعب", "هيكتومتر مكعب",
                  "كيلومتر مكعب", "بوصة مكعبة", "قدم مكعب", "ياردة مكعبة", "ميل", "ميل بحري"},
                 {"61023.744094732284", "35.314666721488590", "1.3079506193143922", "0.62137119223733397E-3",
                  "0.53995680345572354E-3"},
                 {false, false, false, false}},
    CategoryCase{"optW", 4,
                 {"مليغرام", "سنتيغرام", "ديسيغرام", "غرام", "ديكاغرام", "هيكتوغرام", "كيلوغرام", "أونسة", "رطل",
                  "طن متري", "طن طويل", "ميل بحري"},
                 {"0.035273961949580412", "0.0022046226218487757", "0.000001", "0.98420652761106063E-6",
                  "0.53995680345572354E-3"},
                 {true, false, true, false}}),
    [](const auto& info) { return std::string(info.param.option); });

TEST(CategoryHistory, hidden_slots_keep_what_an_earlier_category_gave_them)
{
    TestForm f;
    f.click("optArea");
    f.click("optW");
    EXPECT_EQ(f.w().at(f.id("Label3D1", 10)).caption, q("طن طويل"));
    EXPECT_EQ(f.w().at(f.id("Label3D1", 11)).caption, q("ميل بحري"));
    f.click("optSize");
    f.click("optArea");
    EXPECT_EQ(f.w().at(f.id("txtUSA", 3)).tag, q("0.38610215854244585E-6"));
    EXPECT_TRUE(f.w().at(f.id("txtUSA", 3)).visible);
    EXPECT_FALSE(f.w().at(f.id("txtUSA", 4)).visible);
}

// The Tag factors are the reciprocals of the exact unit sizes, to a double.
TEST(CategoryFactors, are_the_reciprocals_of_the_defined_sizes)
{
    for (const auto& category : units::kFactorTexts)
        for (std::u16string_view tag : category)
            if (!tag.empty()) {
                const Exact exact = units::unitsPerBase(toQString(tag));
                EXPECT_LT(abs(readExact(toQString(tag), NumberFormat{}) - exact) * powerOfTen(16), exact)
                    << toQString(tag).toStdString();
            }
}

TEST(CategoryHistory, leaving_an_imperial_field_keeps_the_base_unit_as_driver)
{
    TestForm f;
    f.focus(f.id("txtUSA", 1));
    f.focus(f.id("txtA"));
    f.click("optArea");
    EXPECT_EQ(f.form().bytSource, 3);
}

}  // namespace
