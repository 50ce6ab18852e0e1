// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

namespace tavrimo {

// A multi-line text box. Its frame shows the keyboard focus as a single-line
// box's does, and the focus frame runs round it, over its scroll bar; the
// style would mark it by the caret alone. Each of its lines is a paragraph
// whose wrapped continuation is indented from the paragraph's start (a
// hanging indent), so that a piece of a long line never looks like a line
// of its own.
class MultiLineEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent = nullptr);
    // The margin between frame and text, and the indent, grow with the zoom.
    void setZoom(int percent);
    // Shows a text of lines, each a paragraph.
    void showLines(const QString& text);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void indentContinuations();

    QWidget* focusFrame_;
    int zoom_ = 100;
    QString shown_;       // the text as the program gave it
    QString shownPlain_;  // and as the box holds it
    bool showing_ = false;
};

}  // namespace tavrimo
