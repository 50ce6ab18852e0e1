// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/widget_factory.h"

#include "assets/pictures.h"
#include "window/keyboard.h"
#include "window/label3d.h"
#include "window/view/blank_wrapping_label.h"
#include "window/view/field_edit.h"
#include "window/view/fonts.h"
#include "window/view/multi_line_edit.h"
#include "window/view/palette.h"
#include "window/view/picture_label.h"
#include "window/view/zoom.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace tavrimo {

namespace {

// A disabled text box is a result box (FieldEdit::makeResultBox): its widget
// stays enabled for the mouse, so that its text can be selected and copied.
void showEnabled(QWidget* widget, const Control& c)
{
    widget->setEnabled(c.enabled || c.row->kind == Kind::TextBox);
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
        giveFontOnShow(widget, row.font);
    showEnabled(widget, control);
    drawColours(widget, control);
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
    else if (auto* box = qobject_cast<MultiLineEdit*>(widget))
        box->setZoom(percent);
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
        } else if (auto* box = qobject_cast<MultiLineEdit*>(widget))
            box->showLines(c.text);
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
