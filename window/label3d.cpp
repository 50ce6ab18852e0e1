// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/label3d.h"

#include "window/view/zoom.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace tavrimo {

namespace {

// Blank columns at each end of the caption, the shadow's column included,
// and the shadow's offset, in pixels at 100 %: both grow with the zoom.
constexpr int kMargin = 2;
constexpr int kShadow = 1;

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
    drawn_ = QPixmap();
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
    drawn_ = QPixmap();
    const int zoom = zoomOf(this);
    captionWidth_ = fontMetrics().horizontalAdvance(caption_) + zoomed(kShadow, zoom);
    if (!placed_)
        return;
    const int needed = captionWidth_ + 2 * zoomed(kMargin, zoom);
    const int textRight = home_.right() + 1 - coveredRight_;
    const int left = std::max(home_.left() - spareLeft_, std::min(home_.left(), textRight - needed));
    setGeometry(QRect(QPoint(left, home_.top()), home_.bottomRight()));
}

QRect Label3D::captionRect() const
{
    const int zoom = zoomOf(this);
    const int margin = zoomed(kMargin, zoom);
    const int right = width() - coveredRight_;
    const int room = right - 2 * margin;
    const int w = std::min(captionWidth_, room);
    const int h = fontMetrics().height();
    // A pixel above the middle, and above the label's lowest fifth: the field
    // on the row below may lie over the label's lower corner.
    const int top = std::min((height() - h) / 2 - zoomed(1, zoom), height() * 4 / 5 - h);
    return {margin + (room - w) / 2, std::max(0, top), w, h};
}

QSize Label3D::sizeHint() const
{
    const int zoom = zoomOf(this);
    return fontMetrics().size(0, caption_) + QSize(zoomed(2 * kMargin + kShadow, zoom), zoomed(2, zoom));
}

void Label3D::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

// The caption is shaped and drawn twice (its shadow and its face), which
// for an Arabic caption costs more than the rest of a keystroke's paint; a
// label under a field is repainted with it, so it is drawn once for each
// caption, colour, font and size, and copied at every other paint.
void Label3D::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.size() != size() * ratio || drawn_.devicePixelRatio() != ratio) {
        drawn_ = QPixmap(size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        QPainter onPicture(&drawn_);
        draw(onPicture);
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
}

void Label3D::draw(QPainter& painter)
{
    painter.fillRect(rect(), back_);
    if (caption_.isEmpty())
        return;
    // The caption keeps its font; where even the widened label is too
    // narrow, it breaks at a blank rather than shrink.
    const int zoom = zoomOf(this);
    const int margin = zoomed(kMargin, zoom);
    const int shadow = zoomed(kShadow, zoom);
    const QRect line = captionRect();
    const QRect area(margin, line.top(), width() - coveredRight_ - 2 * margin - shadow, height() - line.top());
    const int flags = Qt::AlignHCenter | Qt::AlignTop
                      | (captionWidth_ > area.width() + shadow ? Qt::TextWordWrap : Qt::TextSingleLine);
    // The shadow sits one pixel (at 100 %) down and to the right of the face.
    painter.setPen(shadow_);
    painter.drawText(area.translated(shadow, shadow), flags, caption_);
    painter.setPen(face_);
    painter.drawText(area, flags, caption_);
}

}  // namespace tavrimo
