// SPDX-License-Identifier: GPL-3.0-or-later
// The initial state of Form1: every control with its kind, container, page,
// geometry in twips, tab order, texts, colours and fonts. Nothing here runs a
// handler; the window model is built from these rows as they stand.

#include "assets/pictures.h"
#include "geometry/formulas.h"
#include "window/control_row.h"

namespace tavrimo {

namespace {

using S = Colour::System;

constexpr Colour rgb(uint32_t value) { return Colour::of(value); }
constexpr Colour named(S system) { return Colour::named(system); }

constexpr FontStyle kUnitFieldFont{Face::MsSansSerif, 12, 400};
constexpr FontStyle kUnitLabelFont{Face::MsSansSerif, 8.25, 400};
constexpr FontStyle kTemperatureFont{Face::MsSansSerif, 13.5, 400};
constexpr FontStyle kScaleLetterFont{Face::MsSansSerif, 18, 700};
constexpr FontStyle kFormulaFont{Face::MudirMT, 12, 600};

constexpr Colour kLavender = rgb(0xC0C0FF);
constexpr Colour kFrameYellow = rgb(0xFFFF80);
constexpr Colour kBlue = rgb(0x0000FF);
constexpr Colour kSolverLetters = rgb(0x0000C0);

// A unit field of page 0: centred, lavender, in the large sans face.
constexpr ControlRow unitField(std::string_view name, int index, Geometry g, int tab, std::u16string_view tag = {})
{
    return {.name = name, .index = index, .kind = Kind::TextBox, .container = "SSTab1", .page = 0,
            .geometry = g, .tabOrder = tab, .tag = tag, .back = kLavender, .font = kUnitFieldFont,
            .centred = true};
}

// A unit name beside its field, captioned by the program at start-up.
constexpr ControlRow unitLabel(int index, int left, int top, int tab)
{
    return {.name = "Label3D1", .index = index, .kind = Kind::Label3D, .container = "SSTab1", .page = 0,
            .geometry = {left, top, 795, 300}, .tabOrder = tab, .back = rgb(0xFFC0C0), .fore = rgb(0x008000),
            .shadow = rgb(0xC0FFC0), .font = kUnitLabelFont};
}

constexpr ControlRow option(std::string_view name, int top, int width, int tab, std::u16string_view caption,
                             bool selected = false)
{
    return {.name = name, .kind = Kind::OptionButton, .container = "Frame1", .page = 0,
            .geometry = {120, top, width, 255}, .tabOrder = tab, .caption = caption, .back = kFrameYellow,
            .fore = kBlue, .selected = selected};
}

// A caption of the solver: letters and result names on the scroll-bar colour.
constexpr ControlRow solverLabel(std::string_view name, int index, Geometry g, int tab, std::u16string_view caption)
{
    return {.name = name, .index = index, .kind = Kind::Label, .container = "Frame2", .page = 1, .geometry = g,
            .tabOrder = tab, .caption = caption, .back = named(S::ScrollBars), .fore = kSolverLetters};
}

constexpr ControlRow solverField(std::string_view name, Geometry g, int tab, Colour back, bool enabled = true)
{
    return {.name = name, .kind = Kind::TextBox, .container = "Frame2", .page = 1, .geometry = g, .tabOrder = tab,
            .back = back, .enabled = enabled};
}

constexpr ControlRow temperatureField(std::string_view name, int top, int tab)
{
    return {.name = name, .kind = Kind::TextBox, .container = "Frame3", .page = 1,
            .geometry = {2040, top, 2415, 495}, .tabOrder = tab, .back = named(S::InfoBackground),
            .font = kTemperatureFont, .centred = true};
}

constexpr ControlRow scaleName(int index, Geometry g, int tab, std::u16string_view caption, Colour back = {})
{
    return {.name = "Label3D2", .index = index, .kind = Kind::Label3D, .container = "Frame3", .page = 1,
            .geometry = g, .tabOrder = tab, .caption = caption, .back = back, .fore = rgb(0xFF0000),
            .shadow = kFrameYellow, .font = kTemperatureFont};
}

constexpr ControlRow scaleLetter(int index, int top, int width, int tab, std::u16string_view caption)
{
    return {.name = "Label1", .index = index, .kind = Kind::Label, .container = "Frame3", .page = 1,
            .geometry = {4560, top, width, 375}, .tabOrder = tab, .caption = caption, .fore = kBlue,
            .font = kScaleLetterFont};
}

constexpr ControlRow formulaStore(std::string_view name, int tab, std::u16string_view text)
{
    return {.name = name, .kind = Kind::TextBox, .container = "SSTab1", .page = 2,
            .geometry = {7080, 4680, 1335, 735}, .tabOrder = tab, .caption = text, .visible = false,
            .multiLine = true};
}

constexpr ControlRow pictureSlot(std::string_view name, int left, int top)
{
    return {.name = name, .kind = Kind::Image, .container = "Picture2", .page = 2,
            .geometry = {left, top, 1215, 495}};
}

// A hidden image holding one figure drawing, sized by its picture.
constexpr ControlRow pictureStore(int number, int left, int top)
{
    const PictureInfo& p = kPictures[static_cast<size_t>(number)];
    return {.name = p.control, .kind = Kind::Image, .container = "SSTab1", .page = 2,
            .geometry = {left, top, p.width * 15, p.height * 15}, .visible = false,
            .pictureWidth = p.width, .pictureHeight = p.height};
}

// The solver's caption: the blanks push the equation onto the second line.
constexpr std::u16string_view kEquationCaption =
    u"المعادلة من الشكل"
    u"                                        "
    u"                                        "
    u"أ س^2 +ب س +ج = 0";

constexpr std::u16string_view kTabCaptions[] = {u"الصفحة الأولى", u"الصفحة الثانية", u"قواعد"};

constexpr ControlRow kInitialState[] = {
    {.name = "Form1", .kind = Kind::Form, .geometry = {0, 0, 7590, 6855}, .caption = u"Tavrimo"},
    // The tab control's items are its tab captions; page 2 is on view at start.
    {.name = "SSTab1", .kind = Kind::TabControl, .container = "Form1", .geometry = {75, 120, 7425, 6645},
     .tabOrder = 0, .items = kTabCaptions},

    // Page 0: the unit converter.
    {.name = "Picture1", .kind = Kind::PictureBox, .container = "SSTab1", .page = 0,
     .geometry = {90, 360, 7245, 6180}, .tabOrder = 30, .back = rgb(0xFFC0C0)},
    {.name = "TPC", .kind = Kind::PictureBox, .container = "Picture1", .page = 0,
     .geometry = {6840, 2400, 135, 135}, .tabOrder = 69, .back = kLavender, .visible = false},
    {.name = "Frame1", .kind = Kind::Frame, .container = "SSTab1", .page = 0, .geometry = {360, 1320, 1095, 2295},
     .tabOrder = 25, .caption = u"اختر", .back = kFrameYellow, .fore = kBlue},
    option("optTall", 360, 735, 29, u"أطوال", true),
    option("optArea", 840, 855, 28, u"مساحات"),
    option("optSize", 1320, 735, 27, u"حجوم"),
    option("optW", 1800, 735, 26, u"أوزان"),
    unitField("txtUSA", 4, {3120, 960, 3735, 420}, 12, u"0.53995680345572354E-3"),
    unitField("txtUSA", 3, {3120, 1320, 3735, 420}, 11, u"0.62137119223733397E-3"),
    unitField("txtUSA", 2, {3120, 1650, 3735, 420}, 10, u"1.0936132983377078"),
    unitField("txtUSA", 1, {3120, 1995, 3735, 420}, 9, u"3.2808398950131234"),
    unitField("txtUSA", 0, {3120, 2355, 3735, 420}, 8, u"39.370078740157480"),
    unitField("txtTAS", 6, {3480, 3480, 3375, 420}, 7),
    unitField("txtTAS", 5, {3120, 3840, 3735, 420}, 6),
    unitField("txtTAS", 4, {2760, 4200, 4095, 420}, 5),
    unitField("txtTAS", 3, {2400, 4560, 4455, 420}, 4),
    unitField("txtTAS", 2, {2040, 4920, 4815, 420}, 3),
    unitField("txtTAS", 1, {1680, 5280, 5175, 420}, 2),
    unitField("txtTAS", 0, {1320, 5640, 5535, 420}, 1),
    unitLabel(11, 2280, 1080, 24),
    unitLabel(10, 2280, 1440, 23),
    unitLabel(9, 2280, 1800, 22),
    unitLabel(8, 2280, 2160, 21),
    unitLabel(7, 2280, 2520, 20),
    unitLabel(6, 2520, 3600, 19),
    unitLabel(5, 2100, 3960, 18),
    unitLabel(4, 1800, 4320, 17),
    unitLabel(3, 1440, 4680, 16),
    unitLabel(2, 1060, 5040, 15),
    unitLabel(1, 720, 5400, 14),
    unitLabel(0, 360, 5760, 13),

    // Page 1: the quadratic-equation solver.
    {.name = "Frame2", .kind = Kind::Frame, .container = "SSTab1", .page = 1, .geometry = {120, 3000, 7095, 3255},
     .tabOrder = 31, .caption = u"حل معادلة من الدرجة الثانية"},
    {.name = "Label4", .kind = Kind::Label, .container = "Frame2", .page = 1, .geometry = {4680, 600, 2295, 735},
     .tabOrder = 43, .caption = kEquationCaption, .back = named(S::ScrollBars), .fore = rgb(0xFF0000)},
    {.name = "Shape1", .kind = Kind::Shape, .container = "Frame2", .page = 1, .geometry = {4680, 840, 1695, 495},
     .fore = kBlue},
    solverLabel("Label1", 3, {840, 360, 255, 255}, 46, u"أ"),
    solverLabel("Label2", -1, {2160, 360, 255, 255}, 45, u"ب"),
    solverLabel("Label3", -1, {3600, 360, 255, 255}, 44, u"ج"),
    solverField("txtA", {240, 600, 1215, 285}, 33, rgb(0xFFE0C0)),
    solverField("txtB", {1680, 600, 1215, 285}, 34, rgb(0xFFE0C0)),
    solverField("txtG", {3120, 600, 1215, 285}, 35, rgb(0xFFE0C0)),
    // The result boxes hold the longest number the solver writes
    // (-2.23606797749979E-300) whole; their names sit to their right.
    solverField("sqrD", {240, 1560, 2100, 285}, 37, rgb(0xFFFFC0), false),
    solverLabel("Label5", -1, {2460, 1560, 735, 255}, 42, u"جذر دلتا"),
    solverField("s1", {240, 2280, 2100, 285}, 39, rgb(0xC0FFC0), false),
    solverLabel("Label6", -1, {2460, 2400, 375, 255}, 41, u"س 1"),
    solverField("s2", {240, 2760, 2100, 285}, 38, rgb(0xC0FFC0), false),
    solverLabel("Label7", -1, {2460, 2880, 375, 255}, 40, u"س 2"),
    {.name = "cmdResult", .kind = Kind::CommandButton, .container = "Frame2", .page = 1,
     .geometry = {3360, 1680, 1215, 495}, .tabOrder = 36, .caption = u"النتيجة", .back = kFrameYellow,
     .isDefault = true},
    {.name = "cmdCls", .kind = Kind::CommandButton, .container = "Frame2", .page = 1,
     .geometry = {3360, 2280, 1215, 495}, .tabOrder = 32, .caption = u"مسح", .back = kFrameYellow,
     .isCancel = true},

    // Page 1: the temperature converter.
    {.name = "Frame3", .kind = Kind::Frame, .container = "SSTab1", .page = 1, .geometry = {480, 600, 6255, 2055},
     .tabOrder = 59, .caption = u"تحويل درجات الحرارة"},
    scaleName(0, {840, 360, 1230, 465}, 65, u"درجة مئوية", named(S::InactiveBorder)),
    scaleName(2, {600, 840, 1590, 465}, 64, u"درجة فهرنهايت"),
    scaleName(1, {960, 1320, 1140, 465}, 63, u"درجة كلفن"),
    temperatureField("txtC", 360, 62),
    temperatureField("txtF", 840, 61),
    temperatureField("txtK", 1320, 60),
    scaleLetter(0, 480, 375, 68, u"C"),
    scaleLetter(1, 960, 615, 67, u"F"),
    scaleLetter(2, 1440, 615, 66, u"K"),
    {.name = "Image21", .kind = Kind::Image, .container = "Frame3", .page = 1, .geometry = {5400, 480, 660, 1080},
     .pictureWidth = kPictures[kThermometer].width, .pictureHeight = kPictures[kThermometer].height},

    // Page 2: the geometry formula reference.
    {.name = "Picture2", .kind = Kind::PictureBox, .container = "SSTab1", .page = 2,
     .geometry = {0, 360, 7335, 6255}, .tabOrder = 58, .back = named(S::WindowBackground)},
    {.name = "txtGra", .kind = Kind::TextBox, .container = "SSTab1", .page = 2, .geometry = {360, 480, 5175, 1485},
     .tabOrder = 57, .back = kFrameYellow, .fore = rgb(0xFF0000), .font = kFormulaFont, .multiLine = true,
     .scrollBar = true},
    {.name = "Combo1", .kind = Kind::ComboBox, .container = "SSTab1", .page = 2, .geometry = {5640, 480, 1335, 315},
     .tabOrder = 47, .back = rgb(0xC0FFC0), .items = geometry::kFigureNames,
     .hint = geometry::kFigureListHint},
    pictureSlot("Image16", 360, 1680),
    pictureSlot("Image17", 4320, 1680),
    pictureSlot("Image18", 360, 4200),
    pictureSlot("Image19", 4320, 3960),
    pictureSlot("Image20", 2640, 3120),
    formulaStore("txtCircle", 54, geometry::kCircleText),
    formulaStore("txt4", 48, geometry::kSquareText),
    formulaStore("txtBall", 49, geometry::kSphereText),
    formulaStore("txtMotwazi", 50, geometry::kCuboidText),
    formulaStore("txtMkhrot", 51, geometry::kConeText),
    formulaStore("txtZawih", 52, geometry::kAnglesText),
    formulaStore("txtMokaab", 53, geometry::kCubeText),
    formulaStore("txtMoshor", 55, geometry::kPrismText),
    formulaStore("txtHaram", 56, geometry::kPyramidText),
    pictureStore(1, 7080, 1920),
    pictureStore(2, 6960, 1440),
    pictureStore(3, 6960, 1320),
    pictureStore(4, 7440, 1800),
    pictureStore(5, 7440, 1560),
    pictureStore(6, 7200, 1680),
    pictureStore(7, 6960, 1800),
    pictureStore(8, 7440, 1440),
    pictureStore(9, 7080, 2040),
    pictureStore(10, 7320, 2040),
    pictureStore(11, 7440, 1680),
    pictureStore(12, 7440, 1920),
    pictureStore(13, 7440, 1560),
    pictureStore(14, 7440, 1440),
    pictureStore(15, 7440, 2520),
};

}  // namespace

std::span<const ControlRow> initialWindowState()
{
    return kInitialState;
}

}  // namespace tavrimo
