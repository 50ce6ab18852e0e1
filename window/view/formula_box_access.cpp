// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/text_box_access.h"

#include "window/view/assistive_access.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>

namespace tavrimo {

namespace {

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
    // One run over the whole text: the box shows it in one font, right to
    // left. A reader that finds no run at all cuts what it reads short.
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        const QFont font = box()->document()->defaultFont();
        return QStringLiteral("font-family:\"%1\";font-size:%2pt;writing-mode:rl;text-align:right;")
            .arg(font.family())
            .arg(font.pointSizeF());
    }

    // A line is a line as the box shows it, a wrapped paragraph's too.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        const QTextBlock block = box()->document()->findBlock(within(offset));
        const QTextLine line = block.isValid() && block.layout() && block.layout()->lineCount() > 0
                                   ? block.layout()->lineForTextPosition(within(offset) - block.position())
                                   : QTextLine();
        *start = block.position() + (line.isValid() ? line.textStart() : 0);
        *end = line.isValid() ? *start + line.textLength() : block.position() + std::max(0, block.length() - 1);
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
        if (next >= characterCount() || next <= offset) {
            *start = *end = characterCount();
            return {};
        }
        return textAtOffset(next, type, start, end);
    }

private:
    QTextEdit* box() const { return static_cast<QTextEdit*>(widget()); }
    int within(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

}  // namespace

QAccessibleInterface* makeReadOnlyTextAccess(QTextEdit* box)
{
    return new ReadOnlyTextAccess(box);
}

}  // namespace tavrimo
