// SPDX-License-Identifier: GPL-3.0-or-later
// The formula box as a reader pages through it, at 100 to 300 %: it comes to
// rest with a whole line at its top, every line is whole on some page, the
// arrow keys and a screen reader go from line to line, and picks are silent.

#include "tests/window_fixture.h"

#include <QAccessible>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace tavrimo;
using namespace tavrimo::testing;

namespace {

constexpr int kFigures = 9;

struct Line {
    int start, end;  // end: past its last character
    qreal top, bottom;
};

class SheetTest : public ZoomedWindowFixture {
protected:
    QTextEdit* box() { return qobject_cast<QTextEdit*>(widget("txtGra")); }
    QScrollBar* bar() { return box()->verticalScrollBar(); }

    void pick(int figure)
    {
        ZoomedWindowFixture::pick(figure);
        box()->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    // The lines on the screen, as the text layout has them.
    std::vector<Line> lines()
    {
        std::vector<Line> all;
        for (QTextBlock block = box()->document()->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const qreal top = layout->position().y() + line.y();
                all.push_back({block.position() + line.textStart(), block.position() + line.textStart() + line.textLength(),
                               top, top + line.height()});
            }
        }
        return all;
    }

    // The lines shown whole at the box's scroll position; none may stand
    // across its top edge.
    std::set<int> wholeLines(const std::string& after)
    {
        const int top = bar()->value();
        const int bottom = top + box()->viewport()->height();
        std::set<int> whole;
        const std::vector<Line> all = lines();
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_FALSE(all[i].top < top - 0.5 && all[i].bottom > top + 0.5)
                << "line " << i << " cut at the top after " << after << " (" << top << " in " << all[i].top << ")";
            if (all[i].top >= top - 0.5 && all[i].bottom <= bottom + 0.5)
                whole.insert(static_cast<int>(i));
        }
        return whole;
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(box(), static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }

    QRect barPart(QStyle::SubControl part)
    {
        QStyleOptionSlider option;
        option.initFrom(bar());
        option.orientation = Qt::Vertical;
        option.minimum = bar()->minimum();
        option.maximum = bar()->maximum();
        option.sliderPosition = option.sliderValue = bar()->value();
        option.singleStep = bar()->singleStep();
        option.pageStep = bar()->pageStep();
        option.subControls = QStyle::SC_All;
        return bar()->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar());
    }

    void click(QStyle::SubControl part)
    {
        QTest::mouseClick(bar(), Qt::LeftButton, Qt::NoModifier, barPart(part).center());
        QApplication::processEvents();
    }

    // Drags the scroll bar's handle by some pixels and lets it go.
    void drag(int pixels)
    {
        const QPoint from = barPart(QStyle::SC_ScrollBarSlider).center();
        for (const auto& [type, dy, buttons] : {std::tuple{QEvent::MouseButtonPress, 0, Qt::LeftButton},
                                                 {QEvent::MouseMove, pixels / 2, Qt::LeftButton},
                                                 {QEvent::MouseMove, pixels, Qt::LeftButton},
                                                 {QEvent::MouseButtonRelease, pixels, Qt::NoButton}}) {
            QMouseEvent event(type, from + QPoint(0, dy), bar()->mapToGlobal(from + QPoint(0, dy)), Qt::LeftButton,
                              buttons, Qt::NoModifier);
            QApplication::sendEvent(bar(), &event);
        }
        QApplication::processEvents();
    }
};

// Page Down opens at the first line not shown whole; Page Up comes back alike.
TEST_P(SheetTest, paging_through_every_sheet_shows_every_line_whole)
{
    for (int figure = 0; figure < kFigures; ++figure) {
        SCOPED_TRACE("figure " + std::to_string(figure));
        pick(figure);
        key(Qt::Key_Home, Qt::ControlModifier);
        const int count = static_cast<int>(lines().size());
        for (int direction : {1, -1}) {
            std::set<int> seen = wholeLines("the pick");
            for (int page = 0; page < count; ++page) {
                const std::set<int> before = wholeLines("a page");
                const int value = bar()->value();
                key(direction > 0 ? Qt::Key_PageDown : Qt::Key_PageUp);
                if (bar()->value() == value)
                    break;
                const std::set<int> shown = wholeLines(direction > 0 ? "Page Down" : "Page Up");
                seen.insert(shown.begin(), shown.end());
                if (direction > 0 && bar()->value() < bar()->maximum()) {
                    // the line cut at the bottom, or the one below the last whole line, opens the page
                    EXPECT_EQ(*shown.begin(), *before.rbegin() + 1);
                } else if (direction < 0 && bar()->value() > 0) {
                    EXPECT_EQ(*shown.rbegin(), *before.begin() - 1);  // the line above the page closes the one before
                }
            }
            EXPECT_EQ(static_cast<int>(seen.size()), count) << (direction > 0 ? "down" : "up");
            EXPECT_EQ(bar()->value(), direction > 0 ? bar()->maximum() : 0);
            EXPECT_TRUE(seen.count(count - 1)) << "the last line is never shown whole";
        }
    }
}

// Every way of scrolling rests at a line's top; a notch or an arrow moves one line.
TEST_P(SheetTest, every_way_of_scrolling_comes_to_rest_at_the_top_of_a_line)
{
    const struct {
        const char* name;
        std::function<void()> act;
        int lines;  // the lines it moves by; 0: not checked
    } actions[] = {
        {"Down", [this] { for (int i = 0; i < 6; ++i) key(Qt::Key_Down); }, 0},
        {"wheel down", [this] { wheel(box()->viewport(), -1); }, 1},
        {"wheel down on the scroll bar", [this] { wheel(bar(), -1); }, 1},
        {"the lower arrow", [this] { click(QStyle::SC_ScrollBarAddLine); }, 1},
        {"the lower page area", [this] { click(QStyle::SC_ScrollBarAddPage); }, 0},
        {"the handle dragged down", [this] { drag(box()->fontMetrics().height() * 2 / 3); }, 0},
        {"Up", [this] { for (int i = 0; i < 3; ++i) key(Qt::Key_Up); }, 0},
        {"wheel up", [this] { wheel(box()->viewport(), 1); }, -1},
        {"the upper arrow", [this] { click(QStyle::SC_ScrollBarSubLine); }, -1},
        {"Page Down", [this] { key(Qt::Key_PageDown); }, 0},
        {"the handle dragged up", [this] { drag(-box()->fontMetrics().height() / 3); }, 0},
        {"Ctrl+End", [this] { key(Qt::Key_End, Qt::ControlModifier); }, 0},
        {"Up and a zoom step there and back",
         [this] {
             key(Qt::Key_Up);
             const int first = lines()[static_cast<size_t>(*wholeLines("Up").begin())].start;
             window().zoomTo(GetParam() < 300 ? GetParam() + 25 : 275);
             QApplication::processEvents();
             // the line that was at the top stays there
             const std::vector<Line> zoomed = lines();
             const Line top = zoomed[static_cast<size_t>(*wholeLines("the zoom step").begin())];
             EXPECT_TRUE(top.start <= first && first < top.end + 1) << first << " not in " << top.start << ".." << top.end;
             window().zoomTo(GetParam());
             QApplication::processEvents();
         },
         0},
        {"the upper page area", [this] { click(QStyle::SC_ScrollBarSubPage); }, 0},
        {"wheel up on the scroll bar", [this] { wheel(bar(), 1); }, -1},
        {"Page Up", [this] { key(Qt::Key_PageUp); }, 0},
        {"Ctrl+Home", [this] { key(Qt::Key_Home, Qt::ControlModifier); }, 0},
    };
    for (int figure : {2, 5, 7, 8}) {  // the sphere, the angles, the prism, the pyramid: wrapped or long
        SCOPED_TRACE("figure " + std::to_string(figure));
        pick(figure);
        int moved = 0;
        for (const auto& action : actions) {
            SCOPED_TRACE(action.name);
            const std::set<int> before = wholeLines("the last action");
            const bool atEnd = action.lines > 0 ? bar()->value() == bar()->maximum() : bar()->value() == 0;
            action.act();
            const std::set<int> after = wholeLines(action.name);
            ASSERT_FALSE(after.empty());
            if (action.lines != 0)
                EXPECT_EQ(*after.begin() - *before.begin(), atEnd ? 0 : action.lines);
            moved += *after.begin() != *before.begin();
        }
        EXPECT_GE(moved, 10) << "the actions scrolled too little to tell";
        EXPECT_EQ(bar()->value(), 0);
    }
}

// Down and Up visit each line's start, continuations too, as a screen reader reads.
TEST_P(SheetTest, down_and_up_visit_every_line_from_its_start)
{
    for (int figure : {2, 4, 7, 8}) {
        SCOPED_TRACE("figure " + std::to_string(figure));
        pick(figure);
        const std::vector<Line> all = lines();
        ASSERT_GT(all.size(), 3u);
        QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(box())->textInterface();
        const auto check = [&](size_t i, const char* key) {
            SCOPED_TRACE(std::string(key) + " to line " + std::to_string(i));
            EXPECT_EQ(box()->textCursor().position(), all[i].start);
            int start = -1, end = -1;
            const QString line = reader->textAtOffset(reader->cursorPosition(), QAccessible::LineBoundary, &start, &end);
            EXPECT_EQ(start, all[i].start);
            EXPECT_EQ(line.trimmed(), box()->document()->toPlainText().mid(all[i].start, all[i].end - all[i].start).trimmed());
        };
        for (size_t i = 1; i < all.size(); ++i) {
            key(Qt::Key_Down);
            check(i, "Down");
        }
        key(Qt::Key_Down);
        check(all.size() - 1, "Down past the last line");
        for (size_t i = all.size() - 1; i-- > 0;) {
            key(Qt::Key_Up);
            check(i, "Up");
        }
        // Line after line, as a reader walks them.
        std::vector<int> starts{0};
        for (int start = 0, end = 0; starts.size() <= all.size();) {
            reader->textAfterOffset(starts.back(), QAccessible::LineBoundary, &start, &end);
            if (start >= reader->characterCount())
                break;
            starts.push_back(start);
        }
        std::vector<int> expected;
        for (const Line& line : all)
            if (line.start < reader->characterCount())
                expected.push_back(line.start);
        EXPECT_EQ(starts, expected);
        // From inside a line, Down goes to the next line's start all the same.
        key(Qt::Key_End);
        key(Qt::Key_Down);
        check(1, "End and Down");
    }
}

std::vector<QString> messages;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) { messages.push_back(message); }

// A screen reader asks about the old text's places after a pick: no message.
TEST_P(SheetTest, picking_figures_and_reading_the_box_where_the_old_text_was_writes_no_message)
{
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(box())->textInterface();
    messages.clear();
    const QtMessageHandler before = qInstallMessageHandler(keepMessage);
    const auto restore = qScopeGuard([before] { qInstallMessageHandler(before); });
    int length = 0;
    for (int figure : {5, 6, 2, 0, 8, 1, 4, 7, 3, 5}) {
        pick(figure);
        for (int offset : {length, length - 1, length + 1, -1}) {
            int start = 0, end = 0;
            for (auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::LineBoundary}) {
                reader->textAtOffset(offset, boundary, &start, &end);
                reader->textBeforeOffset(offset, boundary, &start, &end);
                reader->textAfterOffset(offset, boundary, &start, &end);
            }
            reader->text(0, offset);
            reader->text(offset, offset + 5);
            reader->characterRect(offset);
            reader->attributes(offset, &start, &end);
        }
        length = reader->characterCount();
        key(Qt::Key_End, Qt::ControlModifier);
    }
    for (const QString& message : messages)
        ADD_FAILURE() << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Zoom, SheetTest, ::testing::Values(100, 150, 200, 250, 300), zoomName);

}  // namespace
