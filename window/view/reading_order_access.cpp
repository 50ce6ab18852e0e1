// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/reading_order_access.h"

#include "window/view/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <algorithm>

namespace tavrimo {

namespace {

QString objectNameOf(const ControlRef& ref)
{
    const QString name = QString::fromLatin1(ref.name.data(), static_cast<qsizetype>(ref.name.size()));
    return ref.index >= 0 ? name + QStringLiteral("(%1)").arg(ref.index) : name;
}

// A box whose children named in kDrawingReadingOrder come in that order,
// each in the place one of them had; any other child keeps its place.
class ReadingOrderAccess : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> all = children();
        return index >= 0 && index < all.size() ? all.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return static_cast<int>(children().indexOf(child));
    }

private:
    QList<QAccessibleInterface*> children() const
    {
        QList<QAccessibleInterface*> all;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            all.append(QAccessibleWidget::child(i));
        const auto rank = [](const QAccessibleInterface* node) {
            const QString name = node && node->object() ? node->object()->objectName() : QString();
            const auto listed = std::find_if(std::begin(kDrawingReadingOrder), std::end(kDrawingReadingOrder),
                                             [&name](const ControlRef& ref) { return objectNameOf(ref) == name; });
            return listed == std::end(kDrawingReadingOrder) ? -1
                                                             : static_cast<int>(listed - std::begin(kDrawingReadingOrder));
        };
        QList<qsizetype> places;
        QList<QAccessibleInterface*> listed;
        for (qsizetype i = 0; i < all.size(); ++i)
            if (rank(all.at(i)) >= 0) {
                places.append(i);
                listed.append(all.at(i));
            }
        std::sort(listed.begin(), listed.end(),
                  [&rank](const QAccessibleInterface* a, const QAccessibleInterface* b) { return rank(a) < rank(b); });
        for (qsizetype k = 0; k < places.size(); ++k)
            all[places.at(k)] = listed.at(k);
        return all;
    }
};

QAccessibleInterface* readingOrderFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget") && object && object->isWidgetType()
        && object->objectName() == objectNameOf(kDrawingBox))
        return new ReadingOrderAccess(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void installReadingOrderAccess()
{
    QAccessible::installFactory(readingOrderFactory);  // a second call adds nothing
}

}  // namespace tavrimo
