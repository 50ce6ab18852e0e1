// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four quantity categories of the unit converter: their unit names, the
// factor texts of their imperial units, and the switch between them.

#include "numbers/exact.h"

#include <QStringView>

#include <array>
#include <string_view>

namespace tavrimo {

class Form;

namespace units {

inline constexpr int kCategories = 4;  // 1 length, 2 area, 3 volume, 4 weight

// Captions of Label3D1(0) .. Label3D1(11) per category; an empty name marks a
// label the category does not use (it is hidden and keeps its caption).
inline constexpr std::array<std::array<std::u16string_view, 12>, kCategories> kUnitNames = {{
    {u"مليمتر", u"سنتيمتر", u"ديسيمتر", u"متر", u"ديكامتر", u"هيكتومتر", u"كيلومتر",
     u"بوصة", u"قدم", u"ياردة", u"ميل", u"ميل بحري"},
    {u"مليمتر مربع", u"سنتيمتر مربع", u"ديسيمتر مربع", u"متر مربع", u"ديكامتر مربع", u"هيكتومتر مربع",
     u"كيلومتر مربع", u"بوصة مربعة", u"قدم مربع", u"إيكر", u"ميل مربع", u""},
    {u"مليمتر مكعب", u"سنتيمتر مكعب", u"ديسيمتر مكعب", u"متر مكعب", u"ديكامتر مكعب", u"هيكتومتر مكعب",
     u"كيلومتر مكعب", u"بوصة مكعبة", u"قدم مكعب", u"ياردة مكعبة", u"", u""},
    {u"مليغرام", u"سنتيغرام", u"ديسيغرام", u"غرام", u"ديكاغرام", u"هيكتوغرام", u"كيلوغرام",
     u"أونسة", u"رطل", u"طن متري", u"طن طويل", u""},
}};

// How many units of txtUSA(j) make one base unit, as the Tag of txtUSA(j)
// holds it: the exact definitions (inch 0.0254 m, foot 0.3048 m, yard
// 0.9144 m, mile 1609.344 m, nautical mile 1852 m, acre 4046.8564224 m²,
// ounce 28.349523125 g, pound 453.59237 g, long ton 1016046.9088 g) written
// with 17 significant digits, so that each reads to the double nearest the
// exact factor. An empty text marks an imperial slot the category does not use.
inline constexpr std::array<std::array<std::u16string_view, 5>, kCategories> kFactorTexts = {{
    {u"39.370078740157480", u"3.2808398950131234", u"1.0936132983377078", u"0.62137119223733397E-3",
     u"0.53995680345572354E-3"},
    {u"1550.0031000062000", u"10.763910416709722", u"0.24710538146716534E-3", u"0.38610215854244585E-6", u""},
    {u"61023.744094732284", u"35.314666721488590", u"1.3079506193143922", u"", u""},
    {u"0.035273961949580412", u"0.0022046226218487757", u"0.000001", u"0.98420652761106063E-6", u""},
}};

// How many base units (metre, square metre, cubic metre, gram) one unit of
// txtUSA(j) is, by its definition: the exact amounts the factor texts above
// are the reciprocals of, rounded.
inline constexpr std::array<std::array<std::string_view, 5>, kCategories> kUnitSizes = {{
    {"0.0254", "0.3048", "0.9144", "1609.344", "1852"},
    {"0.00064516", "0.09290304", "4046.8564224", "2589988.110336", ""},
    {"0.000016387064", "0.028316846592", "0.764554857984", "", ""},
    {"28.349523125", "453.59237", "1000000", "1016046.9088", ""},
}};

// The exact number of units in one base unit for the factor text a field's
// Tag holds: the reciprocal of the unit's defined size. A text that is no
// factor of the catalogue is read as it stands.
Exact unitsPerBase(QStringView factorText);

// The optional imperial slots 3 and 4: their fields and labels are shown or
// hidden in this order by each category handler.
enum class OptionalSlot { Field3, Field4, Label10, Label11 };

struct VisibilityStep {
    OptionalSlot target;
    bool shown;
};

inline constexpr std::array<std::array<VisibilityStep, 4>, kCategories> kVisibility = {{
    {{{OptionalSlot::Field3, true}, {OptionalSlot::Field4, true}, {OptionalSlot::Label10, true},
      {OptionalSlot::Label11, true}}},
    {{{OptionalSlot::Field3, true}, {OptionalSlot::Label10, true}, {OptionalSlot::Field4, false},
      {OptionalSlot::Label11, false}}},
    {{{OptionalSlot::Field3, false}, {OptionalSlot::Field4, false}, {OptionalSlot::Label10, false},
      {OptionalSlot::Label11, false}}},
    {{{OptionalSlot::Field3, true}, {OptionalSlot::Field4, false}, {OptionalSlot::Label10, true},
      {OptionalSlot::Label11, false}}},
}};

}  // namespace units

void lblNum(Form& form);
void txtEmpty(Form& form);
void optTall_Click(Form& form);
void optArea_Click(Form& form);
void optSize_Click(Form& form);
void optW_Click(Form& form);

}  // namespace tavrimo
