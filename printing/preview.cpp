// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/preview.h"

#include "printing/booklet.h"
#include "printing/sheet.h"
#include "window/view/main_window.h"
#include "window/view/translation.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

namespace tavrimo {

namespace {

constexpr int kFormulaPage = 2;

// The page widget drawn as the printer's page, as large as the page lets
// it be; its texts stay texts, its lines lines, at the printer's resolution.
void paintPageWidget(QPainter& painter, QPrinter& printer, QWidget& page)
{
    const QRectF room = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal scale = std::min(room.width() / page.width(), room.height() / page.height());
    painter.save();
    painter.translate((room.width() - page.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    page.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

// Names the preview's controls for a screen reader, lets the keyboard reach
// its tool buttons, and gives it the window's font at the window's zoom.
void makeAccessible(QPrintPreviewDialog& dialog, const QFont& font)
{
    dialog.setFont(font);
    for (QToolButton* button : dialog.findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::TabFocus);
        if (QAction* action = button->defaultAction())
            button->setAccessibleName(action->text().remove(u'&'));
    }
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        const bool zoom = qobject_cast<QComboBox*>(edit->parentWidget());
        edit->setAccessibleName(zoom ? QStringLiteral("التكبير") : QStringLiteral("رقم الصفحة"));
    }
    for (QComboBox* zoom : dialog.findChildren<QComboBox*>())
        zoom->setAccessibleName(QStringLiteral("التكبير"));
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
        view->setAccessibleName(QStringLiteral("الصفحات"));
}

}  // namespace

QDialog* openPrintPreview(MainWindow& window, const WindowModel& model)
{
    loadQtArabic();
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(sheetPageLayout());
    printer->setDocName(QStringLiteral("قواعد الأشكال الهندسية"));
    auto* dialog = new QPrintPreviewDialog(printer.get(), &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("printPreview"));
    dialog->setWindowTitle(QStringLiteral("معاينة الطباعة"));
    dialog->setAccessibleName(dialog->windowTitle());
    dialog->setWindowFlags(dialog->windowFlags() | Qt::WindowMinMaxButtonsHint);
    // The printer lives as long as the dialog that prints with it.
    QObject::connect(dialog, &QObject::destroyed, [printer] {});

    const int page = window.tabControl()->currentIndex();
    std::vector<int> figures;
    if (page == kFormulaPage) {
        const int picked = model.at(model.require("Combo1")).listIndex;
        if (picked >= 0 && picked < kSheetCount)
            figures.push_back(picked);
        else
            for (int figure = 0; figure < kSheetCount; ++figure)
                figures.push_back(figure);
    }
    QWidget* shown = window.tabControl()->currentWidget();
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [&model, figures, shown](QPrinter* on) {
        QPainter painter(on);
        if (figures.empty())
            paintPageWidget(painter, *on, *shown);
        else
            paintSheets(painter, *on, model, figures);
    });
    // F11 puts the preview full screen, for a projector, and back.
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), dialog);
    QObject::connect(fullScreen, &QShortcut::activated, dialog,
                     [dialog] { dialog->setWindowState(dialog->windowState() ^ Qt::WindowFullScreen); });
    const QSize room = window.size().expandedTo(QSize(800, 700));
    dialog->resize(room);
    makeAccessible(*dialog, window.font());
    dialog->open();
    return dialog;
}

void wirePrinting(MainWindow& window, const WindowModel& model)
{
    auto* print = new QAction(QStringLiteral("اطبع…"), &window);
    print->setObjectName(QStringLiteral("print"));
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    window.addAction(print);
    QObject::connect(print, &QAction::triggered, &window, [&window, &model] { openPrintPreview(window, model); });
    // The formula box's context menu lists the item after its own.
    if (QWidget* box = window.widgetOf(model.require("txtGra")))
        box->addAction(print);
}

}  // namespace tavrimo
