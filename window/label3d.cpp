#include "window/label3d.h"

#include <QEvent>
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
    fittedValid_ = false;
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

void Label3D::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fittedValid_ = false;
}

void Label3D::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fittedValid_ = false;
}

// A caption wider than the label is drawn in a smaller size of its font
// rather than cut or wrapped.
const QFont& Label3D::fittedFont()
{
    if (!fittedValid_) {
        QFont font = this->font();
        const int room = width() * 85 / 100;
        while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(caption_) > room)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        fitted_ = font;
        fittedValid_ = true;
    }
    return fitted_;
}

void Label3D::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (caption_.isEmpty())
        return;
    painter.setFont(fittedFont());
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    // The shadow sits one pixel down and to the right of the face.
    const QRect face = rect().adjusted(0, 0, -1, -1);
    painter.setPen(shadow_);
    painter.drawText(face.translated(1, 1), flags, caption_);
    painter.setPen(face_);
    painter.drawText(face, flags, caption_);
}

}  // namespace tavrimo
