// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/multi_line_edit.h"

#include "window/view/context_menu.h"
#include "window/view/translation.h"
#include "window/view/zoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

namespace {

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

MultiLineEdit::MultiLineEdit(QWidget* parent) : QPlainTextEdit(parent), focusFrame_(new FocusFrame(this)) {}

bool MultiLineEdit::event(QEvent* event)
{
    const bool handled = QPlainTextEdit::event(event);
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
