// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's zoom, in whole percent: the view draws the model's twips at
// 15 twips a pixel times the zoom. The model never hears of it.

#include <QRect>
#include <QSize>

#include <array>

class QWidget;

namespace tavrimo {

inline constexpr int kMinZoom = 100;
inline constexpr int kMaxZoom = 300;
// Where the zoom keys stop.
inline constexpr std::array<int, 7> kZoomSteps = {100, 125, 150, 175, 200, 250, 300};

// The zoom one key press leads to from `percent`, which may lie between two
// steps after the window was resized: the next step up (direction > 0) or
// down (direction < 0).
int zoomStep(int percent, int direction);

// Pixels at `percent` of a length given in pixels at 100 %.
int zoomed(int pixels, int percent);
qreal zoomedF(qreal pixels, int percent);

// Twips to pixels at a zoom: 15 twips are one pixel at 100 %.
QRect twipsToPixels(const QRect& twips, int percent = kMinZoom);

// The largest zoom from 100 % to 300 % at which `content` (its size at
// 100 %) fits in `room`; 100 % when even that does not fit.
int largestZoomFitting(QSize content, QSize room);

// The zoom the window's style draws at (100 % with any other style).
int zoomOf(const QWidget* widget);

}  // namespace tavrimo
