// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Form1 as the handlers see it: the window model, the two window-level values,
// the user's number format, the message box, and the few guards that keep one
// keystroke to one pass through the converters.

#include "numbers/numbers.h"
#include "window/model.h"

#include <array>
#include <cstdint>

namespace tavrimo {

enum class MessageIcon { Critical, Information };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows a modal message box with one OK button and returns when it is closed.
    virtual void showMessage(const QString& prompt, const QString& title, MessageIcon icon) = 0;
};

// Control ids the handlers use, looked up once.
struct FormControls {
    explicit FormControls(const WindowModel& w);

    std::array<ControlId, 7> txtTAS;
    std::array<ControlId, 5> txtUSA;
    std::array<ControlId, 12> Label3D1;
    ControlId optTall, optArea, optSize, optW, TPC;
    ControlId txtC, txtF, txtK;
    ControlId txtA, txtB, txtG, sqrD, s1, s2;
    ControlId Combo1, txtGra, Image20;
    std::array<ControlId, 4> pictureSlots;  // Image16 .. Image19
};

class Form {
public:
    Form(WindowModel& window, NumberFormat numbers, MessagePresenter& messages)
        : w(window), numbers(numbers), messages(messages), c(window) {}

    WindowModel& w;
    const NumberFormat numbers;
    MessagePresenter& messages;
    const FormControls c;

    uint8_t bytCategory = 0;
    uint8_t bytSource = 0;

    // While a unit conversion runs, the Change events its own writes raise on
    // the twelve unit fields start no handler.
    bool conversionRunning = false;
    // The imperial field the person is editing; the conversion its edit
    // starts leaves it as typed. -1 while no imperial edit is under way.
    int editedImperialField = -1;
    // While a temperature handler fills the other two fields, their Change
    // events start no handler.
    bool temperatureRunning = false;

    const QString& text(ControlId id) const { return w.at(id).text; }
    bool selected(ControlId option) const { return w.at(option).value; }
};

// Sets a flag for the lifetime of the scope and restores its old value, also
// when a failure ends the scope early.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& target, T value) : target_(target), old_(target) { target_ = value; }
    ~ScopedValue() { target_ = old_; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& target_;
    T old_;
};

// Marks an entry field whose text cannot become a number by typing more,
// and clears the mark once it can.
void markEntry(Form& form, ControlId field);

// Assigns a field its own text without leading and trailing spaces; when
// that changes the text, the field's Change runs again, nested.
void trimField(Form& form, ControlId field);

}  // namespace tavrimo
