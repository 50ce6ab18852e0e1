// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/style.h"

#include "window/view/zoom.h"

#include <QCache>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionComplex>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QtMath>

#include <algorithm>

namespace tavrimo {

namespace {

// Pixels between a frame's edge and the first letter of its caption.
constexpr int kCaptionInset = 6;
// Pixels between an option button's circle and its caption: room for the
// focus frame beside the caption and a pixel of air. The window's narrow
// buttons need all the rest for their captions and focus frames, and the
// circle, two pixels smaller than Fusion's, leaves the widest caption its room.
constexpr int kOptionCaptionSpacing = 4;
constexpr int kOptionCircle = 12;
// Pixels between a caption and its focus frame.
constexpr int kFocusGap = 1;
// The width of the focus frame: enough to be seen from the back of a room.
constexpr int kFocusFrame = 2;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int percent = unzoomed_ ? kMinZoom : zoom_;
    if (metric == PM_RadioButtonLabelSpacing)
        return zoomed(kOptionCaptionSpacing, percent);
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return zoomed(kOptionCircle, percent);
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    // The tab strip overlaps the page frame's line, which keeps its width.
    if (metric == PM_TabBarBaseOverlap)
        return pixels;
    return zoomed(pixels, percent);
}

int WindowStyle::focusFrameWidth() const
{
    return zoomed(kFocusFrame, unzoomed_ ? kMinZoom : zoom_);
}

// A solid frame inside `rect` in the highlight colour.
void WindowStyle::drawFocusFrame(QPainter* painter, const QRect& rect, const QStyleOption* option) const
{
    const int width = std::min({focusFrameWidth(), rect.width() / 2, rect.height() / 2});
    const QColor colour = option->palette.color(QPalette::Active, QPalette::Highlight);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom() + 1 - width, rect.width(), width), colour);
    painter->fillRect(QRect(rect.left(), rect.top(), width, rect.height()), colour);
    painter->fillRect(QRect(rect.right() + 1 - width, rect.top(), width, rect.height()), colour);
    painter->restore();
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

// Draws a frame whose lines are a pixel wide at 100 % once for every pixel
// they take at the zoom, each time a pixel further in, so that the lines
// grow as the rest does (its corners and light inner line kept, the picture
// it is drawn from having no measure to scale). The top line stays one pixel
// where `top` is false: the tab page's, into which the current tab opens.
template <class Option>
bool drawThickened(const QStyle* base, QStyle::PrimitiveElement element, const QStyleOption* option,
                   QPainter* painter, const QWidget* widget, int percent, bool top)
{
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed)
        return false;
    for (int inset = 0; inset < zoomed(1, percent); ++inset) {
        Option copy(*typed);
        copy.rect = option->rect.adjusted(inset, top ? inset : 0, -inset, -inset);
        base->drawPrimitive(element, &copy, painter, widget);
    }
    return true;
}

}  // namespace

namespace {

// A text box's panel (its back, frame and focus frame) is drawn once for each
// look it takes and kept as a picture, which each paint then copies: the
// base style strokes the frame's rounded corners and shading anew at every
// paint, and a keystroke repaints every field a conversion writes. The look
// is everything the drawing reads from the option and the zoom.
QString panelKey(const QStyleOptionFrame& frame, int percent, qreal ratio)
{
    return QStringLiteral("tavrimo-panel-%1x%2-%3-%4-%5-%6-%7-%8-%9")
        .arg(frame.rect.width())
        .arg(frame.rect.height())
        .arg(int(frame.state))
        .arg(frame.palette.cacheKey())
        .arg(percent)
        .arg(ratio)
        .arg(frame.lineWidth)
        .arg(frame.midLineWidth)
        .arg(int(frame.features) * 2 + int(frame.direction == Qt::RightToLeft));
}

}  // namespace

// The frames of the text boxes and the buttons' faces are drawn as at 100 %,
// on a painter scaled by the zoom, so that their lines and corners grow with
// the rest; a group box's and the tab page's frames, which the base style
// places by measures of its own, are drawn thicker. The focus mark is a
// frame of its own, and a focused text box wears it too.
void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        drawFocusFrame(painter, option->rect, option);
        return;
    }
    const int percent = unzoomed_ ? kMinZoom : zoom_;
    const auto* panel = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && panel && !option->rect.isEmpty()) {
        const qreal ratio = painter->device()->devicePixelRatio();
        const QString key = panelKey(*panel, percent, ratio);
        // A cache of its own, of at most a megabyte: Qt's shared one would
        // fill to its ten as the zoom, sizes and colours change over a long run.
        static QCache<QString, QPixmap> panels(1024);  // KiB
        if (const QPixmap* picture = panels.object(key)) {
            painter->drawPixmap(option->rect.topLeft(), *picture);
        } else {
            auto* drawn = new QPixmap(option->rect.size() * ratio);
            drawn->setDevicePixelRatio(ratio);
            drawn->fill(Qt::transparent);
            QStyleOptionFrame atOrigin(*panel);
            atOrigin.rect.moveTo(0, 0);
            QPainter onPicture(drawn);
            QProxyStyle::drawPrimitive(element, &atOrigin, &onPicture, widget);
            onPicture.end();
            painter->drawPixmap(option->rect.topLeft(), *drawn);
            panels.insert(key, drawn, std::max<qsizetype>(1, drawn->width() * drawn->height() * 4 / 1024));
        }
        return;
    }
    bool drawn = false;
    if (percent != kMinZoom && element == PE_FrameGroupBox)
        drawn = drawThickened<QStyleOptionFrame>(baseStyle(), element, option, painter, widget, percent, true);
    else if (percent != kMinZoom && element == PE_FrameTabWidget)
        drawn = drawThickened<QStyleOptionTabWidgetFrame>(baseStyle(), element, option, painter, widget, percent, false);
    if (!drawn && percent != kMinZoom && !option->rect.isEmpty()) {
        if (element == PE_Frame || element == PE_FrameLineEdit)
            drawn = drawScaled<QStyleOptionFrame>(baseStyle(), element, option, painter, widget, percent);
        else if (element == PE_PanelButtonCommand)
            drawn = drawScaled<QStyleOptionButton>(baseStyle(), element, option, painter, widget, percent);
    }
    if (!drawn)
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameLineEdit && (option->state & State_HasFocus))
        drawFocusFrame(painter, option->rect, option);
}

// A button with the focus wears the focus frame around its face, which the
// base style would mark only by the default button's frame; the tab strip
// around its current tab.
void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (element == CE_TabBarTabShape && tab && !unzoomed_ && zoom_ != kMinZoom) {
        // The tab's outline, a pixel at 100 %, drawn again a pixel further in
        // each time; its foot stays open into the page.
        for (int inset = 0; inset < zoomed(1, zoom_); ++inset) {
            QStyleOptionTab copy(*tab);
            copy.rect = option->rect.adjusted(inset, inset, -inset, 0);
            QProxyStyle::drawControl(element, &copy, painter, widget);
        }
        return;
    }
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button || !(option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        // The tab strip with the focus frames its current tab.
        if (element == CE_TabBarTab && (option->state & State_HasFocus))
            drawFocusFrame(painter, option->rect, option);
        return;
    }
    QStyleOptionButton unfocused(*button);
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    drawFocusFrame(painter, option->rect, option);
}

namespace {

// The rect at 100 % of one at `percent`, from (0, 0), and the scale that
// takes it back to the zoomed one.
struct Unzoomed {
    QRect rect;
    qreal sx;
    qreal sy;
};

Unzoomed unzoom(const QRect& rect, int percent)
{
    const qreal factor = percent / 100.0;
    const QRect at100(0, 0, std::max(1, qRound(rect.width() / factor)), std::max(1, qRound(rect.height() / factor)));
    return {at100, rect.width() / qreal(at100.width()), rect.height() / qreal(at100.height())};
}

// Calls `act` with a copy of `option` of its own type, false for a control
// that is not drawn scaled.
template <class Act>
bool withOwnCopy(QStyle::ComplexControl control, const QStyleOptionComplex* option, Act&& act)
{
    if (control == QStyle::CC_ScrollBar)
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            QStyleOptionSlider copy(*slider);
            act(copy);
            return true;
        }
    if (control == QStyle::CC_ComboBox)
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            QStyleOptionComboBox copy(*combo);
            act(copy);
            return true;
        }
    return false;
}

}  // namespace

// The base style draws the arrows of a scroll bar and of the figure list at
// a fixed size; the two are drawn as at 100 % on a painter scaled by the
// zoom, and measured the same way, so that what a click hits is what is seen.
bool WindowStyle::drawnScaled(ComplexControl control)
{
    return control == CC_ScrollBar || control == CC_ComboBox;
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    bool drawn = false;
    if (!unzoomed_ && zoom_ != kMinZoom && drawnScaled(control) && !option->rect.isEmpty()) {
        const Unzoomed at100 = unzoom(option->rect, zoom_);
        drawn = withOwnCopy(control, option, [&](QStyleOptionComplex& copy) {
            copy.rect = at100.rect;
            const QScopedValueRollback unzoomed(unzoomed_, true);
            painter->save();
            painter->translate(option->rect.topLeft());
            painter->scale(at100.sx, at100.sy);
            QProxyStyle::drawComplexControl(control, &copy, painter, widget);
            painter->restore();
        });
    }
    if (!drawn)
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && (option->state & State_HasFocus))
        drawFocusFrame(painter, option->rect, option);
}

QSize WindowStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                    const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (type != CT_ComboBox || !combo || unzoomed_ || zoom_ == kMinZoom)
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    // The contents at the zoom, the room around them as at 100 % grown by the zoom.
    const qreal factor = zoom_ / 100.0;
    QStyleOptionComboBox copy(*combo);
    copy.rect = unzoom(option->rect, zoom_).rect;
    const QScopedValueRollback unzoomed(unzoomed_, true);
    const QSize at100 = QProxyStyle::sizeFromContents(type, &copy, QSize(qCeil(contents.width() / factor),
                                                                        qCeil(contents.height() / factor)), widget);
    return {qCeil(at100.width() * factor), qCeil(at100.height() * factor)};
}

// Fusion puts a right-to-left caption flush against the frame's right edge,
// where its last pixel is lost to the border.
QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                  const QWidget* widget) const
{
    if (!unzoomed_ && zoom_ != kMinZoom && drawnScaled(control) && !option->rect.isEmpty()) {
        const Unzoomed at100 = unzoom(option->rect, zoom_);
        QRect scaled;
        if (withOwnCopy(control, option, [&](QStyleOptionComplex& copy) {
                copy.rect = at100.rect;
                const QScopedValueRollback unzoomed(unzoomed_, true);
                const QRect r = QProxyStyle::subControlRect(control, &copy, part, widget);
                const int left = qRound(r.left() * at100.sx), top = qRound(r.top() * at100.sy);
                scaled = QRect(left, top, qRound((r.right() + 1) * at100.sx) - left,
                               qRound((r.bottom() + 1) * at100.sy) - top)
                             .translated(option->rect.topLeft());
            }))
            return scaled;
    }
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control == CC_GroupBox && part == SC_GroupBoxLabel && option->direction == Qt::RightToLeft)
        rect.moveRight(std::min(rect.right(), option->rect.right() - kCaptionInset));
    return rect;
}

// Fusion places the focus frame of a right-to-left caption as if the caption
// started at the left, and leaves three pixels around it; a caption as wide
// as its room then runs over the frame. The frame is drawn one pixel clear of
// the caption where the caption is drawn: beside the circle, on either side.
// Where the button has no room for the whole frame, its edge cuts it.
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
    const int frame = zoomed(kFocusGap, unzoomed_ ? kMinZoom : zoom_) + focusFrameWidth();
    return caption.adjusted(-frame, 0, frame, 0).intersected(option->rect);
}

// Beside an icon, a right-to-left word on a dialog button is pushed against
// the button's border; alone it sits in the middle. A box that keeps its
// selection while another has the focus would otherwise show a caret too.
int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    // A text box without the focus keeps its selection, but no caret.
    if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus())
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace tavrimo
