// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window model: every control of Form1 with its properties, held without
// any widget. A keystroke travels through the program in these stages:
//
//   widget event (view)  ->  model event (userEdit, userFocusIn, userClick ...)
//   -> handler (routing table, app/routing.cpp)  ->  field writes (setText ...)
//   -> nested Change handlers  ->  observers told  ->  widgets repainted (view)
//
// Assigning a text that differs from the one a box holds raises that box's
// Change event at once, nested, before the assignment returns; assigning the
// same text raises nothing. Everything else the program relies on follows
// from that rule.

#include "window/control_row.h"

#include <QString>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace tavrimo {

using ControlId = int;
inline constexpr ControlId kNoControl = -1;

enum class Event { Load, Click, Change, GotFocus, LostFocus, MouseDown };

// What an observer is told about: a property changed, or the program asked
// for the keyboard focus to move to a control.
enum class Notice {
    Text, Tag, Caption, Visible, Enabled, Value, ListIndex, BackColor, ForeColor,
    Selection, Geometry, Picture, FocusRequest, Invalid
};

struct Control {
    const ControlRow* row = nullptr;
    QString text;
    QString tag;
    QString caption;
    bool visible = true;
    bool enabled = true;
    bool value = false;
    int listIndex = -1;
    Colour backColor;
    Colour foreColor;
    int selStart = 0;
    int selLength = 0;
    int left = 0, top = 0, width = 0, height = 0;
    ControlId picture = kNoControl;  // the image control whose picture this one shows
    // An entry field whose text cannot become a number by typing more.
    bool invalid = false;
};

class WindowModel {
public:
    // No entry field takes a text longer than this: no number a person means
    // needs more, and a longer paste is refused whole, never cut.
    static constexpr int kMaxEntryLength = 1000;

    using EventSink = std::function<void(ControlId, Event)>;
    using Observer = std::function<void(ControlId, Notice)>;

    explicit WindowModel(std::span<const ControlRow> initialState);

    ControlId find(std::string_view name, int index = -1) const;
    ControlId require(std::string_view name, int index = -1) const;  // throws if absent
    const Control& at(ControlId id) const { return controls_[static_cast<size_t>(id)]; }
    int size() const { return static_cast<int>(controls_.size()); }
    ControlId containerOf(ControlId id) const;
    int pageOf(ControlId id) const;

    void setEventSink(EventSink sink) { sink_ = std::move(sink); }
    void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }

    // Writes made by the program.
    void setText(ControlId id, const QString& text);
    void setTag(ControlId id, const QString& tag);
    void setCaption(ControlId id, const QString& caption);
    void setVisible(ControlId id, bool visible);
    void setValue(ControlId id, bool value);
    void setBackColor(ControlId id, Colour colour);
    void setForeColor(ControlId id, Colour colour);
    void setSelStart(ControlId id, int start);
    void setSelLength(ControlId id, int length);
    // The control takes the picture of `source` (or none, when source shows
    // none) and, being an image, the picture's size with its corner kept.
    void setPictureFrom(ControlId id, ControlId source);
    void setInvalid(ControlId id, bool invalid);
    void requestFocus(ControlId id);

    // What the person does, reported by the view. An edit to a text longer
    // than kMaxEntryLength is refused (false) and changes nothing.
    bool userEdit(ControlId id, const QString& text);
    void userSelection(ControlId id, int start, int length);
    // The focus arriving at a control: the control that had it loses it
    // first. Nothing happens when the control has it already.
    void userFocusIn(ControlId id);
    void userFocusOut(ControlId id);
    void userMouseDown(ControlId id) { raise(id, Event::MouseDown); }
    void userClick(ControlId id);
    void userPick(ControlId id, int listIndex);

    void raise(ControlId id, Event event);

    // The field whose edit by the person is being handled, kNoControl while
    // none is.
    ControlId personEditing() const { return personEditing_; }
    // The control that has the keyboard focus, kNoControl when none has.
    ControlId focused() const { return focused_; }
    // While set, every text the program assigns (changed or not) is noted
    // in the log.
    void setAssignmentLog(std::vector<ControlId>* log) { assignmentLog_ = log; }

private:
    void notify(ControlId id, Notice notice);
    Control& mut(ControlId id) { return controls_[static_cast<size_t>(id)]; }

    std::vector<Control> controls_;
    EventSink sink_;
    std::vector<Observer> observers_;
    ControlId personEditing_ = kNoControl;
    ControlId focused_ = kNoControl;
    std::vector<ControlId>* assignmentLog_ = nullptr;
};

}  // namespace tavrimo
