// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/field_accessible.h"

#include "window/view/field_edit.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace tavrimo {

namespace {

// A box keeps its selection, unseen, while another control has the focus,
// and the program rewrites boxes the person is not in. Neither is news for
// the screen reader, which would say "Text unselected" for each box whose
// kept selection a new text removes, so their selection and caret moves are
// not reported. Every other event goes on as before.
QAccessible::UpdateHandler previousHandler = nullptr;

void reportUpdate(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved)
        if (const auto* edit = qobject_cast<const FieldEdit*>(event->object()); edit && !edit->hasFocus())
            return;
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Qt's own path, to the platform's accessibility bridge.
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
}

QAccessibleInterface* fieldFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(FieldEdit::staticMetaObject.className()))
        if (auto* edit = qobject_cast<FieldEdit*>(object))
            return new FieldAccessible(edit);
    return nullptr;
}

}  // namespace

void installFieldAccessible()
{
    QAccessible::installFactory(fieldFactory);  // a second call adds nothing
    static const bool installed = [] {
        previousHandler = QAccessible::installUpdateHandler(reportUpdate);
        return true;
    }();
    Q_UNUSED(installed);
}

FieldAccessible::FieldAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* FieldAccessible::edit() const { return static_cast<QLineEdit*>(widget()); }

bool FieldAccessible::editable() const { return !edit()->isReadOnly() && edit()->isEnabled() && edit()->isVisible(); }

void* FieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State FieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString FieldAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(t);
}

void FieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    replaceText(0, characterCount(), text);
}

// The selection a box keeps while it has no focus is not shown, and is not
// reported either: a screen reader would read it with the box that has the
// focus, as one selection running over both.
bool FieldAccessible::selectionShown() const { return edit()->hasFocus() && edit()->hasSelectedText(); }

void FieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !selectionShown())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int FieldAccessible::selectionCount() const { return selectionShown() ? 1 : 0; }

void FieldAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void FieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void FieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, 0, count);
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int FieldAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void FieldAccessible::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString FieldAccessible::text(int startOffset, int endOffset) const
{
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, startOffset, count);
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int FieldAccessible::characterCount() const { return static_cast<int>(edit()->text().size()); }

// The box of a character on the screen, measured along the line from the
// edge the text starts at (the line edit keeps its scroll to itself).
QRect FieldAccessible::characterRect(int offset) const
{
    const QString text = edit()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics = edit()->fontMetrics();
    const QRect contents = edit()->contentsRect();
    const int before = metrics.horizontalAdvance(text.left(offset));
    const int width = metrics.horizontalAdvance(text.mid(offset, 1));
    const bool fromRight = edit()->isRightToLeft() ? !(edit()->alignment() & Qt::AlignLeft) : bool(edit()->alignment() & Qt::AlignRight);
    const int x = fromRight ? contents.right() - before - width : contents.left() + before;
    const QRect local(x, contents.top() + (contents.height() - metrics.height()) / 2, width, metrics.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
}

int FieldAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = edit()->mapFromGlobal(point);
    return edit()->rect().contains(local) ? edit()->cursorPositionAt(local) : -1;
}

void FieldAccessible::scrollToSubstring(int, int endIndex) { edit()->setCursorPosition(endIndex); }

// One run without attributes over the whole text, at every offset in it and
// at its end.
QString FieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}

void FieldAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void FieldAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

// An edit goes through the line edit as typing would, so its validator and
// the program hear of it; a box that is read-only, disabled or hidden takes
// none.
void FieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (!editable())
        return;
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, startOffset, count);
    edit()->setSelection(startOffset, endOffset - startOffset);
    if (text.isEmpty()) {
        if (endOffset > startOffset)
            edit()->del();
    } else {
        edit()->insert(text);
    }
}

}  // namespace tavrimo
