// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print preview, in a module of its own (tavrimo-preview) that the
// program loads the first time a preview is asked for, so that Qt's printing
// support is not loaded at every start. The module knows nothing of the
// program: it is handed the pages to draw and the window to open over.
// printing/print_action.h opens it.

#include <QFont>
#include <QPageLayout>
#include <QSize>

#include <functional>

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace tavrimo {

struct PreviewRequest {
    QWidget* parent = nullptr;  // the window the preview opens over
    QFont font;                 // the window's font, at the window's zoom
    QSize size;                 // the preview's first size
    QPageLayout page;           // the paper, its orientation and margins
    // Draws the pages on the printer, at its resolution.
    std::function<void(QPagedPaintDevice&)> paint;
};

// The module's one entry point, looked up by this name: opens the preview
// and returns it; it closes (and deletes itself) with Esc.
using OpenPreviewFunction = QDialog* (*)(const PreviewRequest& request);
inline constexpr char kOpenPreviewEntry[] = "tavrimoOpenPrintPreview";

}  // namespace tavrimo

extern "C" Q_DECL_EXPORT QDialog* tavrimoOpenPrintPreview(const tavrimo::PreviewRequest& request);
