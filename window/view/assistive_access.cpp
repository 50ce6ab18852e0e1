// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/assistive_access.h"

#include "window/model.h"
#include "window/view/field_edit.h"
#include "window/view/main_window.h"
#include "window/view/multi_line_edit.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <QValidator>

#include <algorithm>
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

// An entry or result box of the window. The text is read as the line edit
// shows it; an edit goes in as a paste at its place would.
class FieldAccess : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    explicit FieldAccess(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        // A result box offers no editing at all.
        if (type == QAccessible::EditableTextInterface && !edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !state.readOnly && reachableByPerson(edit());
        state.selectableText = true;
        if (!edit()->isVisible())
            state.focusable = false;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QStringList actionNames() const override
    {
        return reachableByPerson(edit()) ? QAccessibleWidget::actionNames() : QStringList();
    }

    void doAction(const QString& action) override
    {
        if (reachableByPerson(edit()))
            QAccessibleWidget::doAction(action);
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + static_cast<int>(edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0 && reachableByPerson(edit()))
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index != 0 || !reachableByPerson(edit()))
            return;
        start = within(start);
        end = within(end);
        edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        if (reachableByPerson(edit()))
            edit()->setCursorPosition(within(position));
    }
    QString text(int start, int end) const override
    {
        start = within(start);
        end = std::max(start, within(end));
        return edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(edit()->text().size()); }

    // The line edit tells where its caret is drawn; a character's place is
    // the caret's moved by the width the text lays out between them.
    QRect characterRect(int offset) const override
    {
        const QString all = edit()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        QTextLayout layout(all, edit()->font());
        QTextOption option;
        option.setTextDirection(edit()->layoutDirection());
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        // The line edit's caret rectangle reaches 5 pixels to the left of the caret.
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.x() + 5 + qRound(line.cursorToX(offset)) - qRound(line.cursorToX(edit()->cursorPosition()));
        const QFontMetrics metrics(edit()->font());
        const QRect rect(x, caret.y(), metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
        return rect.translated(edit()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = edit()->mapFromGlobal(point);
        if (!edit()->rect().contains(local))
            return -1;
        return edit()->inputMethodQuery(Qt::ImCursorPosition, QPointF(local.x(), std::max(local.y(), 1))).toInt();
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        QLineEdit* box = edit();
        if (box->isReadOnly() || !reachableByPerson(box))
            return;
        start = within(start);
        end = std::max(start, within(end));
        if (box->text().size() - (end - start) + text.size() > WindowModel::kMaxEntryLength)
            return;
        // The box takes the focus first, as it would for a paste, and the
        // text goes in at its place through the line edit's own insert: its
        // check of the length, its undo record, its signals.
        if (!box->hasFocus())
            box->setFocus(Qt::OtherFocusReason);
        if (start == end) {
            box->deselect();
            box->setCursorPosition(start);
        } else {
            box->setSelection(start, end - start);
        }
        box->insert(text);
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    int within(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

// The formula box: read-only for every channel. It is read, selected and
// scrolled as the keyboard can, and offers no editing.
class ReadOnlyTextAccess : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccess(QTextEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.multiLine = true;
        state.selectableText = true;
        if (!box()->isVisible())
            state.focusable = false;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->toPlainText() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return reachableByPerson(box()) ? QAccessibleWidget::actionNames() : QStringList();
    }

    void doAction(const QString& action) override
    {
        if (reachableByPerson(box()))
            QAccessibleWidget::doAction(action);
    }

    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = box()->textCursor();
        *start = index == 0 && cursor.hasSelection() ? cursor.selectionStart() : 0;
        *end = index == 0 && cursor.hasSelection() ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            setSelection(0, cursorPosition(), cursorPosition());
    }
    void setSelection(int index, int start, int end) override
    {
        if (index != 0 || !reachableByPerson(box()))
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(within(start));
        cursor.setPosition(within(end), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int start, int end) const override
    {
        start = within(start);
        end = std::max(start, within(end));
        return box()->toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }

    // A character lies between the caret before it and the caret after it.
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        QTextCursor cursor(box()->document());
        cursor.setPosition(offset);
        const QRect before = box()->cursorRect(cursor);
        cursor.setPosition(offset + 1);
        QRect after = box()->cursorRect(cursor);
        if (after.top() != before.top())
            after = before.translated(QFontMetrics(box()->font()).horizontalAdvance(text(offset, offset + 1)), 0);
        const QRect rect(QPoint(std::min(before.left(), after.left()), before.top()),
                         QPoint(std::max(before.left(), after.left()), before.bottom()));
        return rect.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(local) ? box()->cursorForPosition(local).position() : -1;
    }
    void scrollToSubstring(int start, int) override
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(within(start));
        const QRect place = box()->cursorRect(cursor);
        QScrollBar* down = box()->verticalScrollBar();
        if (place.top() < 0)
            down->setValue(down->value() + place.top());
        else if (place.bottom() > box()->viewport()->height())
            down->setValue(down->value() + place.bottom() - box()->viewport()->height());
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    // A line is a line as the box shows it, a wrapped paragraph's too.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        const QTextBlock block = box()->document()->findBlock(within(offset));
        const QTextLine line = block.layout()->lineForTextPosition(within(offset) - block.position());
        *start = block.position() + (line.isValid() ? line.textStart() : 0);
        *end = line.isValid() ? *start + line.textLength() : block.position() + block.length() - 1;
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
        textAtOffset(offset, type, start, end);
        if (*start == 0) {
            *start = *end = 0;
            return {};
        }
        return textAtOffset(*start - 1, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
        textAtOffset(offset, type, start, end);
        // The next line starts where this one ends, or after the paragraph's end.
        const int next = box()->document()->findBlock(*end).position() + box()->document()->findBlock(*end).length() - 1 == *end
                             ? *end + 1
                             : *end;
        if (next >= characterCount()) {
            *start = *end = characterCount();
            return {};
        }
        return textAtOffset(next, type, start, end);
    }

private:
    QTextEdit* box() const { return static_cast<QTextEdit*>(widget()); }
    int within(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

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
        return new FieldAccess(static_cast<QLineEdit*>(widget));
    if (className == QLatin1String(MultiLineEdit::staticMetaObject.className()))
        return new ReadOnlyTextAccess(static_cast<QTextEdit*>(widget));
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
        return true;
    }();
    (void)installed;
}

}  // namespace tavrimo
