// SPDX-License-Identifier: GPL-3.0-or-later
// Round solids: the four sphere drawings, the cone and the frustum of a cone.
//
// The spheres are true orthographic views from slightly above, so that the
// circles on them (the cutting planes, the equator, the meridians) come out as
// ellipses whose far halves are dashed, and the grey parts are worked out per
// pixel from the region of the surface that is shaded.

#include "canvas.h"
#include "figures.h"
#include "geometry.h"
#include "letters.h"

#include <QtMath>

#include <cmath>
#include <functional>

namespace art {

namespace {

// A point in the sphere's own frame: x to the right, y away from the viewer,
// z up, the sphere's centre at the origin.
struct Vec3 {
    qreal x, y, z;
};

qreal radians(qreal degrees) { return degrees * std::numbers::pi / 180.0; }

class SphereView {
public:
    SphereView(QPointF centre, qreal radius, qreal elevationDegrees)
        : centre_(centre), radius_(radius),
          cosE_(std::cos(radians(elevationDegrees))), sinE_(std::sin(radians(elevationDegrees)))
    {
    }

    qreal radius() const { return radius_; }
    QPointF centre() const { return centre_; }

    QPointF project(Vec3 p) const { return {centre_.x() + p.x, centre_.y() - (p.z * cosE_ + p.y * sinE_)}; }

    // True for points on the half of the sphere that faces the viewer.
    bool facesViewer(Vec3 p) const { return -p.y * cosE_ + p.z * sinE_ >= 0; }

    // Horizontal circle of the sphere at height z: the point at `degrees`
    // round it, 0 to the right, -90 nearest the viewer.
    Vec3 onLatitude(qreal z, qreal degrees) const
    {
        const qreal a = std::sqrt(std::max<qreal>(0, radius_ * radius_ - z * z));
        return {a * std::cos(radians(degrees)), a * std::sin(radians(degrees)), z};
    }

    // Great half-circle from pole to pole through the equator point that lies
    // `longitude` degrees right of the point nearest the viewer; t runs from
    // -90 (south pole) to 90 (north pole).
    Vec3 onMeridian(qreal longitude, qreal t) const
    {
        const qreal l = radians(longitude), tt = radians(t);
        return {radius_ * std::cos(tt) * std::sin(l), -radius_ * std::cos(tt) * std::cos(l), radius_ * std::sin(tt)};
    }

    void outline(Canvas &c) const { c.circle(centre_, radius_); }

    // Draws a curve on the surface: solid where it faces the viewer, dashed behind.
    void curve(Canvas &c, const std::function<Vec3(qreal)> &at, qreal t0, qreal t1, int steps = 240) const
    {
        QPolygonF run;
        bool runFaces = facesViewer(at(t0));
        for (int i = 0; i <= steps; ++i) {
            const Vec3 p = at(t0 + (t1 - t0) * i / steps);
            const bool faces = facesViewer(p);
            if (faces != runFaces && !run.isEmpty()) {
                run << project(p);
                c.polyline(run, runFaces ? Stroke::Solid : Stroke::Hidden);
                run.clear();
                runFaces = faces;
            }
            run << project(p);
        }
        c.polyline(run, runFaces ? Stroke::Solid : Stroke::Hidden);
    }

    void latitude(Canvas &c, qreal z) const
    {
        curve(c, [&](qreal d) { return onLatitude(z, d); }, -90, 270);
    }

    // Greys the part of the visible surface for which `inRegion` holds,
    // sampling each device pixel 4 x 4 times for smooth edges (2 x 2 where
    // the pixels are small).
    void shadeSurface(Canvas &c, const std::function<bool(Vec3)> &inRegion) const
    {
        const qreal s = c.scale();
        const int n = s >= 2 ? 2 : 4;
        // One grey at as many levels of cover as there are samples: a
        // palette of them keeps the layer small, which a printer's
        // recording stores as PNG.
        QImage layer(qCeil(c.width() * s), qCeil(c.height() * s), QImage::Format_Indexed8);
        const QColor grey = shadeColour();
        QList<QRgb> levels;
        for (int k = 0; k <= n * n; ++k)
            levels << qRgba(grey.red(), grey.green(), grey.blue(), 255 * k / (n * n));
        layer.setColorTable(levels);
        layer.fill(0);
        for (int py = 0; py < layer.height(); ++py) {
            for (int px = 0; px < layer.width(); ++px) {
                int hits = 0;
                for (int j = 0; j < n; ++j) {
                    for (int i = 0; i < n; ++i) {
                        const qreal u = (px + (i + 0.5) / n) / s - centre_.x();
                        const qreal w = centre_.y() - (py + (j + 0.5) / n) / s;
                        const qreal rr = radius_ * radius_ - u * u - w * w;
                        if (rr <= 0)
                            continue;
                        const qreal d = std::sqrt(rr);  // towards the viewer
                        if (inRegion({u, w * sinE_ - d * cosE_, w * cosE_ + d * sinE_}))
                            ++hits;
                    }
                }
                if (hits)
                    layer.setPixel(px, py, static_cast<uint>(hits));
            }
        }
        c.painter().drawImage(QRectF(0, 0, layer.width() / s, layer.height() / s), layer);
    }

private:
    QPointF centre_;
    qreal radius_;
    qreal cosE_, sinE_;
};

// The filled inside of a horizontal circle of the sphere, as seen.
QPainterPath latitudeDisc(const SphereView &s, qreal z)
{
    QPolygonF ring;
    for (int d = 0; d < 360; d += 3)
        ring << s.project(s.onLatitude(z, d));
    QPainterPath p;
    p.addPolygon(ring);
    p.closeSubpath();
    return p;
}

}  // namespace

void drawSphereCap(Canvas &c)
{
    const SphereView s({80.5, 80.5}, 66, 9);
    const qreal r = s.radius();
    const qreal cut = 0.25 * r;  // height of the cutting plane above the centre
    const QPointF o = s.centre(), top = s.project({0, 0, r}), base = s.project({0, 0, cut});
    const QPointF rim = s.project(s.onLatitude(cut, 180));
    const QPointF side = polar(o, r, -35);

    s.shadeSurface(c, [&](Vec3 p) { return p.z >= cut; });
    s.outline(c);
    s.latitude(c, cut);
    c.line(o, base, Stroke::Hidden);
    c.line(base, top, Stroke::Thin);
    c.line(top, rim, Stroke::Thin);  // the chord from the top of the cap to its rim
    c.line(o, side, Stroke::Thin);
    c.dot(o);

    c.label(letters::height, lerp(top, base, 0.35), Place::Right, 3);
    c.label(letters::chord, beside(top, rim, 0.5, 9));
    c.label(letters::radius, beside(o, side, 0.55, 12));
}

void drawSphereZone(Canvas &c)
{
    const SphereView s({62.5, 68.5}, 57, 12);
    const qreal r = s.radius();
    const qreal upper = 0.42 * r, lower = -0.3 * r;
    const QPointF upperEnd = s.project(s.onLatitude(upper, 0)), lowerEnd = s.project(s.onLatitude(lower, 0));
    const qreal x = s.centre().x() + r + 9;

    s.shadeSurface(c, [&](Vec3 p) { return p.z <= upper && p.z >= lower; });
    s.outline(c);
    s.latitude(c, upper);
    s.latitude(c, lower);
    c.line(upperEnd, QPointF(x + 4, upperEnd.y()), Stroke::Thin);
    c.line(lowerEnd, QPointF(x + 4, lowerEnd.y()), Stroke::Thin);
    c.dimension(QPointF(x, upperEnd.y()), QPointF(x, lowerEnd.y()));

    c.label(letters::height, QPointF(x, (upperEnd.y() + lowerEnd.y()) / 2), Place::Right, 3);
}

void drawSphereWedge(Canvas &c)
{
    // The lower slot it is shown in lies near the foot of the page, so the
    // sphere keeps to the picture's upper 134 rows.
    const SphereView s({78.5, 68.5}, 61, 28);
    const qreal r = s.radius();
    const qreal from = -15, to = 55;  // longitudes of the two half-circles
    const QPointF o = s.centre();
    const QPointF e1 = s.project(s.onMeridian(from, 0)), e2 = s.project(s.onMeridian(to, 0));

    s.shadeSurface(c, [&](Vec3 p) {
        const qreal longitude = std::atan2(p.x, -p.y) * 180.0 / std::numbers::pi;
        return longitude >= from && longitude <= to;
    });
    s.outline(c);
    s.latitude(c, 0);
    s.curve(c, [&](qreal t) { return s.onMeridian(from, t); }, -90, 90);
    s.curve(c, [&](qreal t) { return s.onMeridian(to, t); }, -90, 90);
    c.line(s.project({0, 0, r}), o, Stroke::Hidden);  // the axis through the poles
    c.line(o, e1, Stroke::Thin);
    c.line(o, e2, Stroke::Thin);
    c.angleArc(o, e1, e2, 8);

    const qreal middle = (direction(e1 - o) + direction(e2 - o)) / 2;
    c.label(letters::angle, polar(o, 20, middle));
}

void drawSphereSectors(Canvas &c)
{
    const SphereView s({66.5, 74.5}, 61, 12);
    const qreal r = s.radius();
    const qreal cut = 0.5 * r;
    const QPointF o = s.centre(), top = s.project({0, 0, r}), base = s.project({0, 0, cut});

    s.shadeSurface(c, [&](Vec3 p) { return std::abs(p.z) >= cut; });
    for (const qreal z : {cut, -cut}) {
        c.shade(latitudeDisc(s, z));
        c.shade(QPolygonF{o, s.project(s.onLatitude(z, 0)), s.project(s.onLatitude(z, 180))});
    }
    s.outline(c);
    for (const qreal z : {cut, -cut}) {
        s.latitude(c, z);
        c.line(o, s.project(s.onLatitude(z, 0)), Stroke::Thin);
        c.line(o, s.project(s.onLatitude(z, 180)), Stroke::Thin);
    }
    c.line(o, base, Stroke::Hidden);
    c.line(base, top, Stroke::Thin);
    c.dot(o);

    c.label(letters::height, lerp(top, base, 0.3), Place::Right, 3);
}

void drawCone(Canvas &c)
{
    const QPointF apex(66.5, 12.5), centre(66.5, 138.5);
    const qreal rx = 52, ry = 17;
    const QPointF left(centre.x() - rx, centre.y()), right(centre.x() + rx, centre.y());
    const QPointF rim = centre + QPointF(rx * std::cos(radians(-40)), -ry * std::sin(radians(-40)));

    c.flatCircle(centre, rx, ry);
    c.line(apex, left);
    c.line(apex, right);
    c.line(apex, centre, Stroke::Hidden);
    c.line(centre, rim, Stroke::Hidden);
    c.rightAngle(centre, apex, rim, 5);

    c.label(letters::height, lerp(apex, centre, 0.55), Place::Left, 4);
    c.label(letters::radius, beside(centre, rim, 0.62, 10));
    c.label(letters::slant, beside(apex, right, 0.5, 10));
}

void drawConeFrustum(Canvas &c)
{
    const QPointF top(56.5, 25.5), bottom(56.5, 76.5);
    const qreal topRx = 26, topRy = 7, rx = 44, ry = 15;
    const QPointF topRight(top.x() + topRx, top.y());
    const QPointF rim = bottom + QPointF(rx * std::cos(radians(-55)), -ry * std::sin(radians(-55)));

    c.path([&] { QPainterPath p; p.addEllipse(top, topRx, topRy); return p; }());
    c.flatCircle(bottom, rx, ry);
    c.line(QPointF(top.x() - topRx, top.y()), QPointF(bottom.x() - rx, bottom.y()));
    c.line(topRight, QPointF(bottom.x() + rx, bottom.y()));
    c.line(top, bottom, Stroke::Hidden);
    c.line(top, topRight, Stroke::Thin);
    c.line(bottom, rim, Stroke::Hidden);

    // The top ellipse is too flat to hold a label: نقَ stands at the level of
    // its radius, just past the radius's outer end.
    c.label(letters::smallRadius, topRight, Place::Right, 4);
    c.label(letters::radius, beside(bottom, rim, 0.65, 11));
    c.label(letters::height, lerp(top, bottom, 0.5), Place::Left, 4);
    c.label(letters::slant, beside(topRight, QPointF(bottom.x() + rx, bottom.y()), 0.5, 10));
}

}  // namespace art
