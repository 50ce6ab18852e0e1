// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small plane-geometry helpers for the drawings. Screen coordinates: x to the
// right, y downwards. Angles are in degrees, counter-clockwise as seen on the
// screen, 0 pointing right (the same convention as QPainterPath::arcTo).

#include <QLineF>
#include <QPointF>
#include <cmath>
#include <numbers>

namespace art {

inline QPointF lerp(QPointF a, QPointF b, qreal t) { return a + (b - a) * t; }

inline qreal length(QPointF v) { return std::hypot(v.x(), v.y()); }

inline QPointF unit(QPointF v) { return v / length(v); }

// The point at `radius` from `centre` in the direction `degrees`.
inline QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal r = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(std::cos(r), -std::sin(r)) * radius;
}

// Direction of the vector v in degrees (same convention as polar()).
inline qreal direction(QPointF v)
{
    return std::atan2(-v.y(), v.x()) * 180.0 / std::numbers::pi;
}

// Unit normal on the left of the way from a to b, as seen on the screen.
inline QPointF leftNormal(QPointF a, QPointF b)
{
    const QPointF d = unit(b - a);
    return {d.y(), -d.x()};
}

// The point at fraction t along a-b, moved `offset` pixels to the left of the
// way from a to b (negative: to the right). Used to put labels beside lines.
inline QPointF beside(QPointF a, QPointF b, qreal t, qreal offset)
{
    return lerp(a, b, t) + leftNormal(a, b) * offset;
}

}  // namespace art
