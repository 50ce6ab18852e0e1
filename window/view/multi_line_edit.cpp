// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/multi_line_edit.h"

#include "window/view/context_menu.h"
#include "window/view/translation.h"
#include "window/view/zoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
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
