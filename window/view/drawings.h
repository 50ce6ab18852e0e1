// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The figure drawings and the thermometer drawn afresh at any size by the
// drawing code that made the stored pictures (assets/generator), so that at
// a zoom or on a dense screen no drawing is an enlarged bitmap. The stored
// pictures stay what the window holds; this is how they look larger.

#include "assets/pictures.h"

#include <QImage>
#include <QPicture>
#include <QStringList>

namespace tavrimo {

// The picture at `scale` device pixels to each of its pixels; a null image
// when there is no drawing code for it.
QImage drawPicture(const PictureInfo& picture, qreal scale);

// A figure drawing as lines and outlines, for a printer: sharp at any size,
// laid out in the picture's pixels. The shading of a curved surface, which
// only a bitmap draws, is drawn at `shadingScale` pixels to each of its
// pixels. A null picture when there is no drawing code for it.
QPicture drawFigureAsLines(const PictureInfo& picture, qreal shadingScale);

// The letters and words a figure drawing is labelled with, each once, in the
// order the drawing places them; empty for a picture without drawing code.
QStringList lettersOn(const PictureInfo& picture);

}  // namespace tavrimo
