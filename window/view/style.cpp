// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/style.h"

#include "window/view/zoom.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComplex>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

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

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_RadioButtonLabelSpacing)
        return zoomed(kOptionCaptionSpacing, zoom_);
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return zoomed(kOptionCircle, zoom_);
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    // The tab strip overlaps the page frame's line, which keeps its width.
    if (metric == PM_TabBarBaseOverlap)
        return pixels;
    return zoomed(pixels, zoom_);
}

namespace {

// Draws a primitive of option type `Option` as the base style draws it at
// 100 %, on a painter scaled by the zoom; false when the option is of
// another type.
template <class Option>
bool drawScaled(const QStyle* base, QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                const QWidget* widget, int percent)
{
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed)
        return false;
    const qreal factor = percent / 100.0;
    Option unzoomed(*typed);
    unzoomed.rect = QRect(0, 0, qRound(option->rect.width() / factor), qRound(option->rect.height() / factor));
    painter->save();
    painter->translate(option->rect.topLeft());
    painter->scale(option->rect.width() / qreal(unzoomed.rect.width()),
                   option->rect.height() / qreal(unzoomed.rect.height()));
    base->drawPrimitive(element, &unzoomed, painter, widget);
    painter->restore();
    return true;
}

}  // namespace

// The frames of the text boxes and the focus mark are drawn as at 100 %, on
// a painter scaled by the zoom, so that their lines and corners grow with the
// rest. (Fusion draws a group box's frame from a picture and a tab page's
// from the strip's measures; both already follow the zoomed measures.)
void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (zoom_ != kMinZoom && !option->rect.isEmpty()) {
        switch (element) {
        case PE_Frame:
        case PE_FrameLineEdit:
            if (drawScaled<QStyleOptionFrame>(baseStyle(), element, option, painter, widget, zoom_))
                return;
            break;
        case PE_FrameFocusRect:
            if (drawScaled<QStyleOptionFocusRect>(baseStyle(), element, option, painter, widget, zoom_))
                return;
            break;
        default:
            break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

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
    const int frame = zoomed(kFocusGap + 1, zoom_);
    return caption.adjusted(-frame, 0, frame, 0).intersected(option->rect);
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
