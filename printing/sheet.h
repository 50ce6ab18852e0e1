// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A formula sheet on paper: the figure's name as a heading, every line of
// its formula text in full, right to left, each wrapped line's continuation
// standing in as the formula box has it, and the figure's drawings below.
// Drawn with a painter on any paint device (a printer, a PDF), the drawings
// drawn afresh at the device's own resolution.

#include "assets/pictures.h"
#include "window/model.h"

#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace tavrimo {

struct Sheet {
    QString name;
    QString text;  // the formula text, lines ending in CR LF
    std::vector<const PictureInfo*> drawings;
};

// The nine sheets, one to a figure of the list, in its order.
inline constexpr int kSheetCount = 9;

// A4, or Letter where the locale measures in inches, upright, with margins
// every printer can print within.
QPageLayout sheetPageLayout();

// The sheet of the figure at `figure` in the list, its text as the model's
// store holds it.
Sheet sheetOf(const WindowModel& model, int figure);

// Paints the sheet within `page`, in device pixels of a device of `dpi`
// dots to the inch, shrunk as one where it would not fit.
void paintSheet(QPainter& painter, const QRectF& page, qreal dpi, const Sheet& sheet);

}  // namespace tavrimo
