// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/zoom_notice.h"

#include "window/view/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

namespace tavrimo {

namespace {

QAccessibleInterface* alertFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("tavrimo::ZoomNotice") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

QString zoomNoticeText(int percent, bool atScreenLimit)
{
    const QString zoom = QStringLiteral("التكبير %1 %").arg(percent);
    return atScreenLimit ? zoom + QStringLiteral(" — أكبر ما تتسع له الشاشة") : zoom;
}

ZoomNotice::ZoomNotice(QWidget* window) : QLabel(window)
{
    static const bool installed = (QAccessible::installFactory(alertFor), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("ZoomNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setForegroundRole(QPalette::BrightText);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(32, 32, 32, 230));
    colours.setColor(QPalette::BrightText, Qt::white);
    setPalette(colours);
    hide();
    hide_.setSingleShot(true);
    hide_.setInterval(kZoomNoticeMilliseconds);
    connect(&hide_, &QTimer::timeout, this, &QWidget::hide);
}

void ZoomNotice::showZoom(int percent, int requested)
{
    const QString text = zoomNoticeText(percent, requested > percent);
    setText(text);
    setAccessibleName(text);
    // At the window's zoom, a little larger than its captions.
    QFont font = parentWidget()->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    setFont(font);
    const int margin = fontMetrics().height() / 2;
    setContentsMargins(margin, margin / 2, margin, margin / 2);
    adjustSize();
    placeOverWindow();
    show();
    raise();
    hide_.start();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // A screen reader speaks a shown notification, not an alert.
    announce(parentWidget(), text);
}

// Centred near the top of the window, over the tab strip's line.
void ZoomNotice::placeOverWindow()
{
    const QWidget* window = parentWidget();
    move((window->width() - width()) / 2, std::max(0, window->height() / 8));
}

}  // namespace tavrimo
