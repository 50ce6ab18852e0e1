#pragma once

// The four quantity categories of the unit converter: their unit names, the
// factor texts of their imperial units, and the switch between them.

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
     u"كيلومتر مربع", u"بوصة مربعة", u"قدم مربع", u"فدان", u"ميل مربع", u""},
    {u"مليمتر مكعب", u"سنتيمتر مكعب", u"ديسيمتر مكعب", u"متر مكعب", u"ديكامتر مكعب", u"هيكتومتر مكعب",
     u"كيلومتر مكعب", u"بوصة مكعبة", u"قدم مكعب", u"ياردة مكعبة", u"", u""},
    {u"مليغرام", u"سنتيغرام", u"ديسيغرام", u"غرام", u"ديكاغرام", u"هيكتوغرام", u"كيلوغرام",
     u"أونسة", u"رطل", u"طن متري", u"طن", u""},
}};

// How many units of txtUSA(j) make one base unit, as the Tag of txtUSA(j)
// holds it. An empty text marks an imperial slot the category does not use.
inline constexpr std::array<std::array<std::u16string_view, 5>, kCategories> kFactorTexts = {{
    {u"39.3700787402", u"3.28082913114", u"1.09361090636", u"0.621371192E-3", u"0.539956803E-3"},
    {u"1549.90700558", u"10.764262648", u"0.247109993E-3", u"0.386000000E-6", u""},
    {u"61023.9824251", u"35.3141319141", u"1.30794203693", u"", u""},
    {u"0.352739907E-1", u"0.220462442E-2", u"0.000001", u"0.984200000E-6", u""},
}};

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
