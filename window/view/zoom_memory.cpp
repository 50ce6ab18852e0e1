// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/zoom_memory.h"

#include "window/view/main_window.h"
#include "window/view/zoom.h"

#include <QCoreApplication>
#include <QSettings>

namespace tavrimo {

namespace {

const QString kZoomKey = QStringLiteral("zoom");

QSettings settings()
{
    return QSettings(QStringLiteral("tavrimo"), QStringLiteral("tavrimo"));
}

}  // namespace

int rememberedZoom()
{
    const QSettings kept = settings();
    if (kept.status() != QSettings::NoError)
        return kMinZoom;
    bool ok = false;
    const int percent = kept.value(kZoomKey).toString().toInt(&ok);
    return ok && percent >= kMinZoom && percent <= kMaxZoom ? percent : kMinZoom;
}

void rememberZoom(int percent)
{
    QSettings kept = settings();
    kept.setValue(kZoomKey, percent);
    kept.sync();
}

void keepZoomBetweenRuns(MainWindow& window)
{
    window.zoomTo(rememberedZoom());
    const int opened = window.zoom();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, [&window, opened] {
        if (window.zoom() != opened)
            rememberZoom(window.zoom());
    });
}

}  // namespace tavrimo
