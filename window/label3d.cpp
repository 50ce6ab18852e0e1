#include "window/label3d.h"

#include <QPainter>

namespace tavrimo {

Label3D::Label3D(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Label3D::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void Label3D::setColours(const QColor& back, const QColor& face, const QColor& shadow)
{
    back_ = back;
    face_ = face;
    shadow_ = shadow;
    update();
}

QSize Label3D::sizeHint() const
{
    return fontMetrics().size(0, caption_) + QSize(2, 2);
}

void Label3D::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (caption_.isEmpty())
        return;
    // A caption wider than the label is drawn in a smaller size of its font
    // rather than cut or wrapped.
    QFont font = this->font();
    const int room = width() * 85 / 100;
    while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(caption_) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    // The shadow sits one pixel down and to the right of the face.
    const QRect face = rect().adjusted(0, 0, -1, -1);
    painter.setPen(shadow_);
    painter.drawText(face.translated(1, 1), flags, caption_);
    painter.setPen(face_);
    painter.drawText(face, flags, caption_);
}

}  // namespace tavrimo
