// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_form.h"

#include "geometry/formulas.h"

#include <gtest/gtest.h>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

// Each figure's name and its text, character for character (CR LF, blanks, tab).
struct Figure {
    int listIndex;
    const char* store;
    std::u16string_view item;
    std::u16string_view text;
};

const Figure kFigures[] = {
    {0, "txtCircle", u"دائرة",
     u"المحيط: م = 2(ب)ر\r\n"
     u"المساحة: سط = (ب)ر^2\r\n"
     u"طول القوس: ل = يه* ر (يه بالراديان)\r\n"
     u"مساحة القطاع الدائري: سط = 1/2 ل ر\r\n"
     u"\r\n"
     u"ر= نصف قطر الدائرة\r\n"
     u"ب = 22/7\r\n"},
    {1, "txt4", u"مربع",
     u"ضلعه: ض =ر*جذر2\r\n"
     u"محيطه: مح = 4ض\r\n"
     u"مساحته: سط = ض^2\r\n"
     u"قطره: ق = ض*جذر2\r\n"
     u"\r\n"
     u"ر= نصف قطر الدائرة التي رسم فيها \r\n"
     u"المربع\r\n"},
    {2, "txtBall", u"كرة",
     u"مساحة المنطقة الكروية: سط = 2 (ب) نق ع\r\n"
     u"مساحة الكرة : سط = 4 (ب) (نق^2)\r\n"
     u"مساحة القبة الكروية : سط = (ب) (و^2)\r\n"
     u"مساحة الحز الكروي : سط = {[4 (ب) (نق^2)]/ 360} × (يه درجة)\r\n"
     u"حجم القطاع الكروي : ح = 2/3 (ب) (نق^2) ع\r\n"
     u"حجم الكرة : ح = 4/3 (ب) (نق^ 3)\r\n"
     u"حجم القبة الكروية : ح = 1/3 (ب) (ع^2) (3 نق - ع)\r\n"
     u"\r\n"
     u"(ب) = 22/7\r\n"
     u"ع = ارتفاع المنطقة أو القبة\r\n"
     u"و = طول الوتر من قمة القبة إلى حافتها\r\n"
     u"نق = نصف قطر الكرة\r\n"},
    {3, "txtMotwazi", u"متوازي مستطيلات",
     u"مساحته الكلية: سط = 2 (س ع + ع ص + ص س )\r\n"
     u"حجمه: ح = س ع ص\r\n"
     u"طول قطره : ق = جذر [ (س^2) + (ع^2) + (ص^2) ]\r\n"
     u"\r\n"
     u"س = الطول\r\n"
     u"ع = العرض\r\n"
     u"ص = الارتفاع\t\r\n"},
    {4, "txtMkhrot", u"مخروط",
     u"المخروط الدوراني القائم\r\n"
     u"المساحة الجانبية: سط = (ب) نق عا\r\n"
     u"المساحة الكلية: سطَ = سط + ق\r\n"
     u"حجمه: ح = 1/3 ق ع\r\n"
     u"جذع المخروط الدوراني القائم\r\n"
     u"مساحته الجانبية: سط = (ب) (نق+نقَ) عا\r\n"
     u"مساحته الكلية: سطَ = سط + ق + قَ\r\n"
     u"حجمه: ح = ع/3 [ق + قَ + جذر (ق قَ) ]\r\n"
     u"         ح = [(ب)ع]/ 3 [نق^2 + نقَ^2 + (نق نقَ)]\r\n"
     u"\r\n"
     u"(ب) = 22/7\r\n"
     u"ق = مساحة القاعدة\r\n"
     u"قَ =  مساحة القاعدة الصغرى في جذع المخروط\r\n"
     u"نقَ = نصف قطر القاعدة الصغرى في جذع المخروط\r\n"
     u"نق = نصف القطر\r\n"
     u"ع = الارتفاع\r\n"
     u"عا = العامد\r\n"},
    {5, "txtZawih", u"زوايا",
     u"جب يه = المقابل / الوتر\r\n"
     u"تجب يه = المجاور / الوتر\r\n"
     u"ظل يه = المقابل / المجاور\r\n"
     u"ظل يه = جب يه / تجب يه\r\n"
     u"تظل يه = المجاور / المقابل\r\n"
     u"جب^2 يه + تجب^2 يه = 1\r\n"
     u"\r\n"
     u"النسب المثلثية للزوايا الشهيرة (بالدرجات) :\r\n"
     u"جب 45 = 1/ جذر 2\r\n"
     u"تجب 45 = جب 45\r\n"
     u"ظل 45 = 1\r\n"
     u"تظل 45 = ظل 45\r\n"
     u"جب 30= 1/2\r\n"
     u"تجب 30= [جذر 3]÷2\r\n"
     u"ظل 30= 1÷ جذر 3\r\n"
     u"تظل 30= جذر 3\r\n"
     u"جب 60= تجب30\r\n"
     u"تجب 60= جب 30\r\n"
     u"ظل 60= تظل 30\r\n"
     u"تظل60= ظل 30\r\n"
     u"\r\n"
     u"التحويل من يه درجة إلى يه راديان وبالعكس\r\n"
     u"يه رد = (ب) يه د ÷180\r\n"
     u"يه د = 180 يه رد ÷ (ب)\r\n"},
    {6, "txtMokaab", u"مكعب",
     u"المساحة الكلية: سط = 6ل^2\r\n"
     u"حجمه: ح = ل^3\r\n"
     u"طول قطره: ق = ل*جذر3\r\n"
     u"\r\n"
     u"ل= طول ضلعه\r\n"},
    {7, "txtMoshor", u"موشور",
     u"حجمه : ح = مساحة القاعدة × الارتفاع\r\n"
     u"حجم الموشور المائل : ح = مساحة المقطع القائم × طول حرفه\r\n"
     u"المساحة الجانبية: سط = محيط المقطع القائم × طول حرفه\r\n"
     u"المساحة الكلية: سطَ = المساحة الجانبية + مجموع مساحتي القاعدتين\r\n"
     u"ع = الارتفاع\r\n"},
    {8, "txtHaram", u"هرم",
     u"الهرم : \r\n"
     u"المساحة الجانبية لهرم منتظم : سط = ط × عا\r\n"
     u"المساحة الكلية : سطَ = سط + ق\r\n"
     u"حجمه : ح = (1/3) ق ع\r\n"
     u"\r\n"
     u"ط = نصف محيط القاعدة\r\n"
     u"عا = طول العامد\r\n"
     u"ق = مساحة القاعدة\r\n"
     u"ع = الارتفاع\r\n"
     u"\r\n"
     u"جذع الهرم :\r\n"
     u"المساحة الجانبية لجذع هرم منتظم : سط = (ط + طَ) عا \r\n"
     u"المساحة الكلية : سطَ = سط + ق + قَ\r\n"
     u"حجم جذع الهرم : ح = (ع/3) [ق + قَ + جذر (ق قَ) ]\r\n"
     u"ط , طَ = نصفا محيطي القاعدتين\r\n"
     u"ق , قَ = مساحتا القاعدتين\r\n"},
};

// A pick shows the name, the text in the box and its store, and each slot's
// picture, place and size in twips (1215 x 495 while empty). An index outside
// the list leaves the last figure shown.
struct Pick {
    int listIndex;
    size_t figure;  // row of kFigures whose text the box shows
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
    const Figure& fig = kFigures[p.figure];
    EXPECT_EQ(f.text("txtGra"), toQString(fig.text));
    EXPECT_EQ(f.text(fig.store), toQString(fig.text));
    EXPECT_EQ(toQString(f.w().at(f.id("Combo1")).row->items[static_cast<size_t>(fig.listIndex)]), toQString(fig.item));
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
