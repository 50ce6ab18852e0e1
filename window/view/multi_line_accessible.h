// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QTextCursor;
class QTextEdit;

namespace tavrimo {

// What a screen reader reads of a read-only multi-line box: its text, caret,
// selection, lines and the places of its characters. A reader asks at the
// places it knew, and after the box was given a shorter text those may lie
// past its end: such a place is taken as the end, never handed to the text
// cursor as it is.
class MultiLineAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit MultiLineAccessible(QTextEdit* box);

    // Creates the interface for the class it is installed for.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // The box is read-only: an edit asked for changes nothing.
    void deleteText(int, int) override {}
    void insertText(int, const QString&) override {}
    void replaceText(int, int, const QString&) override {}

private:
    QTextEdit* box() const;
    int within(int offset) const;  // the offset, or the nearest end of the text
    QTextCursor cursorAt(int offset) const;
};

}  // namespace tavrimo
