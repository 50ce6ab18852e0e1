// SPDX-License-Identifier: GPL-3.0-or-later
// Solids with flat faces, drawn in oblique view (depth goes up and to the
// right): the rectangular box, the cube, the prism and the three pyramids.

#include "canvas.h"
#include "figures.h"
#include "geometry.h"
#include "letters.h"

namespace art {

namespace {

// The eight corners of a box in oblique view, from the lower left corner of
// its front face, its width and height, and the screen offset of the back face.
struct ObliqueBox {
    QPointF frontBottomLeft, frontBottomRight, frontTopLeft, frontTopRight;
    QPointF backBottomLeft, backBottomRight, backTopLeft, backTopRight;

    ObliqueBox(QPointF front, qreal width, qreal height, QPointF depth)
        : frontBottomLeft(front), frontBottomRight(front + QPointF(width, 0)),
          frontTopLeft(front - QPointF(0, height)), frontTopRight(front + QPointF(width, -height)),
          backBottomLeft(frontBottomLeft + depth), backBottomRight(frontBottomRight + depth),
          backTopLeft(frontTopLeft + depth), backTopRight(frontTopRight + depth)
    {
    }

    // Draws the edges; the three that meet at the back lower left corner are hidden.
    void draw(Canvas &c) const
    {
        c.line(backBottomLeft, frontBottomLeft, Stroke::Hidden);
        c.line(backBottomLeft, backBottomRight, Stroke::Hidden);
        c.line(backBottomLeft, backTopLeft, Stroke::Hidden);
        c.polygon(QPolygonF{frontBottomLeft, frontBottomRight, frontTopRight, frontTopLeft});
        c.polyline(QPolygonF{frontTopLeft, backTopLeft, backTopRight, frontTopRight});
        c.polyline(QPolygonF{frontBottomRight, backBottomRight, backTopRight});
    }
};

QPointF centroid(std::initializer_list<QPointF> points)
{
    QPointF sum;
    for (const QPointF &p : points)
        sum += p;
    return sum / qreal(points.size());
}

}  // namespace

void drawBox(Canvas &c)
{
    const ObliqueBox b({34.5, 112.5}, 124, 64, {46, -30});

    b.draw(c);
    // The diagonal is taken between corners where it meets no edge at a narrow angle.
    c.line(b.frontBottomRight, b.backTopLeft, Stroke::Hidden);

    c.label(letters::boxLength, lerp(b.frontBottomLeft, b.frontBottomRight, 0.5), Place::Below, 3);
    c.label(letters::boxHeight, lerp(b.frontBottomLeft, b.frontTopLeft, 0.5), Place::Left, 4);
    c.label(letters::boxWidth, beside(b.frontBottomRight, b.backBottomRight, 0.5, -11));
    c.label(letters::diagonal, beside(b.frontBottomRight, b.backTopLeft, 0.56, 10));
}

void drawCube(Canvas &c)
{
    const ObliqueBox b({24.5, 126.5}, 84, 84, {34, -26});

    b.draw(c);
    c.line(b.frontTopLeft, b.backBottomRight, Stroke::Hidden);

    c.label(letters::side, lerp(b.frontBottomLeft, b.frontBottomRight, 0.5), Place::Below, 3);
    c.label(letters::diagonal, beside(b.frontTopLeft, b.backBottomRight, 0.45, -10));
}

void drawPrism(Canvas &c)
{
    // Triangular prism standing on its base; the grey triangle is a cut
    // parallel to the base, halfway up.
    const QPointF a(16.5, 106.5), b(86.5, 114.5), k(104.5, 90.5);  // base: front left, front right, back
    const QPointF up(0, -84);
    const QPointF mid = up * 0.5;

    c.shade(QPolygonF{a + mid, b + mid, k + mid});
    c.line(a, k, Stroke::Hidden);
    c.line(a + mid, k + mid, Stroke::Hidden);
    c.polyline(QPolygonF{a + mid, b + mid, k + mid}, Stroke::Thin);
    c.polyline(QPolygonF{k, b, a, a + up, b + up, k + up, k});
    c.line(b, b + up);
    c.line(a + up, k + up);

    const qreal x = k.x() + 12;
    c.line(k + QPointF(3, 0), QPointF(x + 4, k.y()), Stroke::Thin);
    c.line(k + up + QPointF(3, 0), QPointF(x + 4, k.y() + up.y()), Stroke::Thin);
    c.dimension(QPointF(x, k.y() + up.y()), QPointF(x, k.y()));
    c.label(letters::height, QPointF(x, k.y() + up.y() / 2), Place::Right, 3);
}

void drawTriangularPyramid(Canvas &c)
{
    const QPointF a(3.5, 86.5), b(62.5, 102.5), k(94.5, 76.5), apex(46.5, 7.5);  // k is at the back
    const QPointF foot = lerp(a, b, 0.5);
    const QPointF mark = lerp(apex, foot, 0.7);

    c.line(a, k, Stroke::Hidden);
    c.polygon(QPolygonF{a, b, k, apex});
    c.line(apex, b);
    c.line(apex, foot, Stroke::Thin);
    c.rightAngle(foot, apex, b, 4);

    // The label goes on the front face, halfway between the slant height and the edge.
    const QPointF edge = lerp(apex, a, (mark.y() - apex.y()) / (a.y() - apex.y()));
    c.label(letters::slant, lerp(edge, mark, 0.5));
}

void drawPyramidOnPlane(Canvas &c)
{
    // Square pyramid standing on a plane; its height drops from the apex to
    // the centre of the base.
    const QPointF a(26.5, 112.5), b(110.5, 112.5), k(136.5, 92.5), d(52.5, 92.5);  // base corners
    const QPointF centre = centroid({a, b, k, d});
    const QPointF apex(centre.x(), 12.5);

    // The plane first; the pyramid then covers the part of it that lies behind.
    c.polygon(QPolygonF{{4.5, 126.5}, {126.5, 126.5}, {160.5, 80.5}, {38.5, 80.5}}, Stroke::Thin);
    c.cover(QPolygonF{a, b, k, apex});
    c.line(a, d, Stroke::Hidden);
    c.line(d, k, Stroke::Hidden);
    c.line(d, apex, Stroke::Hidden);
    c.line(apex, centre, Stroke::Hidden);
    c.rightAngle(centre, apex, lerp(b, k, 0.5), 5);
    c.polygon(QPolygonF{a, b, k, apex});
    c.line(apex, b);
    c.dot(centre);

    c.label(letters::height, lerp(apex, centre, 0.62), Place::Right, 3);
}

void drawPyramidFrustum(Canvas &c)
{
    // Square pyramid cut parallel to its base; the top is half the size.
    const QPointF a(2.5, 77.5), b(57.5, 77.5), k(74.5, 64.5), d(19.5, 64.5);
    const QPointF centre = centroid({a, b, k, d});
    const QPointF topCentre = centre - QPointF(0, 52);
    const auto lift = [&](QPointF p) { return topCentre + (p - centre) * 0.5; };
    const QPointF a2 = lift(a), b2 = lift(b), k2 = lift(k), d2 = lift(d);
    const QPointF slantTop = lerp(a2, b2, 0.5), slantFoot = lerp(a, b, 0.5);

    c.line(a, d, Stroke::Hidden);
    c.line(d, k, Stroke::Hidden);
    c.line(d, d2, Stroke::Hidden);
    c.polygon(QPolygonF{a, b, k, k2, d2, a2});
    c.polyline(QPolygonF{a2, b2, k2});
    c.line(b, b2);
    c.line(slantTop, slantFoot, Stroke::Thin);
    c.rightAngle(slantFoot, slantTop, b, 4);

    // The height as a measure beside the solid.
    const qreal x = k.x() + 7;
    c.line(k2 + QPointF(2, 0), QPointF(x + 3, k2.y()), Stroke::Thin);
    c.line(k + QPointF(2, 0), QPointF(x + 3, k.y()), Stroke::Thin);
    c.dimension(QPointF(x, k2.y()), QPointF(x, k.y()));

    c.label(letters::slant, beside(slantTop, slantFoot, 0.45, 10));
    c.label(letters::height, QPointF(x, (k.y() + k2.y()) / 2), Place::Right, 2);
}

}  // namespace art
