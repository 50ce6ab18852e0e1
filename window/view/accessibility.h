// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader says for each control a person can reach. Buttons,
// option buttons and the page tabs speak their own captions; a text box has
// no caption of its own, so it takes the caption of the label that names it
// on the window, and takes it again whenever the program changes that
// caption (the unit names change with the category). The figure list, the
// formula box and the tab control around the pages have no label beside them
// and get a fixed name.

#include "window/model.h"

#include <functional>
#include <string_view>

class QWidget;

namespace tavrimo {

struct ControlRef {
    std::string_view name;
    int index = -1;
};

struct NamedBy {
    ControlRef field;
    ControlRef label;  // the control whose caption is the field's name
};

inline constexpr NamedBy kNamedBy[] = {
    // The metric unit fields sit beside Label3D1(0..6), the imperial ones beside Label3D1(7..11).
    {{"txtTAS", 0}, {"Label3D1", 0}},
    {{"txtTAS", 1}, {"Label3D1", 1}},
    {{"txtTAS", 2}, {"Label3D1", 2}},
    {{"txtTAS", 3}, {"Label3D1", 3}},
    {{"txtTAS", 4}, {"Label3D1", 4}},
    {{"txtTAS", 5}, {"Label3D1", 5}},
    {{"txtTAS", 6}, {"Label3D1", 6}},
    {{"txtUSA", 0}, {"Label3D1", 7}},
    {{"txtUSA", 1}, {"Label3D1", 8}},
    {{"txtUSA", 2}, {"Label3D1", 9}},
    {{"txtUSA", 3}, {"Label3D1", 10}},
    {{"txtUSA", 4}, {"Label3D1", 11}},
    // The temperature scales: Label3D2(0) names Celsius, (1) Kelvin, (2) Fahrenheit.
    {{"txtC"}, {"Label3D2", 0}},
    {{"txtF"}, {"Label3D2", 2}},
    {{"txtK"}, {"Label3D2", 1}},
    // The solver's coefficients and results.
    {{"txtA"}, {"Label1", 3}},
    {{"txtB"}, {"Label2"}},
    {{"txtG"}, {"Label3"}},
    {{"sqrD"}, {"Label5"}},
    {{"s1"}, {"Label6"}},
    {{"s2"}, {"Label7"}},
};

struct FixedName {
    ControlRef control;
    std::u16string_view name;
};

inline constexpr FixedName kFixedNames[] = {
    {{"SSTab1"}, u"صفحات البرنامج"},
    {{"Combo1"}, u"الشكل"},
    {{"txtGra"}, u"قواعد الشكل"},
};

// The solver's result boxes say what they are after their value: a screen
// reader speaks a control's description last.
inline constexpr ControlRef kResultBoxes[] = {{"sqrD"}, {"s1"}, {"s2"}};
inline constexpr std::u16string_view kResultDescription = u"نتيجة";

// The drawing slots of the formula page in the order of their places. A
// slot showing a drawing is named by the figure's item in the list and the
// drawing's place among the figure's drawings ("كرة، الرسم 2 من 4"), and
// described by what it shows in words ("منطقة كروية بارتفاع ع"), or by the
// letters written on it; an empty slot has neither.
inline constexpr ControlRef kDrawingSlots[] = {{"Image16"}, {"Image17"}, {"Image18"}, {"Image19"}};
// The same slots as a screen reader meets them among the children of the
// picture box that holds them: in reading order in the window's direction,
// right to left and top to bottom. Their names keep the drawings' numbers.
inline constexpr ControlRef kDrawingBox = {"Picture2"};
inline constexpr ControlRef kDrawingReadingOrder[] = {{"Image17"}, {"Image16"}, {"Image19"}, {"Image18"}};
inline constexpr ControlRef kFigureList = {"Combo1"};
inline constexpr std::u16string_view kDrawingName = u"%1، الرسم %2 من %3";
inline constexpr std::u16string_view kLetterSeparator = u"، ";

// Names the controls of the window drawn by `widgetOf` and keeps the names
// of the fields in step with their labels' captions, and those of the
// drawing slots with the drawings they show.
void nameControls(WindowModel& model, const std::function<QWidget*(ControlId)>& widgetOf);

}  // namespace tavrimo
