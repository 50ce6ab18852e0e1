// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/properties.h"

#include "files/shown_text.h"

namespace tavrimo {

uint32_t Colour::resolved() const
{
    // The desktop's named colours, as the classic Windows scheme gives them.
    switch (system) {
    case System::Unset:
    case System::None: return rgb;
    case System::WindowBackground: return 0xFFFFFF;
    case System::WindowText: return 0x000000;
    case System::ScrollBars: return 0xD4D0C8;
    case System::InfoBackground: return 0xFFFFE1;
    case System::InactiveBorder: return 0xD4D0C8;
    case System::ButtonFace: return 0xD4D0C8;
    }
    return rgb;
}

std::optional<Prop> propFromName(std::string_view name)
{
    for (size_t i = 0; i < kPropNames.size(); ++i)
        if (kPropNames[i] == name)
            return static_cast<Prop>(i);
    return std::nullopt;
}

namespace {

struct KindProps {
    Kind kind;
    std::initializer_list<Prop> props;
};

const KindProps kKindProps[] = {
    {Kind::Form, {Prop::Caption, Prop::Width, Prop::Height}},
    {Kind::TabControl, {Prop::Visible, Prop::Enabled, Prop::Left, Prop::Top, Prop::Width, Prop::Height}},
    {Kind::TextBox, {Prop::Text, Prop::Tag, Prop::Visible, Prop::Enabled, Prop::BackColor, Prop::ForeColor,
                     Prop::SelStart, Prop::SelLength, Prop::Left, Prop::Top, Prop::Width, Prop::Height}},
    {Kind::OptionButton, {Prop::Caption, Prop::Visible, Prop::Enabled, Prop::Value, Prop::BackColor,
                          Prop::ForeColor, Prop::Left, Prop::Top, Prop::Width, Prop::Height}},
    {Kind::CommandButton, {Prop::Caption, Prop::Visible, Prop::Enabled, Prop::BackColor, Prop::Left, Prop::Top,
                           Prop::Width, Prop::Height}},
    {Kind::ComboBox, {Prop::Text, Prop::Visible, Prop::Enabled, Prop::ListIndex, Prop::BackColor, Prop::Left, Prop::Top,
                      Prop::Width, Prop::Height}},
    {Kind::Frame, {Prop::Caption, Prop::Visible, Prop::Enabled, Prop::BackColor, Prop::ForeColor, Prop::Left,
                   Prop::Top, Prop::Width, Prop::Height}},
    {Kind::Label, {Prop::Caption, Prop::Visible, Prop::Enabled, Prop::BackColor, Prop::ForeColor, Prop::Left,
                   Prop::Top, Prop::Width, Prop::Height}},
    {Kind::Label3D, {Prop::Caption, Prop::Visible, Prop::BackColor, Prop::ForeColor, Prop::Left, Prop::Top,
                     Prop::Width, Prop::Height}},
    {Kind::PictureBox, {Prop::Visible, Prop::BackColor, Prop::Left, Prop::Top, Prop::Width, Prop::Height}},
    {Kind::Image, {Prop::Visible, Prop::Picture, Prop::Left, Prop::Top, Prop::Width, Prop::Height}},
    {Kind::Shape, {Prop::Visible, Prop::Left, Prop::Top, Prop::Width, Prop::Height}},
};

}  // namespace

bool hasProp(const ControlRow& control, Prop prop)
{
    if (prop == Prop::Invalid)
        return isEntryField(control);
    for (const KindProps& row : kKindProps)
        if (row.kind == control.kind)
            for (Prop p : row.props)
                if (p == prop)
                    return true;
    return false;
}

std::optional<Prop> defaultProp(Kind kind)
{
    switch (kind) {
    case Kind::TextBox: return Prop::Text;
    case Kind::Label:
    case Kind::Label3D:
    case Kind::Frame:
    case Kind::CommandButton:
    case Kind::Form: return Prop::Caption;
    case Kind::OptionButton: return Prop::Value;
    case Kind::ComboBox: return Prop::ListIndex;
    case Kind::Image: return Prop::Picture;
    default: return std::nullopt;
    }
}

QString controlName(const Control& control)
{
    QString name = QString::fromLatin1(control.row->name.data(), static_cast<qsizetype>(control.row->name.size()));
    if (control.row->index >= 0)
        name += QStringLiteral("(%1)").arg(control.row->index);
    return name;
}

QString escapeText(const QString& text)
{
    return QString::fromStdU16String(files::escapeForLine(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()))));
}

QString formatColour(Colour colour)
{
    return QStringLiteral("#%1").arg(colour.resolved(), 6, 16, QChar(u'0')).toUpper();
}

QString formatProp(const WindowModel& model, ControlId id, Prop prop)
{
    const Control& c = model.at(id);
    const auto boolean = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    switch (prop) {
    case Prop::Text:
        // A drop-down list's text is its picked item's.
        if (c.row->kind == Kind::ComboBox)
            return c.listIndex < 0 ? QString() : escapeText(toQString(c.row->items[static_cast<size_t>(c.listIndex)]));
        return escapeText(c.text);
    case Prop::Tag: return escapeText(c.tag);
    case Prop::Caption: return escapeText(c.caption);
    case Prop::Visible: return boolean(c.visible);
    case Prop::Enabled: return boolean(c.enabled);
    case Prop::Value: return boolean(c.value);
    case Prop::ListIndex: return QString::number(c.listIndex);
    case Prop::BackColor: return formatColour(c.backColor);
    case Prop::ForeColor: return formatColour(c.foreColor);
    case Prop::SelStart: return QString::number(c.selStart);
    case Prop::SelLength: return QString::number(c.selLength);
    case Prop::Left: return QString::number(c.left);
    case Prop::Top: return QString::number(c.top);
    case Prop::Width: return QString::number(c.width);
    case Prop::Height: return QString::number(c.height);
    case Prop::Picture: return c.picture == kNoControl ? QString() : controlName(model.at(c.picture));
    case Prop::Invalid: return boolean(c.invalid);
    }
    return {};
}

}  // namespace tavrimo
