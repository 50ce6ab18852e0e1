// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/field_edit.h"

#include "numbers/numbers.h"
#include "window/model.h"
#include "window/view/context_menu.h"
#include "window/view/translation.h"
#include "window/view/zoom.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrimo {

namespace {

// Refuses a text longer than an entry field takes. The line edit then undoes
// the whole key or paste, so a number is never cut into another number.
class EntryLengthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return input.size() > WindowModel::kMaxEntryLength ? Invalid : Acceptable;
    }
};

// Pixels the line edit keeps free at either side of its text.
constexpr int kTextMargin = 2;

// The line edit keeps an undo step for every character each edit removes or
// inserts. Past this many, the record is dropped, so that pasting over and
// over into a field holds no growing memory.
constexpr qsizetype kUndoBudget = 20000;

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new EntryLengthValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        length_ = text.size();
        updateToolTip();
    });
    connect(this, &QLineEdit::textEdited, this, &FieldEdit::noteEdit);
    showSelection();
}

void FieldEdit::makeResultBox()
{
    resultBox_ = true;
    setReadOnly(true);
    showSelection();
}

// A box without the focus shows no selection, as the person cannot tell
// otherwise which box the next key goes to: its highlight takes the box's
// own colours. What was selected is kept and shows again with the focus.
void FieldEdit::showSelection()
{
    const bool shown = hasFocus();
    const QPalette standard = QApplication::palette(this);
    QPalette colours = palette();
    bool changed = false;
    const auto take = [&](QPalette::ColorGroup group, QPalette::ColorRole role, const QColor& colour) {
        if (colours.color(group, role) != colour) {
            colours.setColor(group, role, colour);
            changed = true;
        }
    };
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        take(group, QPalette::Highlight,
             shown ? standard.color(group, QPalette::Highlight) : colours.color(group, QPalette::Base));
        take(group, QPalette::HighlightedText,
             shown ? standard.color(group, QPalette::HighlightedText) : colours.color(group, QPalette::Text));
    }
    if (changed)
        setPalette(colours);
}

// A result box reached with the keyboard holds its whole number selected,
// ready for Ctrl+C, with the caret at its start: the sign and the leading
// digits stay in view.
void FieldEdit::focusInEvent(QFocusEvent* event)
{
    showSelection();
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (resultBox_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason))
        setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
}

// The line the line edit draws its text in.
QRect FieldEdit::textLine() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const int height = std::max(fontMetrics().height(), fontMetrics().boundingRect(text()).height());
    return {contents.x() + kTextMargin, contents.y() + (contents.height() - height + 1) / 2,
            contents.width() - 2 * kTextMargin, height};
}

// A box without the focus whose number is wider than the box shows the
// number's start and an ellipsis where it is cut, never a number that looks
// whole; the person typing in it keeps the line edit's own view.
void FieldEdit::paintCut()
{
    if (hasFocus() || !cut_)
        return;
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.setLayoutDirection(layoutDirection());
    painter.drawText(cutLine_, static_cast<int>(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine,
                     elided_);
}

void FieldEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    Q_EMIT pressed();
}

// A result box offers Copy for its whole text when
// nothing of it is selected, and once the menu has gone (after its action
// has run) shows its number from the first character again.
void FieldEdit::contextMenuEvent(QContextMenuEvent* event)
{
    const bool selectedForMenu = resultBox_ && !hasSelectedText();
    if (selectedForMenu)
        selectAll();
    loadQtArabic();
    QMenu* menu = createStandardContextMenu();
    if (selectedForMenu)
        connect(menu, &QObject::destroyed, this, [this] { setCursorPosition(0); });
    popUpMenu(menu, this, event->globalPos());
}

void FieldEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void FieldEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateToolTip();
    if (event->type() == QEvent::PaletteChange)
        showSelection();  // a new back colour is the hidden highlight's
}

void FieldEdit::setInvalid(bool invalid)
{
    invalid_ = invalid;
    updateToolTip();
    update();
}

void FieldEdit::paintEvent(QPaintEvent* event)
{
    // The line edit paints first even where its view is painted over, so
    // that its caret and scroll stay where a person sees the text start.
    QLineEdit::paintEvent(event);
    paintCut();
    if (!invalid_)
        return;
    QPainter painter(this);
    const qreal width = zoomedF(2, zoomOf(this));  // pixels at 100 %, growing with the zoom
    painter.setPen(QPen(QColor(0xD0, 0x00, 0x00), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

void FieldEdit::updateToolTip()
{
    // What a paint without the focus draws of a cut text is worked out here,
    // once for each text, size and font.
    cutLine_ = textLine();
    cut_ = fontMetrics().horizontalAdvance(text()) > cutLine_.width();
    elided_ = cut_ ? fontMetrics().elidedText(text(), Qt::ElideRight, cutLine_.width()) : QString();
    if (invalid_)
        // The example uses each separator the field reads.
        setToolTip(u"هذا ليس عددًا\nمثال: "_s + separatorExamples(NumberFormat::fromCLocale()));
    else
        setToolTip(cut_ ? text() : QString());
}

void FieldEdit::noteEdit(const QString& text)
{
    undoWeight_ += length_ + text.size();
    if (undoWeight_ > kUndoBudget) {
        undoWeight_ = 0;
        // Not from inside the line edit's own change: once it has finished.
        QMetaObject::invokeMethod(this, &FieldEdit::forgetUndoRecord, Qt::QueuedConnection);
    }
}

void FieldEdit::forgetUndoRecord()
{
    // Setting the text it holds empties the line edit's undo record and
    // changes nothing else; the caret and selection are put back.
    const Selection kept = selection();
    setText(text());
    restore(kept);
}

FieldEdit::Selection FieldEdit::selection() const
{
    return {selectionStart(), static_cast<int>(selectedText().size()), cursorPosition()};
}

void FieldEdit::restore(const Selection& kept)
{
    if (kept.start >= 0 && kept.length > 0)
        setSelection(kept.cursor == kept.start ? kept.start + kept.length : kept.start,
                     kept.cursor == kept.start ? -kept.length : kept.length);
    else
        setCursorPosition(kept.cursor);
}

// The line edit drops its selection when the focus moves to another control;
// a text box keeps it, to show it unchanged when the person comes back.
void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    const Selection kept = selection();
    QLineEdit::focusOutEvent(event);
    if (selection() != kept)
        restore(kept);
    showSelection();
}

}  // namespace tavrimo
