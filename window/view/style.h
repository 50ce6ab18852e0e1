#pragma once

// The desktop style the window is drawn in, with room kept between a frame's
// caption and the frame's edge on the side the caption starts from.

#include <QProxyStyle>

namespace tavrimo {

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

}  // namespace tavrimo
