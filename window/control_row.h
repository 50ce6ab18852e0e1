// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The static description of a control: one row of the window's initial state.

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>

namespace tavrimo {

// The window's texts are stored as UTF-16 literals.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

enum class Kind {
    Form, TabControl, TextBox, OptionButton, CommandButton, ComboBox,
    Frame, Label, Label3D, PictureBox, Image, Shape
};

// A colour as the window stores it: either 24-bit RGB or one of the desktop's
// named colours, which resolve to RGB when drawn or reported.
struct Colour {
    enum class System : uint8_t {
        Unset, None, WindowBackground, WindowText, ScrollBars, InfoBackground,
        InactiveBorder, ButtonFace
    };
    uint32_t rgb = 0;
    System system = System::Unset;  // Unset: the kind's default colour

    constexpr bool operator==(const Colour&) const = default;
    uint32_t resolved() const;
    static constexpr Colour of(uint32_t rgb) { return {rgb, System::None}; }
    static constexpr Colour named(System s) { return {0, s}; }
};

// The faces the window was designed with. The view picks the installed faces
// that stand in for them.
enum class Face : uint8_t { Default, MsSansSerif, MudirMT };

struct FontStyle {
    Face face = Face::Default;
    double points = 0;
    int weight = 400;
};

struct Geometry {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ControlRow {
    std::string_view name;
    int index = -1;
    Kind kind = Kind::Label;
    std::string_view container;  // empty for Form1
    int page = -1;               // page of SSTab1, -1 outside the tab control
    Geometry geometry;
    int tabOrder = -1;
    std::u16string_view caption;  // caption, or initial text of a text box
    std::u16string_view tag;
    Colour back{};
    Colour fore{};
    Colour shadow{};  // 3-D label shadow colour
    FontStyle font;
    bool visible = true;
    // A disabled text box is a result box: it never takes the keyboard
    // focus and cannot be typed into, but its text can be selected and copied.
    bool enabled = true;
    bool selected = false;     // option button Value
    bool multiLine = false;
    bool scrollBar = false;
    bool centred = false;
    bool isDefault = false;
    bool isCancel = false;
    std::span<const std::u16string_view> items;  // drop-down list items
    std::u16string_view hint;  // greyed in a drop-down list while nothing is picked
    int pictureWidth = 0;   // pixels of the picture an image holds from the start
    int pictureHeight = 0;
};

std::span<const ControlRow> initialWindowState();

// A field a person types a number into: the unit, temperature and
// coefficient fields (the result boxes are disabled, the formula box and
// its stores have many lines).
inline bool isEntryField(const ControlRow& row)
{
    return row.kind == Kind::TextBox && row.enabled && !row.multiLine;
}

// Controls that start hidden and that nothing ever shows: the stores of the
// formula page and the colour holder of the unit page. They need no widget.
inline bool neverShown(const ControlRow& row)
{
    return !row.visible && (row.kind == Kind::Image || row.kind == Kind::PictureBox || row.multiLine);
}

}  // namespace tavrimo
