// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window model under a stream of user actions decoded from the
// input: typing, pasting, deleting, moving the focus, the option buttons,
// the solver's buttons and the figure list. After every action:
//
//  - no number field shows "inf", "nan" or more than 15 significant digits
//    of a number the program wrote;
//  - the handler runs and their nesting stay under a fixed bound;
//  - after an action on a unit field that did not fail, the twelve unit
//    fields hold a complete conversion (running it again changes nothing)
//    and the edited field holds what was typed; the temperature fields
//    likewise;
//  - every non-empty field of a converter shows the exact amount of the
//    field the person last edited, correctly rounded, in that field's digit
//    system, whatever the action and whether it failed; when that field holds
//    no number, the others are empty;
//  - the solver's outputs change only when "النتيجة" is pressed, are written
//    in the digit system of the three coefficients, and are empty once a
//    coefficient changed.

#include "numbers/failure.h"
#include "app/program.h"
#include "fuzz/check.h"
#include "units/catalogue.h"
#include "units/conversion.h"
#include "window/properties.h"

#include <algorithm>
#include <array>
#include <optional>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

using namespace tavrimo;

namespace {

constexpr int kMaxHandlersPerAction = 64;
constexpr int kMaxDepth = 6;

class SilentMessages : public MessagePresenter {
public:
    void showMessage(const QString&, const QString&, MessageIcon) override { ++shown; }
    int shown = 0;
};

// The characters a person types, chosen by one byte.
constexpr std::array<char16_t, 28> kKeys = {
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'.', u',',
    u'-', u'+', u'e', u'E', u' ', u'a', u'&', u'H', u'\t', u'\n', u'ب', u'9',
    u'٣', u'٫', u'۷', u'٠',
};

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

class Harness {
public:
    Harness() : program_({u'.'}, messages_)
    {
        program_.setFailureListener([this](const QString&, FailureReason) { failed_ = true; });
        program_.window().addObserver([this](ControlId id, Notice notice) {
            if (notice == Notice::Text && id != editing_)
                checkWritten(id);
        });
        program_.start();
        const WindowModel& w = program_.window();
        const Form& f = program_.form();
        for (ControlId id : f.c.txtTAS)
            fields_.push_back(id);
        for (ControlId id : f.c.txtUSA)
            fields_.push_back(id);
        for (ControlId id : {f.c.txtC, f.c.txtF, f.c.txtK, f.c.txtA, f.c.txtB, f.c.txtG})
            fields_.push_back(id);
        numberFields_ = fields_;
        for (ControlId id : {f.c.sqrD, f.c.s1, f.c.s2})
            numberFields_.push_back(id);
        options_ = {f.c.optTall, f.c.optArea, f.c.optSize, f.c.optW};
        (void)w;
    }

    void act(Input& in)
    {
        WindowModel& w = program_.window();
        const Form& f = program_.form();
        const uint8_t op = in.next() % 9;
        const ControlId field = fields_[in.next() % fields_.size()];
        const QString fieldBefore = w.at(field).text;
        const std::array<QString, 3> solverBefore = {w.at(f.c.sqrD).text, w.at(f.c.s1).text, w.at(f.c.s2).text};
        const std::array<QString, 3> coefficientsBefore = coefficients();
        failed_ = false;
        editChanged_ = false;
        editing_ = kNoControl;
        program_.takeStats();

        QString typed;
        bool edited = false;
        bool pressedResult = false;
        switch (op) {
        case 0:
        case 1: {  // type one or a few characters at the end
            focus(field);
            const int count = op == 0 ? 1 : 1 + in.next() % 4;
            for (int i = 0; i < count; ++i) {
                typed = w.at(field).text + QChar(kKeys[in.next() % kKeys.size()]);
                edit(field, typed);
            }
            edited = true;
            break;
        }
        case 2: {  // paste a text over the whole field
            focus(field);
            const int length = in.next() % 12;
            typed.clear();
            for (int i = 0; i < length; ++i)
                typed += QChar(kKeys[in.next() % kKeys.size()]);
            edit(field, typed);
            edited = true;
            break;
        }
        case 3: {  // delete one character somewhere
            focus(field);
            typed = w.at(field).text;
            if (!typed.isEmpty())
                typed.remove(in.next() % typed.size(), 1);
            edit(field, typed);
            edited = true;
            break;
        }
        case 4:
            focus(field);
            break;
        case 5:
            w.userClick(options_[in.next() % options_.size()]);
            break;
        case 6:
            pressedResult = in.next() % 2 == 0;
            w.userClick(w.require(pressedResult ? "cmdResult" : "cmdCls"));
            break;
        case 7:
            w.userPick(f.c.Combo1, static_cast<int8_t>(in.next()));
            break;
        case 8:
            focus(field);
            w.userMouseDown(field);
            break;
        }

        // A field whose text an edit changed, even if trimming then gave its
        // old text back, drives its converter.
        if (editChanged_) {
            if (std::find(f.c.txtTAS.begin(), f.c.txtTAS.end(), field) != f.c.txtTAS.end()
                || std::find(f.c.txtUSA.begin(), f.c.txtUSA.end(), field) != f.c.txtUSA.end())
                unitDriver_ = field;
            if (field == f.c.txtC || field == f.c.txtF || field == f.c.txtK)
                temperatureDriver_ = field;
        }
        if (op == 5)
            unitDriver_ = kNoControl;  // a category starts empty
        checkExact();
        const HandlerStats stats = program_.takeStats();
        FUZZ_CHECK(stats.handlers <= kMaxHandlersPerAction, "%d handler runs for one action", stats.handlers);
        FUZZ_CHECK(stats.depth <= kMaxDepth, "nesting %d deep", stats.depth);

        // The results change only on "النتيجة", and go with their equation:
        // empty once a coefficient changes.
        const bool coefficientsChanged = coefficients() != coefficientsBefore;
        const std::array<QString, 3> results = {w.at(f.c.sqrD).text, w.at(f.c.s1).text, w.at(f.c.s2).text};
        if (pressedResult && !results[0].isEmpty()) {
            const NumberFormat expected = f.numbers.writingIn(digitSystemOf({coefficientsBefore[0], coefficientsBefore[1], coefficientsBefore[2]}));
            for (const QString& result : results)
                FUZZ_CHECK(writeNumber(readExact(result, f.numbers), expected) == result, "result %s beside %s %s %s",
                           qPrintable(result), qPrintable(coefficientsBefore[0]), qPrintable(coefficientsBefore[1]),
                           qPrintable(coefficientsBefore[2]));
        }
        if (coefficientsChanged && !pressedResult)
            FUZZ_CHECK(results == (std::array<QString, 3>{}), "results stayed beside a changed equation");
        else if (!pressedResult)
            FUZZ_CHECK(results == solverBefore, "solver outputs changed without the button");
        // An edit that leaves the text as it was raises no Change and converts nothing.
        const bool changed = w.at(field).text != fieldBefore;
        if (edited && changed && !failed_)
            checkSettled(field, typed);
    }

private:
    std::array<QString, 3> coefficients()
    {
        const WindowModel& w = program_.window();
        const Form& f = program_.form();
        return {w.at(f.c.txtA).text, w.at(f.c.txtB).text, w.at(f.c.txtG).text};
    }

    void focus(ControlId target)
    {
        WindowModel& w = program_.window();
        if (focused_ == target)
            return;
        if (focused_ != kNoControl)
            w.userFocusOut(focused_);
        focused_ = target;
        w.userFocusIn(target);
    }

    void edit(ControlId field, const QString& text)
    {
        const bool changes = program_.window().at(field).text != text;
        editing_ = field;
        if (program_.window().userEdit(field, text) && changes)
            editChanged_ = true;
        editing_ = kNoControl;
    }

    // A text the program wrote into a number field (other than trimming the
    // field being typed in) is empty or a number it can read back, wholly in
    // one of the three digit systems.
    void checkWritten(ControlId id)
    {
        if (std::find(numberFields_.begin(), numberFields_.end(), id) == numberFields_.end())
            return;
        const QString& text = program_.window().at(id).text;
        if (text.isEmpty())
            return;
        FUZZ_CHECK(!text.contains(u"inf", Qt::CaseInsensitive) && !text.contains(u"nan", Qt::CaseInsensitive),
                   "wrote %s", qPrintable(text));
        Exact value;
        try {
            value = readExact(text, program_.form().numbers);
        } catch (const Failure&) {
            FUZZ_CHECK(false, "wrote %s, which does not read back", qPrintable(text));
        }
        FUZZ_CHECK(writeNumber(value, program_.form().numbers.writingIn(digitSystemOf(text))) == text,
                   "wrote %s, not in its own form", qPrintable(text));
    }

    // The amount of a unit field in base units, by the field's unit.
    Exact unitScale(ControlId id)
    {
        const Form& f = program_.form();
        const int step = f.selected(f.c.optArea) ? 2 : f.selected(f.c.optSize) ? 3 : 1;
        for (int k = 0; k < 7; ++k)
            if (f.c.txtTAS[static_cast<size_t>(k)] == id)
                return powerOfTen(step * (k - 3));
        return 1 / units::unitsPerBase(program_.window().at(id).tag);
    }

    // Every other non-empty field shows the driving field's amount, exactly
    // converted and rounded; none shows one when the driving field has none.
    void checkFollows(ControlId driver, const std::vector<ControlId>& fields, auto convert)
    {
        const WindowModel& w = program_.window();
        std::optional<Exact> amount;
        try {
            amount = readExact(w.at(driver).text, program_.form().numbers);
        } catch (const Failure&) {
        }
        const NumberFormat written = program_.form().numbers.writingIn(digitSystemOf(w.at(driver).text));
        for (ControlId id : fields) {
            if (id == driver || w.at(id).text.isEmpty() || !w.at(id).visible)
                continue;
            FUZZ_CHECK(amount.has_value(), "%s shows %s beside %s", qPrintable(controlName(w.at(id))),
                       qPrintable(w.at(id).text), qPrintable(w.at(driver).text));
            QString expected;
            try {
                expected = writeNumber(convert(*amount, id), written);
            } catch (const Failure&) {
                FUZZ_CHECK(false, "%s shows %s where no amount fits", qPrintable(controlName(w.at(id))),
                           qPrintable(w.at(id).text));
            }
            FUZZ_CHECK(w.at(id).text == expected, "%s shows %s, not %s, for %s", qPrintable(controlName(w.at(id))),
                       qPrintable(w.at(id).text), qPrintable(expected), qPrintable(w.at(driver).text));
        }
    }

    void checkExact()
    {
        const Form& f = program_.form();
        if (unitDriver_ != kNoControl) {
            std::vector<ControlId> units(f.c.txtTAS.begin(), f.c.txtTAS.end());
            units.insert(units.end(), f.c.txtUSA.begin(), f.c.txtUSA.end());
            const Exact driverScale = unitScale(unitDriver_);
            checkFollows(unitDriver_, units, [&](const Exact& x, ControlId id) { return Exact(x * driverScale / unitScale(id)); });
        }
        if (temperatureDriver_ != kNoControl) {
            const auto celsius = [&](const Exact& x, ControlId id) {
                return Exact(id == f.c.txtF ? (x - 32) * Exact(5, 9) : id == f.c.txtK ? x - 273 : x);
            };
            checkFollows(temperatureDriver_, {f.c.txtC, f.c.txtF, f.c.txtK}, [&](const Exact& x, ControlId id) {
                const Exact c = celsius(x, temperatureDriver_);
                return Exact(id == f.c.txtF ? c * Exact(9, 5) + 32 : id == f.c.txtK ? c + 273 : c);
            });
        }
    }

    void checkSettled(ControlId field, const QString& typed)
    {
        Form& f = program_.form();
        WindowModel& w = program_.window();
        const auto unit = [&](ControlId id) {
            return std::find(f.c.txtTAS.begin(), f.c.txtTAS.end(), id) != f.c.txtTAS.end()
                   || std::find(f.c.txtUSA.begin(), f.c.txtUSA.end(), id) != f.c.txtUSA.end();
        };
        const bool converts = unit(field) || field == f.c.txtC || field == f.c.txtF || field == f.c.txtK;
        // Fields that convert trim their blanks; the solver's fields keep the text as typed.
        const QString expected = converts ? trimSpaces(typed).toString() : typed;
        FUZZ_CHECK(w.at(field).text == expected, "the edited field shows '%s' after '%s'", qPrintable(w.at(field).text),
                   qPrintable(typed));
        if (w.at(field).text.isEmpty())
            return;

        if (unit(field)) {
            int imperial = -1;
            for (int j = 0; j < 5; ++j)
                if (f.c.txtUSA[static_cast<size_t>(j)] == field)
                    imperial = j;
            std::vector<QString> before;
            for (ControlId id : fields_)
                before.push_back(w.at(id).text);
            ScopedValue edited(f.editedImperialField, imperial);
            try {
                if (f.selected(f.c.optArea))
                    Area(f);
                else if (f.selected(f.c.optSize))
                    Size(f);
                else
                    Tall(f);
            } catch (const Failure& failure) {
                FUZZ_CHECK(false, "recomputing failed (%d) after a clean action", static_cast<int>(failure.reason));
            }
            for (size_t i = 0; i < fields_.size(); ++i)
                FUZZ_CHECK(w.at(fields_[i]).text == before[i], "unit field %zu was %s, a fresh conversion gives %s", i,
                           qPrintable(before[i]), qPrintable(w.at(fields_[i]).text));
            return;
        }

    }

    SilentMessages messages_;
    Program program_;
    std::vector<ControlId> fields_;
    std::vector<ControlId> numberFields_;
    std::vector<ControlId> options_;
    ControlId focused_ = kNoControl;
    ControlId editing_ = kNoControl;
    bool failed_ = false;
    bool editChanged_ = false;
    // The field of each converter the person last edited.
    ControlId unitDriver_ = kNoControl;
    ControlId temperatureDriver_ = kNoControl;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Harness harness;
    Input in(data, size);
    for (int actions = 0; !in.done() && actions < 400; ++actions)
        harness.act(in);
    return 0;
}
