// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one place where the faces the window was designed with are mapped to
// installed faces with Arabic coverage.

#include "window/control_row.h"

#include <QFont>

class QWidget;
#include <QStringList>

namespace tavrimo {

// A clean sans for "MS Sans Serif", a Naskh face for "Mudir MT".
inline constexpr const char* kSansFamily = "Noto Sans Arabic UI";
inline constexpr const char* kNaskhFamily = "Noto Naskh Arabic UI";
// The window's default size is 8.25 pt; the substitute sans runs a little
// wider than the face the layout was drawn for, so it is set a touch smaller
// to keep captions inside their frames.
inline constexpr double kDefaultPoints = 8;

// The fonts at a zoom in percent.
QFont windowDefaultFont(int zoom = 100);
QFont fontFor(const FontStyle& row, int zoom = 100);
// Whether a control has a font of its own rather than the window's.
bool hasOwnFont(const ControlRow& row);
// Gives the widget its font at its zoom when it is first shown (or, for an
// empty multi-line box, first needs it), so that a page not yet on view
// loads no font of its own.
void giveFontOnShow(QWidget* widget, const FontStyle& font);

}  // namespace tavrimo
