// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace tavrimo {

// A multi-line text box. Its frame shows the keyboard focus as a single-line
// box's does, and the focus frame runs round it, over its scroll bar; the
// style would mark it by the caret alone.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent = nullptr);
    // The margin between frame and text grows with the zoom.
    void setZoom(int percent);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* focusFrame_;
};

}  // namespace tavrimo
