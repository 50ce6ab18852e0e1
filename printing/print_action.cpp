// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/print_action.h"

#include "printing/booklet.h"
#include "printing/preview.h"
#include "printing/sheet.h"
#include "window/view/main_window.h"
#include "window/view/translation.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTabWidget>

#include <algorithm>

namespace tavrimo {

namespace {

constexpr int kFormulaPage = 2;

// The page widget drawn as the printer's page, as large as the page lets
// it be; its texts stay texts, its lines lines, at the printer's resolution.
void paintPageWidget(QPagedPaintDevice& device, QWidget& page)
{
    QPainter painter(&device);
    const QRectF room = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const qreal scale = std::min(room.width() / page.width(), room.height() / page.height());
    painter.translate((room.width() - page.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    page.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

// The preview's entry point, from the module beside the program (a build
// tree) or in the program's private library folder (an installed one, found
// from the program's own folder wherever the tree was installed). Null, with
// the loader's reason, where neither loads.
OpenPreviewFunction previewEntry(QString& reason)
{
    static OpenPreviewFunction entry = nullptr;
    if (entry)
        return entry;
    const QDir home(QCoreApplication::applicationDirPath());
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(TAVRIMO_PREVIEW_FOLDER)}) {
        const QString file = QDir::cleanPath(home.filePath(folder + u'/' + QStringLiteral(TAVRIMO_PREVIEW_MODULE)));
        if (!QFileInfo::exists(file))
            continue;
        QLibrary module(file);
        entry = reinterpret_cast<OpenPreviewFunction>(module.resolve(kOpenPreviewEntry));
        if (entry)
            return entry;
        reason = module.errorString();
    }
    if (reason.isEmpty())
        reason = QStringLiteral("لم يوجد الملف \u2066%1\u2069.").arg(QStringLiteral(TAVRIMO_PREVIEW_MODULE));
    return nullptr;
}

}  // namespace

QDialog* openPrintPreview(MainWindow& window, const WindowModel& model)
{
    loadQtArabic();
    QString reason;
    const OpenPreviewFunction open = previewEntry(reason);
    if (!open) {
        // The reason on a line of its own, the box as wide as it.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("معاينة الطباعة"),
                        QStringLiteral("تعذّر فتح معاينة الطباعة.\n") + reason, QMessageBox::Ok, &window);
        box.setFont(window.font());
        box.exec();
        return nullptr;
    }

    PreviewRequest request;
    request.parent = &window;
    request.font = window.font();
    request.size = window.size().expandedTo(QSize(800, 700));
    request.page = sheetPageLayout();
    std::vector<int> figures;
    if (window.tabControl()->currentIndex() == kFormulaPage) {
        const int picked = model.at(model.require("Combo1")).listIndex;
        if (picked >= 0 && picked < kSheetCount)
            figures.push_back(picked);
        else
            for (int figure = 0; figure < kSheetCount; ++figure)
                figures.push_back(figure);
    }
    QWidget* shown = window.tabControl()->currentWidget();
    request.paint = [&model, figures, shown](QPagedPaintDevice& device) {
        if (figures.empty()) {
            paintPageWidget(device, *shown);
        } else {
            QPainter painter(&device);
            paintSheets(painter, device, model, figures);
        }
    };
    return open(request);
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
