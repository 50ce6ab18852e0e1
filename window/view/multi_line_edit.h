// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

#include <vector>

namespace tavrimo {

// A multi-line text box. Its frame shows the keyboard focus as a single-line
// box's does, and the focus frame runs round it, over its scroll bar; the
// style would mark it by the caret alone. Each of its lines is a paragraph
// whose wrapped continuation is indented from the paragraph's start (a
// hanging indent), so that a piece of a long line never looks like a line
// of its own.
//
// It comes to rest with a whole line at its top, however it is scrolled: a
// line here is a line on the screen, a wrapped continuation one of its own.
// A wheel notch and a scroll-bar arrow move one line, a page the lines shown
// whole, so that the line cut at the bottom opens the next page; the arrow
// keys take the caret from the start of one line to the start of the next.
class MultiLineEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent = nullptr);
    // The margin between frame and text, and the indent, grow with the zoom.
    void setZoom(int percent);
    // Shows a text of lines, each a paragraph.
    void showLines(const QString& text);

    struct ScreenLine {
        int start;      // the position of its first character
        qreal top;      // and its top and bottom in the document
        qreal bottom;
    };
    // Every line the box shows, top to bottom.
    std::vector<ScreenLine> screenLines() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void indentContinuations();
    // The scroll positions at which a line's top is the box's top, one a
    // line: 0 for the first, with the margin above it.
    std::vector<int> restingTops(const std::vector<ScreenLine>& lines) const;
    // The last of them that the box scrolls to: the first that shows the
    // last line whole.
    int lastRest(const std::vector<ScreenLine>& lines, const std::vector<int>& tops) const;
    void restAt(int value, const std::vector<ScreenLine>& lines, const std::vector<int>& tops);
    int nearestRest(int value) const;
    void keepFirstLine();
    void scrollAction(int action);
    void turnWheel(const QWheelEvent* event);
    void moveCaretToLine(int line, bool select);
    void turnPage(int direction, bool select);
    void showCaretLineWhole();

    QWidget* focusFrame_;
    int zoom_ = 100;
    int rest_ = 0;        // the scroll position last come to rest at
    int firstLine_ = 0;   // and the position of the text in the line at its top
    int wheelTurn_ = 0;   // a wheel's turn short of a notch
    bool keeping_ = false;
};

}  // namespace tavrimo
