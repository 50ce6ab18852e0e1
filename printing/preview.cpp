// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/preview.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QToolButton>

#include <memory>

namespace {

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

QDialog* tavrimoOpenPrintPreview(const tavrimo::PreviewRequest& request)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(request.page);
    printer->setDocName(QStringLiteral("قواعد الأشكال الهندسية"));
    auto* dialog = new QPrintPreviewDialog(printer.get(), request.parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("printPreview"));
    dialog->setWindowTitle(QStringLiteral("معاينة الطباعة"));
    dialog->setAccessibleName(dialog->windowTitle());
    dialog->setWindowFlags(dialog->windowFlags() | Qt::WindowMinMaxButtonsHint);
    // The printer lives as long as the dialog that prints with it.
    QObject::connect(dialog, &QObject::destroyed, [printer] {});
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [paint = request.paint](QPrinter* on) { paint(*on); });
    // F11 puts the preview full screen, for a projector, and back.
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), dialog);
    QObject::connect(fullScreen, &QShortcut::activated, dialog,
                     [dialog] { dialog->setWindowState(dialog->windowState() ^ Qt::WindowFullScreen); });
    dialog->resize(request.size);
    makeAccessible(*dialog, request.font);
    dialog->open();
    return dialog;
}
