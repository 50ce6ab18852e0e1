// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fifteen figure drawings of the formula page. Each is drawn by one
// function onto a Canvas of the picture's exact size; the table gives the
// file number, the size and the function.

#include <QSize>

namespace art {

class Canvas;

using DrawFunction = void (*)(Canvas &);

// Pixels of the letters on the drawings, at the pictures' own size.
inline constexpr int kLabelPixelSize = 13;

struct Figure {
    int number;         // written as image<number>.jpg
    QSize size;         // exact pixel size of the picture
    DrawFunction draw;
    const char *shows;  // for the generator's report
};

// figures_flat.cpp
void drawCircleSector(Canvas &c);
void drawSquareInCircle(Canvas &c);
void drawRightTriangle(Canvas &c);

// figures_round.cpp
void drawSphereCap(Canvas &c);
void drawSphereZone(Canvas &c);
void drawSphereWedge(Canvas &c);
void drawSphereSectors(Canvas &c);
void drawCone(Canvas &c);
void drawConeFrustum(Canvas &c);

// figures_faceted.cpp
void drawBox(Canvas &c);
void drawCube(Canvas &c);
void drawPrism(Canvas &c);
void drawTriangularPyramid(Canvas &c);
void drawPyramidOnPlane(Canvas &c);
void drawPyramidFrustum(Canvas &c);

inline constexpr Figure kFigures[] = {
    {1, {142, 137}, drawCircleSector, "circle with a sector"},
    {2, {165, 163}, drawSquareInCircle, "square inscribed in a circle"},
    {3, {164, 154}, drawSphereCap, "sphere with a spherical cap"},
    {4, {146, 137}, drawSphereZone, "sphere with a zone"},
    {5, {157, 150}, drawSphereWedge, "sphere with a wedge"},
    {6, {144, 148}, drawSphereSectors, "sphere with sectors"},
    {7, {226, 132}, drawBox, "rectangular box"},
    {8, {132, 174}, drawCone, "right circular cone"},
    {9, {124, 96}, drawConeFrustum, "frustum of a cone"},
    {10, {136, 112}, drawRightTriangle, "right triangle"},
    {11, {160, 150}, drawCube, "cube"},
    {12, {154, 126}, drawPrism, "prism with a cross-section"},
    {13, {99, 109}, drawTriangularPyramid, "triangular pyramid"},
    {14, {166, 136}, drawPyramidOnPlane, "pyramid over a base plane"},
    {15, {95, 83}, drawPyramidFrustum, "frustum of a pyramid"},
};

}  // namespace art
