// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "geometry.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace art {

namespace {

constexpr qreal kSolidWidth = 1.2;
constexpr qreal kBoldWidth = 2.2;
constexpr qreal kThinWidth = 1.0;
constexpr qreal kHiddenWidth = 1.1;
constexpr int kDarkLimit = 170;  // a pixel darker than this grey counts as a line

QPen penFor(Stroke stroke)
{
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    switch (stroke) {
    case Stroke::Solid: pen.setWidthF(kSolidWidth); break;
    case Stroke::Bold: pen.setWidthF(kBoldWidth); break;
    case Stroke::Thin: pen.setWidthF(kThinWidth); break;
    case Stroke::Hidden:
        pen.setWidthF(kHiddenWidth);
        pen.setDashPattern({3.0, 2.5});
        break;
    }
    return pen;
}

}  // namespace

QColor shadeColour() { return QColor(200, 200, 200); }

Canvas::Canvas(QImage &image, const QFont &labelFont, qreal scale)
    : image_(&image), size_(qRound(image.width() / scale), qRound(image.height() / scale)), font_(labelFont),
      scale_(scale)
{
    image_->fill(Qt::white);
    painter_.begin(image_);
    painter_.scale(scale, scale);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setBrush(Qt::NoBrush);
    setPen(Stroke::Solid);
}

Canvas::Canvas(QPaintDevice &device, QSize size, const QFont &labelFont, qreal scale)
    : image_(nullptr), size_(size), font_(labelFont), scale_(scale)
{
    painter_.begin(&device);
    painter_.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setBrush(Qt::NoBrush);
    setPen(Stroke::Solid);
}

void Canvas::setPen(Stroke stroke) { painter_.setPen(penFor(stroke)); }

void Canvas::line(QPointF a, QPointF b, Stroke stroke)
{
    setPen(stroke);
    painter_.drawLine(a, b);
}

void Canvas::polyline(const QPolygonF &points, Stroke stroke)
{
    setPen(stroke);
    painter_.drawPolyline(points);
}

void Canvas::polygon(const QPolygonF &points, Stroke stroke)
{
    setPen(stroke);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(points);
}

void Canvas::path(const QPainterPath &p, Stroke stroke)
{
    setPen(stroke);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(p);
}

void Canvas::circle(QPointF centre, qreal radius, Stroke stroke)
{
    setPen(stroke);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(centre, radius, radius);
}

void Canvas::arc(QPointF centre, qreal radius, qreal startDegrees, qreal spanDegrees, Stroke stroke)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath p;
    p.arcMoveTo(box, startDegrees);
    p.arcTo(box, startDegrees, spanDegrees);
    path(p, stroke);
}

void Canvas::flatCircle(QPointF centre, qreal rx, qreal ry, Stroke farStroke)
{
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    QPainterPath nearHalf, farHalf;
    nearHalf.arcMoveTo(box, 180);
    nearHalf.arcTo(box, 180, 180);
    farHalf.arcMoveTo(box, 0);
    farHalf.arcTo(box, 0, 180);
    path(farHalf, farStroke);
    path(nearHalf, Stroke::Solid);
}

void Canvas::shade(const QPainterPath &area)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(shadeColour());
    painter_.drawPath(area);
    painter_.restore();
}

void Canvas::shade(const QPolygonF &area)
{
    QPainterPath p;
    p.addPolygon(area);
    p.closeSubpath();
    shade(p);
}

void Canvas::cover(const QPolygonF &area)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::white);
    painter_.drawPolygon(area);
    painter_.restore();
}

void Canvas::dot(QPointF p)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    painter_.drawEllipse(p, 1.6, 1.6);
    painter_.restore();
}

void Canvas::rightAngle(QPointF corner, QPointF towardA, QPointF towardB, qreal size)
{
    const QPointF u = unit(towardA - corner) * size;
    const QPointF v = unit(towardB - corner) * size;
    polyline(QPolygonF{corner + u, corner + u + v, corner + v}, Stroke::Thin);
}

void Canvas::angleArc(QPointF vertex, QPointF towardA, QPointF towardB, qreal radius)
{
    const qreal a = direction(towardA - vertex);
    qreal span = direction(towardB - vertex) - a;
    while (span > 180)
        span -= 360;
    while (span < -180)
        span += 360;
    arc(vertex, radius, a, span, Stroke::Thin);
}

void Canvas::dimension(QPointF a, QPointF b)
{
    line(a, b, Stroke::Thin);
    const QPointF d = unit(b - a);
    const QPointF n(-d.y(), d.x());
    constexpr qreal headLength = 5.0, headHalfWidth = 2.2;
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    painter_.drawPolygon(QPolygonF{a, a + d * headLength + n * headHalfWidth, a + d * headLength - n * headHalfWidth});
    painter_.drawPolygon(QPolygonF{b, b - d * headLength + n * headHalfWidth, b - d * headLength - n * headHalfWidth});
    painter_.restore();
}

void Canvas::label(const QString &text, QPointF at, Place place, qreal gap)
{
    const QRect ink = inkBounds(font_, text);
    // Where the ink box goes: its top-left corner, from the placement.
    qreal left = at.x() - ink.width() / 2.0;
    qreal top = at.y() - ink.height() / 2.0;
    switch (place) {
    case Place::Left: case Place::AboveLeft: case Place::BelowLeft: left = at.x() - gap - ink.width(); break;
    case Place::Right: case Place::AboveRight: case Place::BelowRight: left = at.x() + gap; break;
    default: break;
    }
    switch (place) {
    case Place::Above: case Place::AboveLeft: case Place::AboveRight: top = at.y() - gap - ink.height(); break;
    case Place::Below: case Place::BelowLeft: case Place::BelowRight: top = at.y() + gap; break;
    default: break;
    }
    const QPoint origin(qRound(left - ink.left()), qRound(top - ink.top()));
    labels_.push_back({text, origin, ink.translated(origin)});
}

QStringList Canvas::labels() const
{
    QStringList texts;
    for (const Label &l : labels_)
        texts << l.text;
    return texts;
}

QStringList Canvas::finish()
{
    QStringList problems;
    for (size_t i = 0; i < labels_.size() && image_ && scale_ == 1; ++i) {
        const Label &l = labels_[i];
        const QRect clear = l.ink.adjusted(-1, -1, 1, 1);
        if (!image_->rect().contains(clear)) {
            problems << QStringLiteral("label %1 runs off the picture (ink %2,%3 %4x%5)")
                            .arg(l.text).arg(l.ink.x()).arg(l.ink.y()).arg(l.ink.width()).arg(l.ink.height());
        } else {
            for (int y = clear.top(); y <= clear.bottom(); ++y) {
                bool hit = false;
                for (int x = clear.left(); x <= clear.right() && !hit; ++x) {
                    if (qGray(image_->pixel(x, y)) < kDarkLimit) {
                        problems << QStringLiteral("label %1 touches a line at %2,%3").arg(l.text).arg(x).arg(y);
                        hit = true;
                    }
                }
                if (hit)
                    break;
            }
        }
        for (size_t j = i + 1; j < labels_.size(); ++j) {
            if (clear.intersects(labels_[j].ink))
                problems << QStringLiteral("labels %1 and %2 overlap").arg(l.text, labels_[j].text);
        }
    }
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    if (image_) {
        for (const Label &l : labels_)
            painter_.drawText(l.origin, l.text);
    } else {
        QPainterPath outlines;
        for (const Label &l : labels_)
            outlines.addText(l.origin, font_, l.text);
        painter_.fillPath(outlines, Qt::black);
    }
    painter_.end();
    return problems;
}

QFont labelFont(const char *family, int pixelSize)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont arabicLabelFont(int pixelSize)
{
    // Noto Sans Arabic UI keeps its letters open at 11-13 pixels; Amiri is the
    // fallback. The bold face holds up better after JPEG compression.
    static const char *const families[] = {"Noto Sans Arabic UI", "Amiri"};
    for (const char *family : families) {
        if (!QFontDatabase::writingSystems(QString::fromLatin1(family)).contains(QFontDatabase::Arabic))
            continue;
        const QFont font = labelFont(family, pixelSize);
        if (QFontInfo(font).family() == QLatin1String(family))
            return font;
    }
    std::fprintf(stderr, "make-pictures: no Arabic font found; install fonts-noto-ui-core or fonts-hosny-amiri\n");
    std::exit(1);
}

QRect inkBounds(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    const int pad = 8;
    QImage scratch(metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad,
                   QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    const QPoint origin(pad, pad + metrics.ascent());
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(origin, text);
    }
    int left = scratch.width(), right = -1, top = scratch.height(), bottom = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (qAlpha(scratch.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(-origin);
}

}  // namespace art
