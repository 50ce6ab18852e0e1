// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <algorithm>

namespace tavrimo {

namespace {

// Never shown on the screen: it exists for the screen reader alone.
class Announcement : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    quint64 serial = 0;  // the order of its last message among the window's
};

constexpr qsizetype kAnnouncements = 8;

QAccessibleInterface* announcementFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        if (auto* widget = qobject_cast<Announcement*>(object))
            return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void announce(QWidget* anyWidgetOfTheWindow, const QString& text)
{
    if (!anyWidgetOfTheWindow || text.isEmpty())
        return;
    QWidget* window = anyWidgetOfTheWindow->window();
    // Orca skips a notification shown again before it has spoken the last
    // one, as a repeat; messages that come close together (Down held on the
    // figure list) go round a few of them.
    const auto announcements = window->findChildren<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
    Announcement* announcement = nullptr;
    if (announcements.size() < kAnnouncements) {
        QAccessible::installFactory(announcementFactory);  // a second call adds nothing
        announcement = new Announcement(window);
        announcement->hide();
        announcement->setFocusPolicy(Qt::NoFocus);
    } else {
        // The one whose message is the oldest.
        announcement = *std::min_element(announcements.begin(), announcements.end(), [](auto* a, auto* b) {
            return a->serial < b->serial;
        });
    }
    static quint64 serial = 0;
    announcement->serial = ++serial;
    announcement->setAccessibleName(text);
    // Reported as shown, though it stays hidden: a screen reader speaks a
    // notification when it appears.
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace tavrimo

#include "announcer.moc"
