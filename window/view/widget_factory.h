// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds the real widget for each kind of control, and draws a control's
// model properties onto its widget. The widgets themselves live in files of
// their own (field_edit, multi_line_edit, blank_wrapping_label,
// picture_label); their colours in palette.

#include "window/model.h"

class QWidget;

namespace tavrimo {

// A widget for a control; none for the form and the tab control, which the
// window builds itself.
QWidget* createWidget(const Control& control, QWidget* parent);

// Redraws what a control's widget holds in pixels (a picture, a line) at a zoom.
void zoomWidget(QWidget* widget, int percent);

// Draws one property of the model onto the control's widget.
void drawProperty(QWidget* widget, const WindowModel& model, ControlId id, Notice notice);

}  // namespace tavrimo
