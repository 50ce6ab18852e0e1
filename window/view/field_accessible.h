// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader reads of a text box. Qt's own interface for a line
// edit reports each character's text attributes as a run of no characters;
// a screen reader that cuts the text it speaks along those runs (Orca reads
// "1" of "15" and nothing of "1") then never says the last character. A box
// of this program reports one run over its whole text, so its value is heard
// whole, and is otherwise read and edited as the line edit is. A box
// without the focus reports no selection, and no selection or caret moves.

#include <QAccessibleWidget>

class QLineEdit;

namespace tavrimo {

class FieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* edit() const;
    bool editable() const;
    bool selectionShown() const;
};

// Lets every text box of the program be read through FieldAccessible. Call
// once the application exists, before the boxes are made.
void installFieldAccessible();

}  // namespace tavrimo
