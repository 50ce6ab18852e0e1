// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/blank_wrapping_label.h"

#include "window/view/zoom.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace tavrimo {

void BlankWrappingLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    // A label that has not yet been given its size is wrapped when it gets
    // it, which is always before it is first drawn.
    if (testAttribute(Qt::WA_PendingResizeEvent))
        setText(caption_);
    else
        rewrap();
}

void BlankWrappingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    rewrap();
}

void BlankWrappingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !testAttribute(Qt::WA_PendingResizeEvent))
        rewrap();
}

// Words are laid out one after another with the blanks between them; a line
// ends before the word that would not fit, and the blanks at the break are
// dropped. A long run of blanks thus pushes what follows onto the next line.
void BlankWrappingLabel::rewrap()
{
    const QFontMetrics metrics(font());
    const int zoom = zoomOf(this);
    const int leftMargin = zoomed(kLeftMargin, zoom);
    const int width = std::max(1, this->width() - leftMargin);
    QStringList lines;
    QString line;
    qsizetype i = 0;
    while (i < caption_.size()) {
        qsizetype blanksEnd = i;
        while (blanksEnd < caption_.size() && caption_[blanksEnd] == u' ')
            ++blanksEnd;
        qsizetype wordEnd = blanksEnd;
        while (wordEnd < caption_.size() && caption_[wordEnd] != u' ')
            ++wordEnd;
        const QString blanks = caption_.mid(i, blanksEnd - i);
        const QString word = caption_.mid(blanksEnd, wordEnd - blanksEnd);
        if (!line.isEmpty() && metrics.horizontalAdvance(line + blanks + word) > width) {
            lines << line;
            line = word;
        } else {
            line += (line.isEmpty() && !lines.isEmpty() ? QString() : blanks) + word;
        }
        i = wordEnd;
    }
    lines << line;
    // A few pixels between the left edge and the text, as far as the widest
    // line leaves room: an equation framed by a rectangle over the label
    // then keeps clear of the rectangle's side.
    int widest = 0;
    for (const QString& l : std::as_const(lines))
        widest = std::max(widest, metrics.horizontalAdvance(l));
    setContentsMargins(leftMargin + std::clamp(width - widest, 0, zoomed(3, zoom)), 0, 0, 0);
    lines_ = lines;
    setText(lines.join(u'\n'));
}

// The lines are set a little further apart than the font's line spacing, so
// that a line under a run of blanks (the equation in its rectangle) keeps
// clear of what lies just above it.
void BlankWrappingLabel::paintEvent(QPaintEvent* event)
{
    if (lines_.size() < 2) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    int top = area.top();
    for (const QString& line : std::as_const(lines_)) {
        painter.drawText(QRect(area.left(), top, area.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine, line);
        top += metrics.lineSpacing() + zoomed(kLineGap, zoomOf(this));
    }
}

}  // namespace tavrimo
