// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each figure drawing shows, in words, for a person who cannot see it:
// the shape, and what each letter written on it stands for.

#include <array>
#include <string_view>
#include <utility>

namespace tavrimo::geometry {

inline constexpr std::array<std::pair<std::string_view, std::u16string_view>, 15> kDrawingWords = {{
    {"Image1", u"دائرة نصف قطرها ر، فيها قوس طوله ل تقابله زاوية مركزية يه"},
    {"Image2", u"مربع طول ضلعه ض داخل دائرة نصف قطرها ر"},
    {"Image3", u"قطعة كروية ارتفاعها ع ونصف قطر قاعدتها و، من كرة نصف قطرها نق"},
    {"Image4", u"منطقة كروية بارتفاع ع"},
    {"Image5", u"إسفين كروي زاويته يه"},
    {"Image6", u"قطاعان كرويان رأساهما مركز الكرة، ارتفاع قطعة كل منهما ع"},
    {"Image7", u"متوازي مستطيلات أبعاده س و ص و ع، وقطره ق"},
    {"Image8", u"مخروط ارتفاعه ع وراسمه عا ونصف قطر قاعدته نق"},
    {"Image9", u"جذع مخروط ارتفاعه ع وراسمه عا، ونصفا قطري قاعدتيه نق و نقَ"},
    {"Image10", u"مثلث قائم الزاوية: الوتر، والضلع المقابل للزاوية يه، والضلع المجاور لها"},
    {"Image11", u"مكعب طول حرفه ل وقطره ق"},
    {"Image12", u"موشور ارتفاعه ع، يقطعه مستوٍ موازٍ لقاعدته"},
    {"Image13", u"هرم منتظم ارتفاع أوجهه الجانبية عا"},
    {"Image14", u"هرم قائم على مستوٍ، ارتفاعه ع"},
    {"Image15", u"جذع هرم ارتفاعه ع، وارتفاع أوجهه الجانبية عا"},
}};

// The words for the drawing `picture` holds ("Image4"); empty for any other.
constexpr std::u16string_view drawingWords(std::string_view picture)
{
    for (const auto& [name, words] : kDrawingWords)
        if (name == picture)
            return words;
    return {};
}

}  // namespace tavrimo::geometry
