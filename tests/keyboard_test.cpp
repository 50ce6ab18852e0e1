// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_form.h"

#include "window/keyboard.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

// A control written as in the program, "" for none.
ControlId named(TestForm& f, const std::string& name)
{
    if (name.empty())
        return kNoControl;
    const auto open = name.find('(');
    if (open == std::string::npos)
        return f.id(name.c_str());
    return f.id(name.substr(0, open).c_str(), std::stoi(name.substr(open + 1)));
}

std::string nameOf(TestForm& f, ControlId id)
{
    return id == kNoControl ? std::string() : controlName(f.w().at(id)).toStdString();
}

struct KeyRow {
    const char* name;
    WindowKey key;
    const char* focused;
    int page;
    const char* pressed;
};

class WindowKeys : public ::testing::TestWithParam<KeyRow> {};

TEST_P(WindowKeys, press_the_button_of_the_page_on_view_or_the_focused_one)
{
    TestForm f;
    const KeyRow& row = GetParam();
    EXPECT_EQ(nameOf(f, buttonForKey(f.w(), row.key, named(f, row.focused), row.page)), row.pressed);
}

INSTANTIATE_TEST_SUITE_P(Table, WindowKeys, ::testing::Values(
    KeyRow{"enter_from_the_tab_strip", WindowKey::Enter, "SSTab1", 1, "cmdResult"},
    KeyRow{"esc_from_the_tab_strip", WindowKey::Esc, "SSTab1", 1, "cmdCls"},
    KeyRow{"enter_from_a_coefficient", WindowKey::Enter, "txtA", 1, "cmdResult"},
    KeyRow{"esc_from_a_temperature", WindowKey::Esc, "txtK", 1, "cmdCls"},
    KeyRow{"enter_with_no_focus", WindowKey::Enter, "", 1, "cmdResult"},
    KeyRow{"enter_on_focused_clear_button", WindowKey::Enter, "cmdCls", 1, "cmdCls"},
    KeyRow{"enter_on_focused_result_button", WindowKey::Enter, "cmdResult", 1, "cmdResult"},
    KeyRow{"esc_on_focused_result_button", WindowKey::Esc, "cmdResult", 1, "cmdCls"},
    KeyRow{"enter_on_the_unit_page", WindowKey::Enter, "txtTAS(3)", 0, ""},
    KeyRow{"esc_on_the_unit_page", WindowKey::Esc, "optTall", 0, ""},
    KeyRow{"enter_on_the_formula_page", WindowKey::Enter, "Combo1", 2, ""},
    KeyRow{"esc_on_the_formula_page", WindowKey::Esc, "SSTab1", 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArrowRow {
    const char* from;
    int step;
    const char* to;
};

class OptionArrows : public ::testing::TestWithParam<ArrowRow> {};

TEST_P(OptionArrows, move_down_or_up_the_group_and_wrap_round)
{
    TestForm f;
    const ArrowRow& row = GetParam();
    EXPECT_EQ(nameOf(f, neighbourOption(f.w(), named(f, row.from), row.step)), row.to);
}

INSTANTIATE_TEST_SUITE_P(Table, OptionArrows, ::testing::Values(
    ArrowRow{"optTall", 1, "optArea"},
    ArrowRow{"optArea", 1, "optSize"},
    ArrowRow{"optSize", 1, "optW"},
    ArrowRow{"optW", 1, "optTall"},
    ArrowRow{"optTall", -1, "optW"},
    ArrowRow{"optW", -1, "optSize"},
    ArrowRow{"optArea", -1, "optTall"},
    ArrowRow{"txtA", 1, ""},
    ArrowRow{"cmdCls", -1, ""}),
    [](const auto& info) {
        return std::string(info.param.from) + (info.param.step > 0 ? "_down" : "_up");
    });

TEST(TabStops, the_option_group_is_entered_at_its_selected_button)
{
    TestForm f;
    const auto stops = [&f] {
        std::string out;
        for (const char* name : {"optTall", "optArea", "optSize", "optW"})
            out += isTabStop(f.w(), f.id(name)) ? '1' : '0';
        return out;
    };
    EXPECT_EQ(stops(), "1000");
    f.w().userClick(f.id("optSize"));
    EXPECT_EQ(stops(), "0010");
    f.w().userClick(f.id("optSize"));
    EXPECT_EQ(stops(), "0010");
    EXPECT_TRUE(isTabStop(f.w(), f.id("txtA")));
    EXPECT_TRUE(isTabStop(f.w(), f.id("Combo1")));
    EXPECT_FALSE(isTabStop(f.w(), f.id("Label4")));
    EXPECT_FALSE(isTabStop(f.w(), f.id("Frame1")));
}

}  // namespace
