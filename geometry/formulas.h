// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The figure list of the formula page, the formula texts of its nine stores and
// the choice of text and drawings for each figure.

#include <array>
#include <string_view>

namespace tavrimo {

namespace geometry {

inline constexpr std::array<std::u16string_view, 9> kFigureNames = {
    u"دائرة", u"مربع", u"كرة", u"متوازي مستطيلات", u"مخروط",
    u"زوايا", u"مكعب", u"موشور", u"هرم",
};

// Shown greyed in the figure list while no figure is picked.
inline constexpr std::u16string_view kFigureListHint = u"اختر شكلاً";

// Every line, the last included, ends with CR LF; blanks are as written.
// txtCircle: circle.
inline constexpr std::u16string_view kCircleText =
    u"المحيط: م = 2(ب)ر\r\n"
    u"المساحة: سط = (ب)ر^2\r\n"
    u"طول القوس: ل = يه* ر (يه بالراديان)\r\n"
    u"مساحة القطاع الدائري: سط = 1/2 ل ر\r\n"
    u"\r\n"
    u"ر= نصف قطر الدائرة\r\n"
    u"ب = 22/7\r\n";

// txt4: square inscribed in a circle.
inline constexpr std::u16string_view kSquareText =
    u"ضلعه: ض =ر*جذر2\r\n"
    u"محيطه: مح = 4ض\r\n"
    u"مساحته: سط = ض^2\r\n"
    u"قطره: ق = ض*جذر2\r\n"
    u"\r\n"
    u"ر= نصف قطر الدائرة التي رسم فيها \r\n"
    u"المربع\r\n";

// txtBall: sphere and its parts.
inline constexpr std::u16string_view kSphereText =
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
    u"نق = نصف قطر الكرة\r\n";

// txtMotwazi: rectangular box.
inline constexpr std::u16string_view kCuboidText =
    u"مساحته الكلية: سط = 2 (س ع + ع ص + ص س )\r\n"
    u"حجمه: ح = س ع ص\r\n"
    u"طول قطره : ق = جذر [ (س^2) + (ع^2) + (ص^2) ]\r\n"
    u"\r\n"
    u"س = الطول\r\n"
    u"ع = العرض\r\n"
    u"ص = الارتفاع\t\r\n";

// txtMkhrot: right circular cone and its frustum.
inline constexpr std::u16string_view kConeText =
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
    u"عا = العامد\r\n";

// txtZawih: angles: trigonometric ratios.
inline constexpr std::u16string_view kAnglesText =
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
    u"يه د = 180 يه رد ÷ (ب)\r\n";

// txtMokaab: cube.
inline constexpr std::u16string_view kCubeText =
    u"المساحة الكلية: سط = 6ل^2\r\n"
    u"حجمه: ح = ل^3\r\n"
    u"طول قطره: ق = ل*جذر3\r\n"
    u"\r\n"
    u"ل= طول ضلعه\r\n";

// txtMoshor: prism.
inline constexpr std::u16string_view kPrismText =
    u"حجمه : ح = مساحة القاعدة × الارتفاع\r\n"
    u"حجم الموشور المائل : ح = مساحة المقطع القائم × طول حرفه\r\n"
    u"المساحة الجانبية: سط = محيط المقطع القائم × طول حرفه\r\n"
    u"المساحة الكلية: سطَ = المساحة الجانبية + مجموع مساحتي القاعدتين\r\n"
    u"ع = الارتفاع\r\n";

// txtHaram: pyramid and its frustum.
inline constexpr std::u16string_view kPyramidText =
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
    u"ق , قَ = مساحتا القاعدتين\r\n";

// One row per figure: the store whose text is shown, and the stores whose
// pictures go to the slots Image16 .. Image19 (empty: the slot is cleared).
struct FigureChoice {
    std::string_view textStore;
    std::array<std::string_view, 4> slotPictures;
};

inline constexpr std::array<FigureChoice, 9> kChoices = {{
    {"txtCircle", {"Image1", "", "", ""}},
    {"txt4", {"Image2", "", "", ""}},
    {"txtBall", {"Image3", "Image4", "Image5", "Image6"}},
    {"txtMotwazi", {"Image7", "", "", ""}},
    {"txtMkhrot", {"Image8", "Image9", "", ""}},
    {"txtZawih", {"Image10", "", "", ""}},
    {"txtMokaab", {"Image11", "", "", ""}},
    {"txtMoshor", {"Image12", "", "", ""}},
    {"txtHaram", {"Image13", "Image14", "Image15", ""}},
}};

// Rows 0 to 7 by equal index; any other index takes the last row.
const FigureChoice& choiceFor(int listIndex);

}  // namespace geometry

}  // namespace tavrimo
