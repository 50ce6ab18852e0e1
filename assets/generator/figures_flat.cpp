// SPDX-License-Identifier: GPL-3.0-or-later
// Plane figures: the circle with a sector, the square in its circle and the
// right triangle.

#include "canvas.h"
#include "figures.h"
#include "geometry.h"
#include "letters.h"

namespace art {

void drawCircleSector(Canvas &c)
{
    const QPointF o(64.5, 68.5);
    const qreal r = 54;
    const qreal from = -32, to = 40;  // the sector's two radii
    const QPointF a = polar(o, r, from), b = polar(o, r, to);
    const qreal middle = (from + to) / 2;

    c.circle(o, r);
    c.arc(o, r, from, to - from, Stroke::Bold);
    c.line(o, a);
    c.line(o, b);
    c.angleArc(o, a, b, 12);
    c.dot(o);

    c.label(letters::angle, polar(o, 26, middle));
    c.label(letters::side, polar(o, r + 2, middle), Place::Right);
    c.label(letters::circleRadius, beside(o, a, 0.5, -11));
}

void drawSquareInCircle(Canvas &c)
{
    const QPointF o(82.5, 81.5);
    const qreal h = 49;  // half the side
    const QRectF square(o.x() - h, o.y() - h, 2 * h, 2 * h);
    const QPointF corner = square.bottomRight();  // the radius of the circle ends at a corner

    c.circle(o, h * std::numbers::sqrt2);
    c.polygon(QPolygonF(square));
    c.line(o, corner, Stroke::Thin);
    c.dot(o);

    c.label(letters::squareSide, QPointF(o.x(), (square.top() + o.y() - h * std::numbers::sqrt2) / 2));
    c.label(letters::circleRadius, beside(o, corner, 0.5, -9));
}

void drawRightTriangle(Canvas &c)
{
    const QPointF a(8.5, 88.5);  // the angle يه
    const QPointF r(86.5, 88.5);  // the right angle
    const QPointF t(86.5, 20.5);

    c.polygon(QPolygonF{a, r, t});
    c.rightAngle(r, a, t, 7);
    c.angleArc(a, r, t, 17);

    c.label(letters::angle, polar(a, 28, direction(t - a) / 2));
    c.label(letters::adjacent, lerp(a, r, 0.5), Place::Below, 3);
    c.label(letters::opposite, lerp(r, t, 0.5), Place::Right, 4);
    c.label(letters::hypotenuse, beside(a, t, 0.5, 15));
}

}  // namespace art
