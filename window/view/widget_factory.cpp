// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/widget_factory.h"

#include "assets/pictures.h"
#include "window/keyboard.h"
#include "window/label3d.h"
#include "numbers/numbers.h"
#include "window/view/drawings.h"
#include "window/view/fonts.h"
#include "window/view/zoom.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QTextOption>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>
#include <string>

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

// Pixels between a multi-line box's frame and its text at 100 %, as Qt has it.
constexpr qreal kDocumentMargin = 4;

// The line edit keeps an undo step for every character each edit removes or
// inserts. Past this many, the record is dropped, so that pasting over and
// over into a field holds no growing memory.
constexpr qsizetype kUndoBudget = 20000;

// A disabled text box is a result box (FieldEdit::makeResultBox): its widget
// stays enabled for the mouse, so that its text can be selected and copied.
void showEnabled(QWidget* widget, const Control& c)
{
    widget->setEnabled(c.enabled || c.row->kind == Kind::TextBox);
}

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new EntryLengthValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        length_ = text.size();
        updateToolTip();
    });
    connect(this, &QLineEdit::textEdited, this, &FieldEdit::noteEdit);
}

void FieldEdit::makeResultBox()
{
    resultBox_ = true;
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
}

void FieldEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    Q_EMIT pressed();
}

namespace {

// A text box's menu reads right to left like the window, though a box's
// number runs left to right, and grows with the window's zoom.
void popUp(QMenu* menu, const QWidget* owner, QPoint at)
{
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QFont font = QApplication::font();
    font.setPointSizeF(zoomedF(font.pointSizeF(), zoomOf(owner)));
    menu->setFont(font);
    menu->popup(at);
}

}  // namespace

// A result box offers Copy for its whole text when
// nothing of it is selected, and once the menu has gone (after its action
// has run) shows its number from the first character again.
void FieldEdit::contextMenuEvent(QContextMenuEvent* event)
{
    const bool selectedForMenu = resultBox_ && !hasSelectedText();
    if (selectedForMenu)
        selectAll();
    QMenu* menu = createStandardContextMenu();
    if (selectedForMenu)
        connect(menu, &QObject::destroyed, this, [this] { setCursorPosition(0); });
    popUp(menu, this, event->globalPos());
}

void MultiLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    popUp(createStandardContextMenu(event->pos()), this, event->globalPos());
}

void FieldEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void FieldEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateToolTip();
}

void FieldEdit::setInvalid(bool invalid)
{
    invalid_ = invalid;
    updateToolTip();
    update();
}

void FieldEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!invalid_)
        return;
    QPainter painter(this);
    const qreal width = zoomedF(2, zoomOf(this));  // pixels at 100 %, growing with the zoom
    painter.setPen(QPen(QColor(0xD0, 0x00, 0x00), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

void FieldEdit::updateToolTip()
{
    if (invalid_) {
        // The example uses each separator the field reads.
        setToolTip(u"هذا ليس عددًا\nمثال: "_s + separatorExamples(NumberFormat::fromCLocale()));
        return;
    }

    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    // The line edit keeps two pixels free at either side of its text.
    const bool wider = fontMetrics().horizontalAdvance(text()) > contents.width() - 4;
    setToolTip(wider ? text() : QString());
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

QColor toQColor(Colour colour)
{
    return QColor::fromRgb(colour.resolved());
}

namespace {


void setPaletteColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour)
{
    palette.setColor(role, colour);
    if (role == QPalette::Text || role == QPalette::WindowText || role == QPalette::ButtonText)
        palette.setColor(QPalette::Inactive, role, colour);
}

QPixmap decodePicture(const PictureInfo& info)
{
    const QString path = QString::fromLatin1(info.resource.data(), static_cast<qsizetype>(info.resource.size()));
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path, info.format.data());
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

// The picture at `percent` on a screen with `ratio` device pixels to a
// pixel: the stored picture where that is one device pixel to each of its
// pixels, else drawn afresh at that resolution by its drawing code.
QPixmap forScreen(const PictureInfo& info, int percent, qreal ratio)
{
    const qreal scale = percent / 100.0 * ratio;
    if (qFuzzyCompare(scale, 1.0))
        return decodePicture(info);
    const QString key = QStringLiteral("%1@%2")
                            .arg(QLatin1String(info.resource.data(), static_cast<qsizetype>(info.resource.size())))
                            .arg(scale);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const QImage drawn = drawPicture(info, scale);
        pixmap = drawn.isNull() ? decodePicture(info).scaled((QSizeF(info.width, info.height) * scale).toSize(),
                                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                : QPixmap::fromImage(drawn);
        QPixmapCache::insert(key, pixmap);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// An image control. Its picture is decoded when the image is first on view:
// the first decoding loads Qt's image readers, which the page the window
// opens on does not need.
class PictureLabel : public QLabel {
public:
    using QLabel::QLabel;

    void showPicture(const PictureInfo* info)
    {
        pending_ = info;
        shown_ = info;
        if (!info)
            clear();
        else if (isVisible())
            decodePending();
    }

    void setZoom(int percent)
    {
        if (percent == zoom_)
            return;
        zoom_ = percent;
        if (shown_ && !pending_) {
            pending_ = shown_;
            if (isVisible())
                decodePending();
        }
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        decodePending();
        QLabel::showEvent(event);
    }

private:
    void decodePending()
    {
        if (!pending_)
            return;
        setPixmap(forScreen(*pending_, zoom_, devicePixelRatioF()));
        pending_ = nullptr;
    }

    const PictureInfo* pending_ = nullptr;
    const PictureInfo* shown_ = nullptr;
    int zoom_ = 100;
};

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
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            textChanged_ = connect(box, &QPlainTextEdit::textChanged, this, [this] {
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
        const auto* box = qobject_cast<const QPlainTextEdit*>(widget_);
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

// Puts the control's back colour into `palette`; false when the widget
// draws its back itself or is see-through.
bool paletteBack(QWidget* widget, QPalette& palette, const Control& c)
{
    const QColor back = toQColor(c.backColor);
    switch (c.row->kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
        setPaletteColour(palette, QPalette::Base, back);
        setPaletteColour(palette, QPalette::Button, back);
        return true;
    case Kind::CommandButton:
        setPaletteColour(palette, QPalette::Button, back);
        return true;
    case Kind::Label3D:
    case Kind::Image:
    case Kind::Shape:
        return false;
    default:
        widget->setAutoFillBackground(true);
        setPaletteColour(palette, QPalette::Window, back);
        return true;
    }
}

// Puts the control's fore colour into `palette`; false when the widget has no use for it.
bool paletteFore(QPalette& palette, const Control& c)
{
    const QColor fore = toQColor(c.foreColor);
    switch (c.row->kind) {
    case Kind::TextBox:
        setPaletteColour(palette, QPalette::Text, fore);
        return true;
    case Kind::CommandButton:
    case Kind::Label3D:
    case Kind::Image:
    case Kind::PictureBox:
        return false;
    default:
        setPaletteColour(palette, QPalette::WindowText, fore);
        return true;
    }
}

void drawBack(QWidget* widget, const Control& c)
{
    QPalette palette = widget->palette();
    if (paletteBack(widget, palette, c))
        widget->setPalette(palette);
}

void drawFore(QWidget* widget, const Control& c)
{
    QPalette palette = widget->palette();
    if (paletteFore(palette, c))
        widget->setPalette(palette);
}

void drawLabel3DColours(Label3D* label, const Control& c)
{
    label->setColours(toQColor(c.backColor), toQColor(c.foreColor), toQColor(c.row->shadow));
}

}  // namespace

QWidget* createWidget(const Control& control, QWidget* parent)
{
    const ControlRow& row = *control.row;
    QWidget* widget = nullptr;
    switch (row.kind) {
    case Kind::TextBox:
        if (row.multiLine) {
            auto* edit = new MultiLineEdit(parent);
            edit->setReadOnly(true);
            edit->setTabChangesFocus(true);  // a keyboard user can leave the formula box
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            // Every line of a formula text is an Arabic paragraph: it starts at the right edge.
            QTextOption lines = edit->document()->defaultTextOption();
            lines.setTextDirection(Qt::RightToLeft);
            lines.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
            edit->document()->setDefaultTextOption(lines);
            widget = edit;
        } else {
            auto* edit = new FieldEdit(parent);
            // The boxes hold numbers: a minus sign stays in front of its digits.
            edit->setLayoutDirection(Qt::LeftToRight);
            edit->setAlignment(row.centred ? Qt::AlignCenter : Qt::AlignLeft);
            edit->setText(control.text);
            if (!row.enabled)
                edit->makeResultBox();
            widget = edit;
        }
        break;
    case Kind::OptionButton: {
        auto* button = new QRadioButton(control.caption, parent);
        // A button fills with its button colour; an option button shows the
        // back colour of its row like the frame around it.
        button->setBackgroundRole(QPalette::Window);
        button->setChecked(control.value);
        widget = button;
        break;
    }
    case Kind::CommandButton:
        widget = new QPushButton(control.caption, parent);
        break;
    case Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        for (std::u16string_view item : row.items)
            combo->addItem(toQString(item));
        combo->setPlaceholderText(toQString(row.hint));
        combo->setCurrentIndex(control.listIndex);
        // The list shows its longest item whole: where its own width is too
        // narrow for it, it widens to the right, over the free edge of the page.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumWidth(combo->sizeHint().width());
        widget = combo;
        break;
    }
    case Kind::Frame:
        widget = new QGroupBox(control.caption, parent);
        break;
    case Kind::Label: {
        auto* label = new BlankWrappingLabel(parent);
        label->setCaption(control.caption);
        widget = label;
        break;
    }
    case Kind::Label3D: {
        auto* label = new Label3D(parent);
        label->setCaption(control.caption);
        drawLabel3DColours(label, control);
        widget = label;
        break;
    }
    case Kind::PictureBox:
        widget = new QWidget(parent);
        break;
    case Kind::Image: {
        auto* image = new PictureLabel(parent);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = image;
        break;
    }
    case Kind::Shape: {
        auto* shape = new QFrame(parent);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = shape;
        break;
    }
    case Kind::Form:
    case Kind::TabControl:
        return nullptr;
    }
    widget->setObjectName(QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size()))
                          + (row.index >= 0 ? QStringLiteral("(%1)").arg(row.index) : QString()));
    if (hasOwnFont(row))
        new FontOnShow(widget, row.font);
    showEnabled(widget, control);
    // Both colours in one palette: each new palette is passed on to the
    // widget's parts.
    QPalette palette = widget->palette();
    const bool back = paletteBack(widget, palette, control);
    if (paletteFore(palette, control) || back)
        widget->setPalette(palette);
    // A child shows with its parent unless hidden. Showing it explicitly
    // here, before it is placed, would only have it measure itself for a
    // size that placing it overrides.
    if (!control.visible)
        widget->setVisible(false);
    return widget;
}

void zoomWidget(QWidget* widget, int percent)
{
    if (auto* image = dynamic_cast<PictureLabel*>(widget))
        image->setZoom(percent);
    else if (auto* shape = qobject_cast<QFrame*>(widget); shape && shape->metaObject() == &QFrame::staticMetaObject)
        shape->setLineWidth(std::max(1, zoomed(1, percent)));
    else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        box->document()->setDocumentMargin(zoomedF(kDocumentMargin, percent));
    else if (auto* list = qobject_cast<QComboBox*>(widget))
        list->setMinimumWidth(list->sizeHint().width());  // its longest item whole, at the new font
}

void drawProperty(QWidget* widget, const WindowModel& model, ControlId id, Notice notice)
{
    const Control& c = model.at(id);
    switch (notice) {
    case Notice::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // The caret where the model puts it: at the end in the field
            // being typed in, at the start (sign and leading digits in view)
            // in any other. Taken before the line edit reports its own.
            const int caret = c.selStart;
            if (edit->text() != c.text)
                edit->setText(c.text);
            edit->setCursorPosition(caret);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            text->setPlainText(c.text);
        break;
    case Notice::Caption:
        if (auto* label3d = qobject_cast<Label3D*>(widget))
            label3d->setCaption(c.caption);
        else if (auto* label = qobject_cast<BlankWrappingLabel*>(widget))
            label->setCaption(c.caption);
        break;
    case Notice::Visible:
        widget->setVisible(c.visible);
        break;
    case Notice::Enabled:
        showEnabled(widget, c);
        break;
    case Notice::Value:
        if (auto* button = qobject_cast<QRadioButton*>(widget)) {
            button->setChecked(c.value);
            button->setFocusPolicy(isTabStop(model, id) ? Qt::StrongFocus : Qt::ClickFocus);
        }
        break;
    case Notice::ListIndex:
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            combo->setCurrentIndex(c.listIndex);
        break;
    case Notice::BackColor:
        if (auto* label3d = qobject_cast<Label3D*>(widget))
            drawLabel3DColours(label3d, c);
        else
            drawBack(widget, c);
        break;
    case Notice::ForeColor:
        if (auto* label3d = qobject_cast<Label3D*>(widget))
            drawLabel3DColours(label3d, c);
        else
            drawFore(widget, c);
        break;
    case Notice::Selection:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (c.selLength > 0)
                edit->setSelection(c.selStart, c.selLength);
            else
                edit->setCursorPosition(c.selStart);
        }
        break;
    case Notice::Picture:
        if (auto* image = dynamic_cast<PictureLabel*>(widget))
            image->showPicture(c.picture == kNoControl ? nullptr : pictureOf(model.at(c.picture).row->name));
        break;
    case Notice::FocusRequest:
        if (!widget->hasFocus())
            widget->setFocus(Qt::OtherFocusReason);
        break;
    case Notice::Invalid:
        if (auto* edit = qobject_cast<FieldEdit*>(widget))
            edit->setInvalid(c.invalid);
        break;
    case Notice::Tag:
    case Notice::Geometry:
        break;
    }
}

}  // namespace tavrimo
