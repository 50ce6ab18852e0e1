// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/text_box_access.h"

#include "window/model.h"
#include "window/view/assistive_access.h"
#include "window/view/field_edit.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextLayout>

#include <algorithm>

namespace tavrimo {

namespace {

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
    // The selection a box keeps while it has no focus is not shown, and is
    // not reported either: a screen reader would read it with the box that
    // has the focus, as one selection running over both.
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && selectionShown()) {
            *start = edit()->selectionStart();
            *end = *start + static_cast<int>(edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return selectionShown() ? 1 : 0; }
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
    // One run without attributes over the whole text, at every offset in it
    // and at its end. Qt's line edit reports a run of no characters at each
    // offset, and a screen reader that cuts what it speaks along the runs
    // (Orca reads "1" of "15" and nothing of "1") never says the last one.
    QString attributes(int offset, int* start, int* end) const override
    {
        if (offset < 0 || offset > characterCount()) {
            *start = *end = -1;
            return {};
        }
        *start = 0;
        *end = characterCount();
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
    bool selectionShown() const { return edit()->hasFocus() && edit()->hasSelectedText(); }
    int within(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

}  // namespace

QAccessibleInterface* makeFieldAccess(QLineEdit* edit)
{
    return new FieldAccess(edit);
}

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

}  // namespace

void quietFieldsWithoutFocus()
{
    previousHandler = QAccessible::installUpdateHandler(reportUpdate);
}

}  // namespace tavrimo
