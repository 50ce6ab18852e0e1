// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tavrimo {

// A single-line text box that reports a mouse press after the line edit has
// placed its caret, so the program's selection is what stays. A text wider
// than the box shows in full in its tooltip. An entry box refuses whole any
// edit that would make its text longer than the model takes, and keeps a
// bounded undo record. It keeps its selection while another control has the
// focus, without showing it, and shows a number cut by its edge with an
// ellipsis there.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);
    // A result box: read-only, reached by Tab and the mouse, copied from its
    // menu or with Ctrl+C.
    void makeResultBox();
    // A text that cannot become a number: a red frame, and a tooltip with an
    // example of one.
    void setInvalid(bool invalid);
Q_SIGNALS:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Selection {
        int start;   // -1 without a selection
        int length;
        int cursor;
        bool operator==(const Selection&) const = default;
    };
    Selection selection() const;
    void restore(const Selection& kept);
    // Measures the text against its line again (a new text, size or font)
    // and gives the box the tooltip that goes with it.
    void updateToolTip();
    void showSelection();
    QRect textLine() const;
    void paintCut();
    void noteEdit(const QString& text);
    void forgetUndoRecord();

    qsizetype length_ = 0;
    qsizetype undoWeight_ = 0;
    bool resultBox_ = false;
    bool invalid_ = false;
    bool cut_ = false;  // the text runs past its line
    QRect cutLine_;     // the line the text is drawn in
    QString elided_;    // a cut text up to its ellipsis
};

}  // namespace tavrimo
