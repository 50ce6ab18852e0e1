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

}  // namespace tavrimo
