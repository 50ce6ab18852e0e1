// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The nine formula sheets as a PDF booklet, one sheet to a page (A4, or
// the locale's Letter) in the order of the figure list, with real text and
// its fonts embedded. Needs only Qt GUI, on any platform, offscreen too.

#include "window/model.h"

#include <QByteArray>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace tavrimo {

// Paints the sheets of `figures` (indices in the figure list), one to a
// page, on a paged device being painted with `painter`.
void paintSheets(QPainter& painter, QPagedPaintDevice& device, const WindowModel& model, const std::vector<int>& figures);

// The whole booklet as the bytes of a PDF file.
QByteArray bookletPdf(const WindowModel& model);

}  // namespace tavrimo
