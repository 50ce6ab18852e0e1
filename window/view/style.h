// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop style the window is drawn in, with room kept between a frame's
// caption and the frame's edge on the side the caption starts from, and
// dialog buttons that carry their word alone, and an option button's focus
// frame drawn around its caption as the caption is drawn. At a zoom it draws
// every measure of the style (frame widths, margins, indicators, scroll bars)
// and the text boxes' frames, the buttons, the scroll bars with their arrows,
// the list's arrow and the lines of the group boxes, the tab page and its
// tabs that much larger, so that the window grows as one.
// Every control with the keyboard focus wears a frame of its own, two pixels
// wide at 100 %, that grows with the zoom. The style is the application's,
// and so is its zoom: the program has one window.

#include <QProxyStyle>

namespace tavrimo {

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    int zoom() const { return zoom_; }
    void setZoom(int percent) { zoom_ = percent; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;

    // The width of the focus frame at the zoom.
    int focusFrameWidth() const;

private:
    // Whether the base style draws a complex control as at 100 %, on a
    // painter scaled by the zoom: its measures are then the unzoomed ones.
    static bool drawnScaled(ComplexControl control);
    void drawFocusFrame(QPainter* painter, const QRect& rect, const QStyleOption* option) const;

    int zoom_ = 100;
    mutable bool unzoomed_ = false;  // measuring or drawing as at 100 %
};

}  // namespace tavrimo
