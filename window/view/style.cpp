// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/style.h"

#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComplex>

namespace tavrimo {

namespace {

// Pixels between a frame's edge and the first letter of its caption.
constexpr int kCaptionInset = 6;
// Pixels between an option button's circle and its caption: the window's
// narrow buttons need all the rest for their captions and focus frames.
constexpr int kOptionCaptionSpacing = 3;
// The option button's circle, a pixel smaller than Fusion's, keeps a pixel of
// air beside the focus frame of the widest caption.
constexpr int kOptionCircle = 13;
// Pixels between a caption and its focus frame.
constexpr int kFocusGap = 1;

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

// Fusion places the focus frame of a right-to-left caption as if the caption
// started at the left, and leaves three pixels around it; a caption as wide
// as its room then runs over the frame. The frame is drawn one pixel clear of
// the caption where the caption is drawn: beside the circle, on either side.
QRect WindowStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != SE_RadioButtonFocusRect || !button || button->text.isEmpty())
        return rect;
    const QRect room = QProxyStyle::subElementRect(SE_RadioButtonContents, option, widget);
    const int width = option->fontMetrics.horizontalAdvance(button->text);
    QRect caption(option->direction == Qt::RightToLeft ? room.right() - width + 1 : room.left(), rect.top(), width,
                  rect.height());
    const int frame = kFocusGap + 1;
    return caption.adjusted(-frame, 0, frame, 0).intersected(option->rect);
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_RadioButtonLabelSpacing)
        return kOptionCaptionSpacing;
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return kOptionCircle;
    return QProxyStyle::pixelMetric(metric, option, widget);
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
