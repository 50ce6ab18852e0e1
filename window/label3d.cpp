// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/label3d.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace tavrimo {

namespace {

// Blank columns at each end of the caption, the shadow's column included.
constexpr int kMargin = 2;

}  // namespace

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
    relayout();
    update();
}

void Label3D::setColours(const QColor& back, const QColor& face, const QColor& shadow)
{
    back_ = back;
    face_ = face;
    shadow_ = shadow;
    update();
}

void Label3D::setHome(const QRect& home)
{
    home_ = home;
    placed_ = true;
    relayout();
}

void Label3D::setRoom(int spareLeft, int coveredRight)
{
    spareLeft_ = std::max(0, spareLeft);
    coveredRight_ = std::clamp(coveredRight, 0, home_.width());
    relayout();
}

// The caption is measured here, when its text, font or place changes, not at
// every paint.
void Label3D::relayout()
{
    captionWidth_ = fontMetrics().horizontalAdvance(caption_) + 1;  // the shadow's column
    if (!placed_)
        return;
    const int needed = captionWidth_ + 2 * kMargin;
    const int textRight = home_.right() + 1 - coveredRight_;
    const int left = std::max(home_.left() - spareLeft_, std::min(home_.left(), textRight - needed));
    setGeometry(QRect(QPoint(left, home_.top()), home_.bottomRight()));
}

QRect Label3D::captionRect() const
{
    const int right = width() - coveredRight_;
    const int room = right - 2 * kMargin;
    const int w = std::min(captionWidth_, room);
    const int h = fontMetrics().height();
    // A pixel above the middle: the field on the row below may lie over the
    // label's lower corner.
    return {kMargin + (room - w) / 2, std::max(0, (height() - h) / 2 - 1), w, h};
}

QSize Label3D::sizeHint() const
{
    return fontMetrics().size(0, caption_) + QSize(2 * kMargin + 1, 2);
}

void Label3D::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

void Label3D::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (caption_.isEmpty())
        return;
    // The caption keeps its font; where even the widened label is too
    // narrow, it breaks at a blank rather than shrink.
    const QRect line = captionRect();
    const QRect area(kMargin, line.top(), width() - coveredRight_ - 2 * kMargin - 1, height() - line.top());
    const int flags = Qt::AlignHCenter | Qt::AlignTop
                      | (captionWidth_ > area.width() + 1 ? Qt::TextWordWrap : Qt::TextSingleLine);
    // The shadow sits one pixel down and to the right of the face.
    painter.setPen(shadow_);
    painter.drawText(area.translated(1, 1), flags, caption_);
    painter.setPen(face_);
    painter.drawText(area, flags, caption_);
}

}  // namespace tavrimo
