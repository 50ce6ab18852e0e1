// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/multi_line_edit.h"

#include "window/view/context_menu.h"
#include "window/view/translation.h"
#include "window/view/zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavrimo {

namespace {

// Pixels between a multi-line box's frame and its text at 100 %, as Qt has it.
constexpr qreal kDocumentMargin = 4;
// Pixels at 100 % by which a wrapped line's continuation stands in from the
// paragraph's start: about one and a half letters of the formula font.
constexpr qreal kHangingIndent = 24;

using ScreenLines = std::vector<MultiLineEdit::ScreenLine>;

// The line that holds a position: at a wrap, the position that ends one line
// starts the next, and the caret stands there.
size_t lineOf(int position, const ScreenLines& lines)
{
    size_t line = 0;
    while (line + 1 < lines.size() && lines[line + 1].start <= position)
        ++line;
    return line;
}

// The first line whose top is at or below a scroll position.
size_t firstLineAt(int value, const std::vector<int>& tops)
{
    return static_cast<size_t>(std::lower_bound(tops.begin(), tops.end(), value) - tops.begin());
}

int pixel(qreal y) { return static_cast<int>(std::lround(y)); }

// Lies over the whole box, its scroll bar included, and draws the focus
// frame round its edge while the box has the focus.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* box) : QWidget(box)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!parentWidget()->hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(parentWidget());
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, parentWidget());
    }
};

}  // namespace

MultiLineEdit::MultiLineEdit(QWidget* parent) : QTextEdit(parent), focusFrame_(new FocusFrame(this))
{
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    // The lines wrap at the box's width, so nothing lies beside them. The
    // text layout counts a first line that takes its indent back as running
    // past the width by up to the indent, and would scroll the right-to-left
    // lines off their edge by that much: the box keeps their start in view.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* across = horizontalScrollBar();
    const auto keepStartInView = [across] {
        if (across->value() != across->maximum())
            across->setValue(across->maximum());
    };
    connect(across, &QScrollBar::rangeChanged, this, keepStartInView);
    connect(across, &QScrollBar::valueChanged, this, keepStartInView);

    // However the box is scrolled, it comes to rest at a line's top: where it
    // went on its own (to show the caret, say), at the next line's top the
    // way it went; the scroll bar's own steps, pages and wheel by lines.
    QScrollBar* down = verticalScrollBar();
    connect(down, &QScrollBar::valueChanged, this, [this, down](int value) {
        if (down->isSliderDown() || keeping_)
            return;
        const ScreenLines lines = screenLines();
        const std::vector<int> tops = restingTops(lines);
        const int rest = value > rest_ ? std::min(tops[std::min(firstLineAt(value, tops), tops.size() - 1)], down->maximum())
                                       : *std::prev(std::upper_bound(tops.begin(), tops.end(), value));
        if (rest != value)
            down->setValue(rest);  // and comes back here at rest
        else
            restAt(value, lines, tops);
    });
    connect(down, &QScrollBar::actionTriggered, this, &MultiLineEdit::scrollAction);
    connect(down, &QScrollBar::sliderReleased, this, [this, down] {
        rest_ = -1;  // whichever way it goes, it goes to the nearest line
        const int rest = nearestRest(down->value());
        if (rest == down->value()) {
            const ScreenLines lines = screenLines();
            restAt(rest, lines, restingTops(lines));
        } else {
            down->setValue(rest);
        }
    });
    down->installEventFilter(this);
    // The text laid out again (at another zoom, or another width) keeps the
    // line that was at the top there, and the last line reachable whole.
    connect(down, &QScrollBar::rangeChanged, this, &MultiLineEdit::keepFirstLine);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &MultiLineEdit::keepFirstLine);
}

void MultiLineEdit::setZoom(int percent)
{
    zoom_ = percent;
    document()->setDocumentMargin(zoomedF(kDocumentMargin, percent));
    indentContinuations();
}

void MultiLineEdit::showLines(const QString& text)
{
    firstLine_ = 0;
    rest_ = 0;
    setPlainText(text);
    indentContinuations();
    // A new caret at the start of the text: it goes down and up along the
    // lines' starts, the right edge of these right-to-left lines.
    QTextCursor start(document());
    start.setPosition(0);
    setTextCursor(start);
    verticalScrollBar()->setValue(0);
}

// Every paragraph keeps a margin at its start, on the right for the box's
// right-to-left lines, and its first line takes it back.
void MultiLineEdit::indentContinuations()
{
    const qreal indent = zoomedF(kHangingIndent, zoom_);
    QTextBlockFormat hanging;
    hanging.setRightMargin(indent);
    hanging.setTextIndent(-indent);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(hanging);
}

std::vector<MultiLineEdit::ScreenLine> MultiLineEdit::screenLines() const
{
    std::vector<ScreenLine> lines;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        layout->blockBoundingRect(block);  // lays the block out if it is not yet
        const QTextLayout* text = block.layout();
        const qreal top = text->position().y();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            lines.push_back({block.position() + line.textStart(), top + line.y(), top + line.y() + line.height()});
        }
    }
    return lines;
}

void MultiLineEdit::restAt(int value, const ScreenLines& lines, const std::vector<int>& tops)
{
    rest_ = value;
    firstLine_ = lines.empty() ? 0 : lines[std::min(firstLineAt(value, tops), lines.size() - 1)].start;
}

std::vector<int> MultiLineEdit::restingTops(const ScreenLines& lines) const
{
    std::vector<int> tops{0};
    for (size_t i = 1; i < lines.size(); ++i)
        tops.push_back(std::max(tops.back() + 1, pixel(lines[i].top)));
    return tops;
}

int MultiLineEdit::lastRest(const ScreenLines& lines, const std::vector<int>& tops) const
{
    if (lines.empty())
        return 0;
    return *std::lower_bound(tops.begin(), tops.end() - 1, pixel(lines.back().bottom) - viewport()->height());
}

// The scroll bar's range and value as the text layout last left them: the
// range runs to the last line's rest, and the line at the top stays there.
void MultiLineEdit::keepFirstLine()
{
    QScrollBar* down = verticalScrollBar();
    if (keeping_ || down->isSliderDown())
        return;
    keeping_ = true;
    const ScreenLines lines = screenLines();
    const std::vector<int> tops = restingTops(lines);
    const int last = lastRest(lines, tops);
    if (!lines.empty())
        down->setSingleStep(std::max(1, pixel(lines.front().bottom - lines.front().top)));
    down->setMaximum(last);
    rest_ = std::min(tops[lineOf(firstLine_, lines)], last);
    down->setValue(rest_);
    keeping_ = false;
}

// Moves the scroll bar's slider, before it takes the new value, to where the
// action leaves a whole line at the top.
void MultiLineEdit::scrollAction(int action)
{
    QScrollBar* down = verticalScrollBar();
    const ScreenLines lines = screenLines();
    const std::vector<int> tops = restingTops(lines);
    const int value = down->value();
    const int height = viewport()->height();
    const auto after = std::upper_bound(tops.begin(), tops.end(), value);
    const auto before = std::lower_bound(tops.begin(), tops.end(), value);
    int target = down->sliderPosition();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        target = after == tops.end() ? value : *after;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        target = before == tops.begin() ? 0 : *std::prev(before);
        break;
    case QAbstractSlider::SliderPageStepAdd: {
        // The next page opens with the first line not shown whole.
        size_t cut = 0;
        while (cut < lines.size() && pixel(lines[cut].bottom) <= value + height)
            ++cut;
        target = cut < lines.size() ? tops[cut] : value;
        if (target <= value)
            target = after == tops.end() ? value : *after;
        break;
    }
    case QAbstractSlider::SliderPageStepSub: {
        // The page before ends with the line above the first one shown.
        const size_t first = static_cast<size_t>(before - tops.begin());
        if (first == 0 || lines.empty()) {
            target = 0;
            break;
        }
        target = *std::lower_bound(tops.begin(), tops.end(), pixel(lines[first - 1].bottom) - height);
        if (target >= value)
            target = *std::prev(before);
        break;
    }
    case QAbstractSlider::SliderMove:
        if (down->isSliderDown())
            return;  // the handle comes to rest once let go
        target = nearestRest(target);
        break;
    default:
        return;
    }
    down->setSliderPosition(target);
}

// The line's top nearest to a scroll position.
int MultiLineEdit::nearestRest(int value) const
{
    const ScreenLines lines = screenLines();
    const std::vector<int> tops = restingTops(lines);
    const int last = lastRest(lines, tops);
    int rest = 0;
    for (int top : tops)
        if (top <= last && std::abs(top - value) < std::abs(rest - value))
            rest = top;
    return rest;
}

void MultiLineEdit::turnWheel(const QWheelEvent* event)
{
    wheelTurn_ += event->angleDelta().y();
    while (std::abs(wheelTurn_) >= QWheelEvent::DefaultDeltasPerStep) {
        const int direction = wheelTurn_ > 0 ? 1 : -1;
        wheelTurn_ -= direction * QWheelEvent::DefaultDeltasPerStep;
        verticalScrollBar()->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepSub
                                                         : QAbstractSlider::SliderSingleStepAdd);
    }
}

void MultiLineEdit::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() != Qt::NoModifier || event->angleDelta().y() == 0) {
        QTextEdit::wheelEvent(event);
        return;
    }
    turnWheel(event);
    event->accept();
}

bool MultiLineEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == verticalScrollBar() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() == Qt::NoModifier && wheel->angleDelta().y() != 0) {
            turnWheel(wheel);
            return true;
        }
    }
    return QTextEdit::eventFilter(watched, event);
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event)
{
    const int caret = textCursor().position();
    const auto line = [this] { return static_cast<int>(lineOf(textCursor().position(), screenLines())); };
    if (event->matches(QKeySequence::MoveToNextLine) || event->matches(QKeySequence::SelectNextLine))
        moveCaretToLine(line() + 1, event->matches(QKeySequence::SelectNextLine));
    else if (event->matches(QKeySequence::MoveToPreviousLine) || event->matches(QKeySequence::SelectPreviousLine))
        moveCaretToLine(line() - 1, event->matches(QKeySequence::SelectPreviousLine));
    else if (event->matches(QKeySequence::MoveToNextPage) || event->matches(QKeySequence::SelectNextPage))
        turnPage(1, event->matches(QKeySequence::SelectNextPage));
    else if (event->matches(QKeySequence::MoveToPreviousPage) || event->matches(QKeySequence::SelectPreviousPage))
        turnPage(-1, event->matches(QKeySequence::SelectPreviousPage));
    else
        QTextEdit::keyPressEvent(event);
    if (textCursor().position() != caret)
        showCaretLineWhole();
}

// Down and Up take the caret to the start of a line, wherever on its line it
// stood: the caret keeps no place across, so that a line's start, a wrapped
// continuation's included, is never passed over.
void MultiLineEdit::moveCaretToLine(int line, bool select)
{
    const ScreenLines lines = screenLines();
    if (lines.empty())
        return;
    QTextCursor caret = textCursor();
    caret.setPosition(lines[static_cast<size_t>(std::clamp(line, 0, static_cast<int>(lines.size()) - 1))].start,
                      select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(caret);
}

// Page Down and Up turn the page as the scroll bar's page areas do, and the
// caret goes with it, to the same place on the page; when the page cannot
// turn, to the first or the last line.
void MultiLineEdit::turnPage(int direction, bool select)
{
    const ScreenLines lines = screenLines();
    if (lines.empty())
        return;
    const std::vector<int> tops = restingTops(lines);
    QScrollBar* down = verticalScrollBar();
    const size_t caret = lineOf(textCursor().position(), lines);
    const int value = down->value();
    const bool shown = tops[caret] >= value && pixel(lines[caret].bottom) <= value + viewport()->height();
    const size_t first = firstLineAt(value, tops);
    down->triggerAction(direction > 0 ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
    const size_t turnedTo = firstLineAt(down->value(), tops);
    if (turnedTo == first)
        moveCaretToLine(direction > 0 ? static_cast<int>(lines.size()) - 1 : 0, select);
    else
        moveCaretToLine(static_cast<int>(shown ? caret + turnedTo - first : turnedTo), select);
}

// Scrolls, if need be, to the nearest rest that shows the caret's line whole.
void MultiLineEdit::showCaretLineWhole()
{
    const ScreenLines lines = screenLines();
    if (lines.empty())
        return;
    const std::vector<int> tops = restingTops(lines);
    const size_t line = lineOf(textCursor().position(), lines);
    QScrollBar* down = verticalScrollBar();
    const int value = down->value();
    const int height = viewport()->height();
    if (tops[line] < value)
        down->setValue(tops[line]);
    else if (pixel(lines[line].bottom) > value + height)
        down->setValue(std::min(*std::lower_bound(tops.begin(), tops.end() - 1, pixel(lines[line].bottom) - height), tops[line]));
}

void MultiLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    loadQtArabic();
    QMenu* menu = createStandardContextMenu(event->pos());
    // The items the window gives the box (print ...) follow the box's own.
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    popUpMenu(menu, this, event->globalPos());
}

bool MultiLineEdit::event(QEvent* event)
{
    const bool handled = QTextEdit::event(event);
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // The box lays out its scroll bar over what it holds: the frame goes back on top.
        focusFrame_->setGeometry(rect());
        focusFrame_->raise();
        focusFrame_->update();
        break;
    default:
        break;
    }
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        QStyleOptionFrame option;
        initStyleOption(&option);
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
    }
    return handled;
}

}  // namespace tavrimo
