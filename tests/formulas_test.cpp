#include "test_form.h"

#include "assets/pictures.h"
#include "geometry/formulas.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

TEST(FormulaTexts, have_their_lengths_and_end_every_line_with_cr_lf)
{
    TestForm f;
    const std::pair<const char*, int> stores[] = {
        {"txtCircle", 132}, {"txt4", 114}, {"txtBall", 352}, {"txtMotwazi", 144}, {"txtMkhrot", 417},
        {"txtZawih", 458}, {"txtMokaab", 76}, {"txtMoshor", 206}, {"txtHaram", 391},
    };
    for (const auto& [store, length] : stores) {
        const QString text = f.text(store);
        EXPECT_EQ(text.size(), length) << store;
        EXPECT_TRUE(text.endsWith(u"\r\n"_s)) << store;
        EXPECT_EQ(text.count(u'\n'), text.count(u"\r\n"_s)) << store;
    }
    EXPECT_TRUE(f.text("txtMkhrot").split(u"\r\n"_s).at(8).startsWith(QString(9, u' ') + q("ح")));
    EXPECT_TRUE(f.text("txtMotwazi").split(u"\r\n"_s).at(6).endsWith(u'\t'));
    EXPECT_TRUE(f.text("txtMkhrot").contains(QChar(0x064E)));
}

struct Pick {
    int listIndex;
    const char* store;
    std::array<const char*, 4> pictures;
};

class Picks : public ::testing::TestWithParam<Pick> {};

TEST_P(Picks, show_the_figures_text_and_drawings)
{
    TestForm f;
    const Pick& p = GetParam();
    f.w().userPick(f.id("Combo1"), 2);  // all four slots filled first
    f.w().userPick(f.id("Combo1"), p.listIndex);
    EXPECT_EQ(f.text("txtGra"), f.text(p.store));
    const char* slots[] = {"Image16", "Image17", "Image18", "Image19"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.show(slots[i], -1, Prop::Picture), p.pictures[i]) << slots[i];
        const PictureInfo* info = pictureOf(p.pictures[i]);
        EXPECT_EQ(f.show(slots[i], -1, Prop::Width), std::to_string(info ? info->width * 15 : 1215));
        EXPECT_EQ(f.show(slots[i], -1, Prop::Height), std::to_string(info ? info->height * 15 : 495));
    }
}

INSTANTIATE_TEST_SUITE_P(ChoiceTable, Picks, ::testing::Values(
    Pick{0, "txtCircle", {"Image1", "", "", ""}},
    Pick{1, "txt4", {"Image2", "", "", ""}},
    Pick{2, "txtBall", {"Image3", "Image4", "Image5", "Image6"}},
    Pick{3, "txtMotwazi", {"Image7", "", "", ""}},
    Pick{4, "txtMkhrot", {"Image8", "Image9", "", ""}},
    Pick{5, "txtZawih", {"Image10", "", "", ""}},
    Pick{6, "txtMokaab", {"Image11", "", "", ""}},
    Pick{7, "txtMoshor", {"Image12", "", "", ""}},
    Pick{8, "txtHaram", {"Image13", "Image14", "Image15", ""}},
    Pick{-1, "txtHaram", {"Image13", "Image14", "Image15", ""}},
    Pick{42, "txtHaram", {"Image13", "Image14", "Image15", ""}}),
    [](const auto& info) { return "index_" + std::to_string(info.index); });

TEST(Picks, the_box_drawing_makes_its_slot_3390_by_1980_twips)
{
    TestForm f;
    f.w().userPick(f.id("Combo1"), 3);
    EXPECT_EQ(f.show("Image16", -1, Prop::Width), "3390");
    EXPECT_EQ(f.show("Image16", -1, Prop::Height), "1980");
    EXPECT_EQ(f.show("Image20", -1, Prop::Picture), "");
}

}  // namespace
