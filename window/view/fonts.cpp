// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/fonts.h"

#include "window/view/zoom.h"

#include <QEvent>
#include <QTextEdit>
#include <QTextDocument>
#include <QWidget>

namespace tavrimo {

namespace {

QFont family(const char* name, double points)
{
    QFont font(QString::fromLatin1(name));
    // Signs the Arabic face lacks (+ = ^) come from the Noto face of the same
    // design and width as its digits, Latin letters from a general face.
    font.setFamilies(QStringList{QString::fromLatin1(name), QStringLiteral("Noto Sans Devanagari UI"),
                                 QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    return font;
}

QFont::Weight weightOf(int weight)
{
    if (weight >= 700)
        return QFont::Bold;
    if (weight >= 600)
        return QFont::DemiBold;
    return QFont::Normal;
}

}  // namespace

QFont windowDefaultFont(int zoom)
{
    return family(kSansFamily, kDefaultPoints * zoom / 100);
}

QFont fontFor(const FontStyle& row, int zoom)
{
    const double points = (row.face == Face::Default ? kDefaultPoints : row.points) * zoom / 100;
    QFont font = family(row.face == Face::MudirMT ? kNaskhFamily : kSansFamily, points);
    font.setWeight(weightOf(row.weight));
    return font;
}

bool hasOwnFont(const ControlRow& row)
{
    return row.font.face != Face::Default || row.font.weight != 400;
}

namespace {

// Gives a control its own font when it is first shown, before it is first
// painted. A text box or label lays out its text again for a new font, which
// loads that font; the controls of the pages not on view thus load theirs
// only when their page is first opened. An empty multi-line box draws
// nothing its font would change, so it takes its font when it is shown with
// a text, gets a text while shown, or takes the keyboard focus (its caret).
class FontOnShow : public QObject {
public:
    FontOnShow(QWidget* widget, const FontStyle& font) : QObject(widget), widget_(widget), font_(font)
    {
        widget->installEventFilter(this);
        if (auto* box = qobject_cast<QTextEdit*>(widget))
            textChanged_ = connect(box, &QTextEdit::textChanged, this, [this] {
                if (widget_->isVisible())
                    apply();
            });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if ((event->type() == QEvent::Show && !emptyBox()) || event->type() == QEvent::FocusIn)
            apply();
        return false;
    }

private:
    bool emptyBox() const
    {
        const auto* box = qobject_cast<const QTextEdit*>(widget_);
        return box && box->document()->isEmpty();
    }

    void apply()
    {
        widget_->removeEventFilter(this);
        disconnect(textChanged_);
        widget_->setFont(fontFor(font_, zoomOf(widget_)));
        deleteLater();
    }

    QWidget* widget_;
    FontStyle font_;
    QMetaObject::Connection textChanged_;
};

}  // namespace

void giveFontOnShow(QWidget* widget, const FontStyle& font)
{
    new FontOnShow(widget, font);
}

}  // namespace tavrimo
