// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/model.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace tavrimo {

namespace {

// The colours a control has when its row names none.
Colour defaultBack(Kind kind)
{
    switch (kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
        return Colour::named(Colour::System::WindowBackground);
    default:
        return Colour::named(Colour::System::ButtonFace);
    }
}

Colour defaultFore(Kind)
{
    return Colour::named(Colour::System::WindowText);
}

}  // namespace

WindowModel::WindowModel(std::span<const ControlRow> initialState)
{
    controls_.reserve(initialState.size());
    for (const ControlRow& row : initialState) {
        Control c;
        c.row = &row;
        if (row.kind == Kind::TextBox)
            c.text = toQString(row.caption);
        else
            c.caption = toQString(row.caption);
        c.tag = toQString(row.tag);
        c.visible = row.visible;
        c.enabled = row.enabled;
        c.value = row.selected;
        c.backColor = row.back.system == Colour::System::Unset ? defaultBack(row.kind) : row.back;
        c.foreColor = row.fore.system == Colour::System::Unset ? defaultFore(row.kind) : row.fore;
        c.left = row.geometry.left;
        c.top = row.geometry.top;
        c.width = row.geometry.width;
        c.height = row.geometry.height;
        controls_.push_back(std::move(c));
    }
    // An image that holds a picture from the start shows its own.
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].row->pictureWidth > 0)
            controls_[i].picture = static_cast<ControlId>(i);
}

ControlId WindowModel::find(std::string_view name, int index) const
{
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].row->name == name && controls_[i].row->index == index)
            return static_cast<ControlId>(i);
    return kNoControl;
}

ControlId WindowModel::require(std::string_view name, int index) const
{
    const ControlId id = find(name, index);
    if (id == kNoControl)
        throw std::logic_error("no control " + std::string(name) + "(" + std::to_string(index) + ")");
    return id;
}

ControlId WindowModel::containerOf(ControlId id) const
{
    return at(id).row->container.empty() ? kNoControl : find(at(id).row->container);
}

int WindowModel::pageOf(ControlId id) const
{
    for (ControlId c = id; c != kNoControl; c = containerOf(c))
        if (at(c).row->page >= 0)
            return at(c).row->page;
    return -1;
}

void WindowModel::notify(ControlId id, Notice notice)
{
    for (const Observer& observer : observers_)
        observer(id, notice);
}

void WindowModel::raise(ControlId id, Event event)
{
    if (sink_)
        sink_(id, event);
}

void WindowModel::setText(ControlId id, const QString& text)
{
    if (assignmentLog_)
        assignmentLog_->push_back(id);
    Control& c = mut(id);
    if (c.text == text)
        return;
    c.text = text;
    // In the field the person is typing in, the caret stands at the end of
    // the new text, so the next key lands there. Any other field, a result
    // that has the focus included, shows its text from the first character:
    // a sign and the leading digits stay in view however wide the number.
    c.selStart = id == focused_ && c.enabled ? static_cast<int>(text.size()) : 0;
    c.selLength = 0;
    notify(id, Notice::Text);
    raise(id, Event::Change);
}

bool WindowModel::userEdit(ControlId id, const QString& text)
{
    if (text.size() > kMaxEntryLength)
        return false;
    Control& c = mut(id);
    if (c.text == text)
        return true;
    // Text that reaches a field the focus is not on (a drop, a middle-button
    // paste) brings the focus with it, so the field drives what its text
    // converts.
    userFocusIn(id);
    c.text = text;
    const ControlId outer = std::exchange(personEditing_, id);
    raise(id, Event::Change);
    personEditing_ = outer;
    return true;
}

void WindowModel::userFocusIn(ControlId id)
{
    if (focused_ == id)
        return;
    if (focused_ != kNoControl)
        userFocusOut(focused_);
    focused_ = id;
    raise(id, Event::GotFocus);
}

void WindowModel::userFocusOut(ControlId id)
{
    // Only the control that has the focus can lose it.
    if (focused_ != id)
        return;
    focused_ = kNoControl;
    raise(id, Event::LostFocus);
}

void WindowModel::setInvalid(ControlId id, bool invalid)
{
    Control& c = mut(id);
    if (c.invalid == invalid)
        return;
    c.invalid = invalid;
    notify(id, Notice::Invalid);
}

void WindowModel::setTag(ControlId id, const QString& tag)
{
    mut(id).tag = tag;
    notify(id, Notice::Tag);
}

void WindowModel::setCaption(ControlId id, const QString& caption)
{
    Control& c = mut(id);
    if (c.caption == caption)
        return;
    c.caption = caption;
    notify(id, Notice::Caption);
}

void WindowModel::setVisible(ControlId id, bool visible)
{
    Control& c = mut(id);
    if (c.visible == visible)
        return;
    c.visible = visible;
    notify(id, Notice::Visible);
}

void WindowModel::setValue(ControlId id, bool value)
{
    Control& c = mut(id);
    if (c.value == value)
        return;
    c.value = value;
    notify(id, Notice::Value);
}

void WindowModel::setBackColor(ControlId id, Colour colour)
{
    Control& c = mut(id);
    if (c.backColor == colour)
        return;
    c.backColor = colour;
    notify(id, Notice::BackColor);
}

void WindowModel::setForeColor(ControlId id, Colour colour)
{
    Control& c = mut(id);
    if (c.foreColor == colour)
        return;
    c.foreColor = colour;
    notify(id, Notice::ForeColor);
}

void WindowModel::setSelStart(ControlId id, int start)
{
    Control& c = mut(id);
    c.selStart = std::clamp(start, 0, static_cast<int>(c.text.size()));
    c.selLength = 0;
    notify(id, Notice::Selection);
}

void WindowModel::setSelLength(ControlId id, int length)
{
    Control& c = mut(id);
    c.selLength = std::clamp(length, 0, static_cast<int>(c.text.size()) - c.selStart);
    notify(id, Notice::Selection);
}

void WindowModel::userSelection(ControlId id, int start, int length)
{
    Control& c = mut(id);
    c.selStart = start;
    c.selLength = length;
}

void WindowModel::setPictureFrom(ControlId id, ControlId source)
{
    Control& c = mut(id);
    const ControlId picture = at(source).picture;
    c.picture = picture;
    if (c.row->kind == Kind::Image) {
        if (picture == kNoControl) {
            c.width = c.row->geometry.width;
            c.height = c.row->geometry.height;
        } else {
            c.width = at(picture).row->pictureWidth * 15;
            c.height = at(picture).row->pictureHeight * 15;
        }
        notify(id, Notice::Geometry);
    }
    notify(id, Notice::Picture);
}

void WindowModel::requestFocus(ControlId id)
{
    notify(id, Notice::FocusRequest);
}

void WindowModel::userClick(ControlId id)
{
    if (at(id).row->kind == Kind::OptionButton) {
        // Selecting one option button clears the others of its container.
        for (ControlId other = 0; other < size(); ++other)
            if (other != id && at(other).row->kind == Kind::OptionButton
                && at(other).row->container == at(id).row->container)
                setValue(other, false);
        setValue(id, true);
    }
    raise(id, Event::Click);
}

void WindowModel::userPick(ControlId id, int listIndex)
{
    Control& c = mut(id);
    if (c.listIndex != listIndex) {
        c.listIndex = listIndex;
        notify(id, Notice::ListIndex);
    }
    raise(id, Event::Click);
}

}  // namespace tavrimo
