// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's icon: the equation 1+X-6=0 along the top, a green ruler, a
// blue set square on a yellow base and the red letters °F and °C. The drawing
// is laid out on a 32 x 32 grid and scaled to any size; at 32 pixels and
// below it is drawn without smoothing so that every pixel is one of the 16
// standard colours the icon file holds.

#include <QImage>
#include <array>
#include <vector>

namespace art {

// The 16 colours of the standard Windows VGA palette, in palette order.
extern const std::array<QRgb, 16> kVgaPalette;

QImage drawIcon(int size);

// Maps every pixel to the nearest palette colour (and to fully transparent or
// fully opaque). Returns the palette index of each pixel, -1 for transparent.
std::vector<int> quantiseToVga(const QImage &image);

}  // namespace art
