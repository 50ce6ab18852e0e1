// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/zoom.h"

#include "window/view/style.h"

#include <QWidget>

#include <algorithm>

namespace tavrimo {

int zoomStep(int percent, int direction)
{
    if (direction > 0) {
        const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
        return next == kZoomSteps.end() ? kMaxZoom : *next;
    }
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.begin() ? kMinZoom : *(next - 1);
}

int zoomed(int pixels, int percent)
{
    return qRound(pixels * percent / 100.0);
}

qreal zoomedF(qreal pixels, int percent)
{
    return pixels * percent / 100.0;
}

QRect twipsToPixels(const QRect& twips, int percent)
{
    const auto px = [percent](int t) { return qRound(t * percent / 1500.0); };
    return {px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())};
}

int largestZoomFitting(QSize content, QSize room)
{
    for (int percent = kMaxZoom; percent > kMinZoom; --percent)
        if (zoomed(content.width(), percent) <= room.width() && zoomed(content.height(), percent) <= room.height())
            return percent;
    return kMinZoom;
}

int zoomOf(const QWidget* widget)
{
    const auto* style = widget ? qobject_cast<const WindowStyle*>(widget->style()) : nullptr;
    return style ? style->zoom() : kMinZoom;
}

}  // namespace tavrimo
