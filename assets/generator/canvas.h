// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Canvas: the drawing surface of one figure picture. It keeps the house style
// in one place (line weights, dash pattern, grey shading, label font) and
// holds back the labels until the lines are drawn, so that finish() can check
// that every label sits clear of the lines, of the other labels and of the
// picture's edges before it writes them.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <vector>

namespace art {

enum class Stroke {
    Solid,   // visible edges and outlines
    Bold,    // the quantity a figure is about (the arc of a sector)
    Thin,    // measuring lines: radii, heights, extension lines
    Hidden,  // edges behind the solid, dashed
};

// Where a label goes relative to the point it is given.
enum class Place { Centre, Left, Right, Above, Below, AboveLeft, AboveRight, BelowLeft, BelowRight };

QColor shadeColour();

class Canvas {
public:
    // `image` is the picture's size times `scale`: the drawing is laid out in
    // the picture's pixels and drawn at `scale` device pixels to each, so
    // that it is as sharp at any size as at its own.
    Canvas(QImage &image, const QFont &labelFont, qreal scale = 1);
    // Draws as lines and outlines on `device` (a QPicture, for a printer),
    // laid out in the picture's `size` of pixels; `scale` device pixels to
    // each of them is the resolution of what only a bitmap draws (the
    // shading of a curved surface). The labels are drawn as outlines too.
    Canvas(QPaintDevice &device, QSize size, const QFont &labelFont, qreal scale);

    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    qreal scale() const { return scale_; }
    QPainter &painter() { return painter_; }
    void setPen(Stroke stroke);

    void line(QPointF a, QPointF b, Stroke stroke = Stroke::Solid);
    void polyline(const QPolygonF &points, Stroke stroke = Stroke::Solid);
    void polygon(const QPolygonF &points, Stroke stroke = Stroke::Solid);
    void path(const QPainterPath &path, Stroke stroke = Stroke::Solid);
    void circle(QPointF centre, qreal radius, Stroke stroke = Stroke::Solid);
    // Arc of a circle from `startDegrees`, sweeping `spanDegrees` counter-clockwise.
    void arc(QPointF centre, qreal radius, qreal startDegrees, qreal spanDegrees, Stroke stroke = Stroke::Solid);
    // A horizontal circle seen from slightly above: an ellipse whose near
    // (lower) half is drawn solid and whose far half is `farStroke`.
    void flatCircle(QPointF centre, qreal rx, qreal ry, Stroke farStroke = Stroke::Hidden);
    void shade(const QPainterPath &area);
    // Paints the background over an area, hiding what was drawn there.
    void cover(const QPolygonF &area);
    void shade(const QPolygonF &area);
    void dot(QPointF p);
    // Small square in the corner between the directions towards a and b.
    void rightAngle(QPointF corner, QPointF towardA, QPointF towardB, qreal size = 5);
    // Arc marking the angle at `vertex` between the directions towards a and b
    // (the smaller of the two angles).
    void angleArc(QPointF vertex, QPointF towardA, QPointF towardB, qreal radius);
    // Measuring line with an arrow head at each end.
    void dimension(QPointF a, QPointF b);

    void label(const QString &text, QPointF at, Place place = Place::Centre, qreal gap = 2);
    // The texts of the labels placed so far, in the order they were placed.
    QStringList labels() const;

    // Checks the placed labels (at the picture's own size), draws them and
    // ends the painting. Returns the problems found (empty when the picture
    // is clean).
    QStringList finish();

private:
    struct Label {
        QString text;
        QPoint origin;  // baseline start of the text
        QRect ink;      // the pixels the text covers, in picture coordinates
    };

    QImage *image_;  // none on a device of lines and outlines
    QSize size_;
    QFont font_;
    qreal scale_;
    QPainter painter_;
    std::vector<Label> labels_;
};

// The label font of one family, as the drawings use it.
QFont labelFont(const char *family, int pixelSize);
// Finds the label font: an installed Arabic family, checked to be the one
// actually used. Exits with a message when none is available.
QFont arabicLabelFont(int pixelSize);

// The ink extent of `text` in `font`, relative to the baseline start.
QRect inkBounds(const QFont &font, const QString &text);

}  // namespace art
