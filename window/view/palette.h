// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control's back and fore colours on its widget.

#include "window/model.h"

#include <QColor>

class QWidget;

namespace tavrimo {

class Label3D;

QColor toQColor(Colour colour);

// Both colours of a new control's widget, in one palette: each new palette
// is passed on to the widget's parts.
void drawColours(QWidget* widget, const Control& c);
void drawBack(QWidget* widget, const Control& c);
void drawFore(QWidget* widget, const Control& c);
void drawLabel3DColours(Label3D* label, const Control& c);

}  // namespace tavrimo
