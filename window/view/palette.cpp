// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/palette.h"

#include "window/label3d.h"

#include <QPalette>
#include <QWidget>

namespace tavrimo {

QColor toQColor(Colour colour)
{
    return QColor::fromRgb(colour.resolved());
}

namespace {

void setPaletteColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour)
{
    palette.setColor(role, colour);
    if (role == QPalette::Text || role == QPalette::WindowText || role == QPalette::ButtonText)
        palette.setColor(QPalette::Inactive, role, colour);
}

// Puts the control's back colour into `palette`; false when the widget
// draws its back itself or is see-through.
bool paletteBack(QWidget* widget, QPalette& palette, const Control& c)
{
    const QColor back = toQColor(c.backColor);
    switch (c.row->kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
        setPaletteColour(palette, QPalette::Base, back);
        setPaletteColour(palette, QPalette::Button, back);
        return true;
    case Kind::CommandButton:
        setPaletteColour(palette, QPalette::Button, back);
        return true;
    case Kind::Label3D:
    case Kind::Image:
    case Kind::Shape:
        return false;
    default:
        widget->setAutoFillBackground(true);
        setPaletteColour(palette, QPalette::Window, back);
        return true;
    }
}

// Puts the control's fore colour into `palette`; false when the widget has no use for it.
bool paletteFore(QPalette& palette, const Control& c)
{
    const QColor fore = toQColor(c.foreColor);
    switch (c.row->kind) {
    case Kind::TextBox:
        setPaletteColour(palette, QPalette::Text, fore);
        return true;
    case Kind::CommandButton:
    case Kind::Label3D:
    case Kind::Image:
    case Kind::PictureBox:
        return false;
    default:
        setPaletteColour(palette, QPalette::WindowText, fore);
        return true;
    }
}

}  // namespace

void drawColours(QWidget* widget, const Control& c)
{
    QPalette palette = widget->palette();
    const bool back = paletteBack(widget, palette, c);
    if (paletteFore(palette, c) || back)
        widget->setPalette(palette);
}

void drawBack(QWidget* widget, const Control& c)
{
    QPalette palette = widget->palette();
    if (paletteBack(widget, palette, c))
        widget->setPalette(palette);
}

void drawFore(QWidget* widget, const Control& c)
{
    QPalette palette = widget->palette();
    if (paletteFore(palette, c))
        widget->setPalette(palette);
}

void drawLabel3DColours(Label3D* label, const Control& c)
{
    label->setColours(toQColor(c.backColor), toQColor(c.foreColor), toQColor(c.row->shadow));
}

}  // namespace tavrimo
