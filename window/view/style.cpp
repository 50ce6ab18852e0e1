// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/style.h"

#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace tavrimo {

namespace {

// Pixels between a frame's edge and the first letter of its caption.
constexpr int kCaptionInset = 6;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

// Fusion puts a right-to-left caption flush against the frame's right edge,
// where its last pixel is lost to the border.
QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                  const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control == CC_GroupBox && part == SC_GroupBoxLabel && option->direction == Qt::RightToLeft)
        rect.moveRight(std::min(rect.right(), option->rect.right() - kCaptionInset));
    return rect;
}

// Beside an icon, a right-to-left word on a dialog button is pushed against
// the button's border; alone it sits in the middle.
int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace tavrimo
