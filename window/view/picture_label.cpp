// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/picture_label.h"

#include "assets/pictures.h"
#include "window/view/drawings.h"

#include <QAccessibleWidget>
#include <QPixmap>
#include <QPixmapCache>
#include <QShowEvent>

namespace tavrimo {

namespace {

QAccessibleInterface* pictureFactory(const QString& className, QObject* object)
{
    // Without a meta-object of its own, the control is asked for as a QLabel.
    if (className == QLatin1String("QLabel"))
        if (auto* label = dynamic_cast<PictureLabel*>(object))
            return new QAccessibleWidget(label, QAccessible::Graphic);
    return nullptr;
}

QPixmap decodePicture(const PictureInfo& info)
{
    const QString path = QString::fromLatin1(info.resource.data(), static_cast<qsizetype>(info.resource.size()));
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path, info.format.data());
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

// The picture at `percent` on a screen with `ratio` device pixels to a
// pixel: the stored picture where that is one device pixel to each of its
// pixels, else drawn afresh at that resolution by its drawing code.
QPixmap forScreen(const PictureInfo& info, int percent, qreal ratio)
{
    const qreal scale = percent / 100.0 * ratio;
    if (qFuzzyCompare(scale, 1.0))
        return decodePicture(info);
    const QString key = QStringLiteral("%1@%2")
                            .arg(QLatin1String(info.resource.data(), static_cast<qsizetype>(info.resource.size())))
                            .arg(scale);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const QImage drawn = drawPicture(info, scale);
        pixmap = drawn.isNull() ? decodePicture(info).scaled((QSizeF(info.width, info.height) * scale).toSize(),
                                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                : QPixmap::fromImage(drawn);
        QPixmapCache::insert(key, pixmap);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

void PictureLabel::showPicture(const PictureInfo* info)
{
    pending_ = info;
    shown_ = info;
    if (!info)
        clear();
    else if (isVisible())
        decodePending();
}

void PictureLabel::setZoom(int percent)
{
    if (percent == zoom_)
        return;
    zoom_ = percent;
    if (shown_ && !pending_) {
        pending_ = shown_;
        if (isVisible())
            decodePending();
    }
}

void PictureLabel::showEvent(QShowEvent* event)
{
    decodePending();
    QLabel::showEvent(event);
}

void PictureLabel::decodePending()
{
    if (!pending_)
        return;
    setPixmap(forScreen(*pending_, zoom_, devicePixelRatioF()));
    pending_ = nullptr;
}

void installPictureAccessible()
{
    QAccessible::installFactory(pictureFactory);  // a second call adds nothing
}

}  // namespace tavrimo
