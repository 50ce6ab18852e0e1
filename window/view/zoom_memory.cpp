// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/zoom_memory.h"

#include "window/view/main_window.h"
#include "window/view/zoom.h"

#include <QEvent>
#include <QSettings>

#include <algorithm>

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

namespace {

// Keeps the window's zoom when the window is closed (while its frame, and so
// the largest zoom the screen holds, is still known), if the person chose
// one: a kept zoom that this screen cannot hold stays kept, for a larger one.
class ZoomKeeper : public QObject {
public:
    ZoomKeeper(MainWindow& window, int remembered) : QObject(&window), window_(window), remembered_(remembered)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close && window_.zoom() != std::min(remembered_, window_.largestZoomOnScreen()))
            rememberZoom(window_.zoom());
        return false;
    }

private:
    MainWindow& window_;
    int remembered_;
};

}  // namespace

void keepZoomBetweenRuns(MainWindow& window)
{
    const int remembered = rememberedZoom();
    window.zoomTo(remembered);
    new ZoomKeeper(window, remembered);
}

}  // namespace tavrimo
