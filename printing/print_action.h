// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ctrl+P and the formula box's "اطبع…": the print preview of what the window
// shows, on the formula page the sheet of the picked figure, or all nine
// sheets while none is picked; on the other pages the page as it is, its
// fields with their texts. From the preview, Qt's print dialog prints to a
// printer or to a PDF file.
//
// The preview lives in a module (printing/preview.h) loaded the first time
// it is asked for: until then no code of Qt's printing support is loaded.

class QDialog;

namespace tavrimo {

class MainWindow;
class WindowModel;

// Gives the window Ctrl+P, and the formula box an item in its context menu,
// that open the preview.
void wirePrinting(MainWindow& window, const WindowModel& model);

// Opens the preview over the window and returns it; it closes (and deletes
// itself) with Esc. Where the preview's module cannot be loaded, tells the
// person so in a message box and returns null.
QDialog* openPrintPreview(MainWindow& window, const WindowModel& model);

}  // namespace tavrimo
