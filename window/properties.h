// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The properties of the controls as a person or a test reads them back:
// which properties a kind of control has, and how each value is written out
// (texts escaped, booleans true/false, colours #RRGGBB, geometry in twips).

#include "window/model.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace tavrimo {

enum class Prop {
    Text, Tag, Caption, Visible, Enabled, Value, ListIndex, BackColor, ForeColor,
    SelStart, SelLength, Left, Top, Width, Height, Picture, Invalid
};

inline constexpr std::array<std::string_view, 17> kPropNames = {
    "Text", "Tag", "Caption", "Visible", "Enabled", "Value", "ListIndex", "BackColor",
    "ForeColor", "SelStart", "SelLength", "Left", "Top", "Width", "Height", "Picture", "Invalid",
};

std::optional<Prop> propFromName(std::string_view name);
bool hasProp(const ControlRow& row, Prop prop);
// The property `show CTRL` reports when no property is named.
std::optional<Prop> defaultProp(Kind kind);

// "txtTAS(3)", "optArea".
QString controlName(const Control& control);

// Backslash, CR, LF and tab written as \\, \r, \n and \t; any other C0 or C1
// control, the line and paragraph separators, the bidirectional controls and
// half a surrogate pair as \uXXXX, so that what is printed is one line of
// text whole, never a raw NUL or a replacement character.
QString escapeText(const QString& text);
QString formatColour(Colour colour);
QString formatProp(const WindowModel& model, ControlId id, Prop prop);

}  // namespace tavrimo
