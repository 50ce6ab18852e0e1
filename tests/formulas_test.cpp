// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_form.h"

#include "geometry/formulas.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;
using namespace tavrimo::geometry;

namespace {

// The list's names, and each figure's store and text.
constexpr std::u16string_view kNames[] = {u"دائرة", u"مربع",  u"كرة",   u"متوازي مستطيلات", u"مخروط",
                                          u"زوايا", u"مكعب", u"موشور", u"هرم"};
const std::pair<const char*, std::u16string_view> kTexts[] = {
    {"txtCircle", kCircleText}, {"txt4", kSquareText},      {"txtBall", kSphereText},
    {"txtMotwazi", kCuboidText}, {"txtMkhrot", kConeText},  {"txtZawih", kAnglesText},
    {"txtMokaab", kCubeText},   {"txtMoshor", kPrismText}, {"txtHaram", kPyramidText}};

// Each text as it was read and agreed, character for character: its lines,
// its UTF-16 length and the start of the SHA-256 of its UTF-8 bytes. A text
// changed on purpose gets its new figures here from `sha256sum`.
struct Agreed {
    int lines;
    qsizetype length;
    const char* sha256;
};
constexpr Agreed kAgreed[] = {{7, 146, "d823b4bd90aceecb"}, {7, 114, "792d16410662d53c"}, {12, 398, "f1d1878768b6000f"},
                              {7, 144, "1976f29e8a17e0a5"}, {17, 462, "b5dbb2a1af68f205"}, {24, 474, "4265d44653e4ba03"},
                              {5, 79, "b031ad2454d73dfd"},  {5, 227, "e04a27ed25c2cce1"},  {16, 392, "a07d146056915a22"}};

// Every line of a text ends with CR LF; blanks and the tab stand as written.
TEST(FigureTexts, every_line_ends_with_cr_lf_and_keeps_its_blanks_and_tab)
{
    for (size_t i = 0; i < std::size(kTexts); ++i) {
        const auto& [store, text] = kTexts[i];
        const QString t = toQString(text);
        EXPECT_TRUE(t.endsWith(u"\r\n"_s)) << store;
        EXPECT_EQ(t.count(u'\n'), t.count(u"\r\n"_s)) << store;
        EXPECT_EQ(t.count(u"\r\n"_s), kAgreed[i].lines) << store;
        EXPECT_EQ(t.size(), kAgreed[i].length) << store;
        EXPECT_EQ(QCryptographicHash::hash(t.toUtf8(), QCryptographicHash::Sha256).toHex().left(16),
                  QByteArray(kAgreed[i].sha256)) << store;
    }
    EXPECT_TRUE(kSphereText.ends_with(u"\r\nنق = نصف قطر الكرة\r\n"));
    EXPECT_NE(kAnglesText.find(u"\r\nالنسب المثلثية للزوايا الشهيرة (بالدرجات) :\r\n"), std::u16string_view::npos);
    EXPECT_NE(kSquareText.find(u"فيها \r\n"), std::u16string_view::npos);
    EXPECT_TRUE(kCuboidText.ends_with(u"الارتفاع\t\r\n"));
    EXPECT_TRUE(kPyramidText.starts_with(u"الهرم : \r\n"));
    EXPECT_NE(kConeText.find(u"\r\n         ح = "), std::u16string_view::npos);
}

// A pick shows the name, the text in the box and its store, and each slot's
// picture, place and size in twips (1215 x 495 while empty). An index outside
// the list leaves the last figure shown.
struct Pick {
    int listIndex;
    size_t figure;  // the figure whose text the box shows
    std::array<const char*, 4> slots;
};

std::string slotState(TestForm& f, const char* slot)
{
    return f.show(slot, -1, Prop::Picture) + " " + f.show(slot, -1, Prop::Left) + "," + f.show(slot, -1, Prop::Top)
           + " " + f.show(slot, -1, Prop::Width) + "x" + f.show(slot, -1, Prop::Height);
}

class Picks : public ::testing::TestWithParam<Pick> {};

TEST_P(Picks, show_the_figures_text_and_drawings_in_their_places)
{
    TestForm f;
    const Pick& p = GetParam();
    f.w().userPick(f.id("Combo1"), 2);  // all four slots filled first
    f.w().userPick(f.id("Combo1"), p.listIndex);
    const auto& [store, text] = kTexts[p.figure];
    EXPECT_EQ(f.text("txtGra"), toQString(text));
    EXPECT_EQ(f.text(store), toQString(text));
    EXPECT_EQ(toQString(f.w().at(f.id("Combo1")).row->items[p.figure]), toQString(kNames[p.figure]));
    const char* names[] = {"Image16", "Image17", "Image18", "Image19"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(slotState(f, names[i]), p.slots[i]) << names[i];
    EXPECT_EQ(slotState(f, "Image20"), " 2640,3120 1215x495");
}

INSTANTIATE_TEST_SUITE_P(ChoiceTable, Picks, ::testing::Values(
    Pick{0, 0, {"Image1 360,1680 2130x2055", " 4320,1680 1215x495", " 360,4200 1215x495", " 4320,3960 1215x495"}},
    Pick{1, 1, {"Image2 360,1680 2475x2445", " 4320,1680 1215x495", " 360,4200 1215x495", " 4320,3960 1215x495"}},
    Pick{2, 2, {"Image3 360,1680 2460x2310", "Image4 4320,1680 2190x2055", "Image5 360,4200 2355x2250",
                "Image6 4320,3960 2160x2220"}},
    Pick{3, 3, {"Image7 360,1680 3390x1980", " 4320,1680 1215x495", " 360,4200 1215x495", " 4320,3960 1215x495"}},
    Pick{4, 4, {"Image8 360,1680 1980x2610", "Image9 4320,1680 1860x1440", " 360,4200 1215x495",
                " 4320,3960 1215x495"}},
    Pick{5, 5, {"Image10 360,1680 2040x1680", " 4320,1680 1215x495", " 360,4200 1215x495", " 4320,3960 1215x495"}},
    Pick{6, 6, {"Image11 360,1680 2400x2250", " 4320,1680 1215x495", " 360,4200 1215x495", " 4320,3960 1215x495"}},
    Pick{7, 7, {"Image12 360,1680 2310x1890", " 4320,1680 1215x495", " 360,4200 1215x495", " 4320,3960 1215x495"}},
    Pick{8, 8, {"Image13 360,1680 1485x1635", "Image14 4320,1680 2490x2040", "Image15 360,4200 1425x1245",
                " 4320,3960 1215x495"}},
    Pick{-1, 8, {"Image13 360,1680 1485x1635", "Image14 4320,1680 2490x2040", "Image15 360,4200 1425x1245",
                 " 4320,3960 1215x495"}},
    Pick{42, 8, {"Image13 360,1680 1485x1635", "Image14 4320,1680 2490x2040", "Image15 360,4200 1425x1245",
                 " 4320,3960 1215x495"}}),
    [](const auto& info) { return "index_" + std::to_string(info.index); });

}  // namespace
