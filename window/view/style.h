// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop style the window is drawn in, with room kept between a frame's
// caption and the frame's edge on the side the caption starts from, and
// dialog buttons that carry their word alone, and an option button's focus
// frame drawn around its caption as the caption is drawn. At a zoom it draws
// every measure of the style (frame widths, margins, indicators, scroll bars)
// and the text boxes' frames and the focus mark that much larger, so that
// the window grows as one. The style is the application's, and so is its
// zoom: the program has one window.

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

private:
    int zoom_ = 100;
};

}  // namespace tavrimo
