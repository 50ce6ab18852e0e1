// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop style the window is drawn in, with room kept between a frame's
// caption and the frame's edge on the side the caption starts from, and
// dialog buttons that carry their word alone, and an option button's focus
// frame drawn around its caption as the caption is drawn.

#include <QProxyStyle>

namespace tavrimo {

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

}  // namespace tavrimo
