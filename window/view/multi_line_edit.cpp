// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/multi_line_edit.h"

#include "window/view/context_menu.h"
#include "window/view/zoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace tavrimo {

namespace {

// Pixels between a multi-line box's frame and its text at 100 %, as Qt has it.
constexpr qreal kDocumentMargin = 4;
// Pixels at 100 % by which a wrapped line's continuation stands in from the
// paragraph's start: about one and a half letters of the formula font.
constexpr qreal kHangingIndent = 24;

}  // namespace

MultiLineEdit::MultiLineEdit(QWidget* parent) : QTextEdit(parent)
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
    // The box is read-only, but the accessibility interface edits its text
    // regardless: such an edit is put back.
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!showing_ && toPlainText() != shownPlain_)
            showLines(shown_);
    });
}

void MultiLineEdit::setZoom(int percent)
{
    zoom_ = percent;
    document()->setDocumentMargin(zoomedF(kDocumentMargin, percent));
    indentContinuations();
}

void MultiLineEdit::showLines(const QString& text)
{
    showing_ = true;
    shown_ = text;
    setPlainText(text);
    indentContinuations();
    shownPlain_ = toPlainText();
    showing_ = false;
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

void MultiLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    popUpMenu(createStandardContextMenu(event->pos()), this, event->globalPos());
}

bool MultiLineEdit::event(QEvent* event)
{
    const bool handled = QTextEdit::event(event);
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
