// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real widgets for the kinds of control, and the drawing of a control's
// model properties onto its widget.

#include "window/model.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tavrimo {

// A single-line text box that reports a mouse press after the line edit has
// placed its caret, so the program's selection is what stays. A text wider
// than the box shows in full in its tooltip. An entry box refuses whole any
// edit that would make its text longer than the model takes, and keeps a
// bounded undo record. It keeps its selection while another control has the
// focus.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);
    // A result box: read-only, never takes the focus, copied from its menu.
    void makeResultBox();
    // A text that cannot become a number: a red frame, and a tooltip with an
    // example of one.
    void setInvalid(bool invalid);
Q_SIGNALS:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
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
    void updateToolTip();
    void noteEdit(const QString& text);
    void forgetUndoRecord();

    qsizetype length_ = 0;
    qsizetype undoWeight_ = 0;
    bool resultBox_ = false;
    bool invalid_ = false;
};

// A multi-line text box. Its frame shows the keyboard focus as a single-line
// box's does; the style would mark it by the caret alone.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

// A label that breaks its caption into lines at blanks within its width, the
// way the window's labels always have, so that a run of blanks can push the
// rest of a caption onto the next line.
class BlankWrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit BlankWrappingLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
        setContentsMargins(kLeftMargin, 0, 0, 0);
    }
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kLeftMargin = 1;
    static constexpr int kLineGap = 3;
    void rewrap();
    QString caption_;
    QStringList lines_;
};

// A widget for a control; none for the form and the tab control, which the
// window builds itself.
QWidget* createWidget(const Control& control, QWidget* parent);

// Redraws what a control's widget holds in pixels (a picture, a line) at a zoom.
void zoomWidget(QWidget* widget, int percent);

// Draws one property of the model onto the control's widget.
void drawProperty(QWidget* widget, const WindowModel& model, ControlId id, Notice notice);

QColor toQColor(Colour colour);

}  // namespace tavrimo
