// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/multi_line_accessible.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace tavrimo {

namespace {

// A line on the screen: a wrapped continuation is a line of its own.
std::pair<int, int> screenLineAt(const QTextDocument* document, int offset)
{
    const QTextBlock block = document->findBlock(offset);
    if (!block.isValid() || !block.layout() || block.layout()->lineCount() == 0)
        return {offset, offset};
    const QTextLine line = block.layout()->lineForTextPosition(offset - block.position());
    if (!line.isValid())
        return {block.position(), block.position() + block.length() - 1};
    const int start = block.position() + line.textStart();
    return {start, start + line.textLength()};
}

}  // namespace

MultiLineAccessible::MultiLineAccessible(QTextEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QAccessibleInterface* MultiLineAccessible::create(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QTextEdit*>(object);
    return box && className == QLatin1String("tavrimo::MultiLineEdit") ? new MultiLineAccessible(box) : nullptr;
}

QTextEdit* MultiLineAccessible::box() const { return static_cast<QTextEdit*>(widget()); }

void* MultiLineAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State MultiLineAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !box()->isReadOnly();
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString MultiLineAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->toPlainText();
    return QAccessibleWidget::text(t);
}

int MultiLineAccessible::characterCount() const { return box()->document()->characterCount() - 1; }

int MultiLineAccessible::within(int offset) const { return std::clamp(offset, 0, characterCount()); }

QTextCursor MultiLineAccessible::cursorAt(int offset) const
{
    QTextCursor cursor(box()->document());
    cursor.setPosition(within(offset));
    return cursor;
}

void MultiLineAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor caret = box()->textCursor();
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && caret.hasSelection()) {
        *startOffset = caret.selectionStart();
        *endOffset = caret.selectionEnd();
    }
}

int MultiLineAccessible::selectionCount() const { return box()->textCursor().hasSelection() ? 1 : 0; }

void MultiLineAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void MultiLineAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor caret = box()->textCursor();
    caret.clearSelection();
    box()->setTextCursor(caret);
}

void MultiLineAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    QTextCursor caret = cursorAt(startOffset);
    caret.setPosition(within(endOffset), QTextCursor::KeepAnchor);
    box()->setTextCursor(caret);
}

int MultiLineAccessible::cursorPosition() const { return box()->textCursor().position(); }

void MultiLineAccessible::setCursorPosition(int position) { box()->setTextCursor(cursorAt(position)); }

QString MultiLineAccessible::text(int startOffset, int endOffset) const
{
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(within(endOffset < 0 ? characterCount() : endOffset), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

QString MultiLineAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                          int* endOffset) const
{
    const std::pair<int, int> at = boundaryType == QAccessible::LineBoundary
                                       ? screenLineAt(box()->document(), within(offset))
                                       : QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType);
    *startOffset = at.first;
    *endOffset = at.second;
    return text(at.first, at.second);
}

QString MultiLineAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (start == 0) {
        *startOffset = *endOffset = 0;
        return {};
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString MultiLineAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const
{
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    // A line that ends a paragraph ends before its line break; the next one starts after it.
    const QTextBlock block = box()->document()->findBlock(start);
    if (boundaryType == QAccessible::LineBoundary && block.isValid() && end == block.position() + block.length() - 1)
        ++end;
    if (end >= characterCount() || end <= offset) {
        *startOffset = *endOffset = characterCount();
        return {};
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

QRect MultiLineAccessible::characterRect(int offset) const
{
    QTextCursor cursor = cursorAt(offset);
    QRect rect = box()->cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    const int otherSide = box()->cursorRect(cursor).x();
    rect.setLeft(std::min(rect.x(), otherSide));
    rect.setRight(std::max(rect.x(), otherSide));
    return rect.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int MultiLineAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint at = box()->viewport()->mapFromGlobal(point);
    if (!box()->viewport()->rect().contains(at))
        return -1;
    return box()->cursorForPosition(at).position();
}

void MultiLineAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    Q_UNUSED(endIndex);
    // The box scrolls by whole lines: the line that holds the start comes to its top.
    const QRect line = box()->cursorRect(cursorAt(startIndex));
    QScrollBar* down = box()->verticalScrollBar();
    down->setValue(down->value() + line.top());
}

// One run over the whole text: the box shows it in one font, right to left.
QString MultiLineAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    const QFont font = box()->document()->defaultFont();
    return QStringLiteral("font-family:\"%1\";font-size:%2pt;writing-mode:rl;text-align:right;")
        .arg(font.family())
        .arg(font.pointSizeF());
}

}  // namespace tavrimo
