// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/assistive_access.h"

#include "window/view/field_edit.h"
#include "window/view/main_window.h"
#include "window/view/multi_line_edit.h"
#include "window/view/text_box_access.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

#include <memory>

namespace tavrimo {

bool reachableByPerson(const QWidget* widget)
{
    if (!widget->isVisible() || !widget->isEnabled())
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    return !modal || modal == widget->window();
}

namespace {

bool inMainWindow(const QWidget* widget)
{
    return widget && qobject_cast<const MainWindow*>(widget->window());
}

// A caption as read out: "&&" is an ampersand, a lone "&" marks the mnemonic.
QString withoutMnemonic(const QString& caption)
{
    QString read;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        read += caption[i];
    }
    return read;
}

// A command or option button of the window. Pressing it is a click: an
// option button is chosen as by the mouse, and its category handler runs.
class ButtonAccess : public QAccessibleWidget {
public:
    explicit ButtonAccess(QAbstractButton* button)
        : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) ? QAccessible::RadioButton : QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // The button's own caption, not that of the frame around it.
        const QString name = button()->accessibleName();
        return name.isEmpty() ? withoutMnemonic(button()->text()) : name;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        if (auto* push = qobject_cast<QPushButton*>(button()))
            state.defaultButton = push->isDefault();
        if (!button()->isVisible())
            state.focusable = false;
        return state;
    }

    QStringList actionNames() const override
    {
        if (!reachableByPerson(button()))
            return {};
        return QStringList{button()->isCheckable() ? toggleAction() : pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (!reachableByPerson(button()))
            return;
        // A command button is pressed once the call has returned, as the
        // message box it may open waits for the person.
        if ((action == pressAction() || action == toggleAction()) && button()->isCheckable())
            button()->click();
        else if (action == pressAction() || action == toggleAction())
            button()->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* makeAccess(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!inMainWindow(widget))
        return nullptr;
    if (className == QLatin1String(FieldEdit::staticMetaObject.className()))
        return makeFieldAccess(static_cast<QLineEdit*>(widget));
    if (className == QLatin1String(MultiLineEdit::staticMetaObject.className()))
        return makeReadOnlyTextAccess(static_cast<QTextEdit*>(widget));
    if (className == QLatin1String("QRadioButton") || className == QLatin1String("QPushButton"))
        return new ButtonAccess(static_cast<QAbstractButton*>(widget));
    return nullptr;
}

}  // namespace

void keepPageBehindMessageBoxes(QTabWidget* tabs)
{
    auto shown = std::make_shared<int>(tabs->currentIndex());
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs, shown](int page) {
        if (page == *shown)
            return;
        if (reachableByPerson(tabs))
            *shown = page;
        else
            tabs->setCurrentIndex(*shown);
    });
}

void installAssistiveAccess()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeAccess);
        quietFieldsWithoutFocus();
        return true;
    }();
    (void)installed;
}

}  // namespace tavrimo
