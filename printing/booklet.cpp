// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/booklet.h"

#include "printing/sheet.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace tavrimo {

namespace {

// The text and the drawings' lines are written as such, sharp at any
// resolution: this one only places them.
constexpr int kBookletDpi = 300;

}  // namespace

void paintSheets(QPainter& painter, QPagedPaintDevice& device, const WindowModel& model, const std::vector<int>& figures)
{
    for (size_t i = 0; i < figures.size(); ++i) {
        if (i > 0)
            device.newPage();
        const int dpi = device.logicalDpiY();
        const QRectF page = device.pageLayout().paintRectPixels(dpi);
        paintSheet(painter, QRectF(QPointF(0, 0), page.size()), dpi, sheetOf(model, figures[i]));
    }
}

QByteArray bookletPdf(const WindowModel& model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kBookletDpi);
        writer.setPageLayout(sheetPageLayout());
        writer.setTitle(QStringLiteral("قواعد الأشكال الهندسية"));
        QPainter painter(&writer);
        std::vector<int> all;
        for (int figure = 0; figure < kSheetCount; ++figure)
            all.push_back(figure);
        paintSheets(painter, writer, model, all);
    }
    return bytes;
}

}  // namespace tavrimo
