// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/multi_line_edit.h"

#include "window/view/context_menu.h"
#include "window/view/translation.h"
#include "window/view/zoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>

namespace tavrimo {

namespace {

// Pixels between a multi-line box's frame and its text at 100 %, as Qt has it.
constexpr qreal kDocumentMargin = 4;

}  // namespace

void MultiLineEdit::setZoom(int percent)
{
    document()->setDocumentMargin(zoomedF(kDocumentMargin, percent));
}

void MultiLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    loadQtArabic();
    popUpMenu(createStandardContextMenu(event->pos()), this, event->globalPos());
}

bool MultiLineEdit::event(QEvent* event)
{
    const bool handled = QPlainTextEdit::event(event);
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
