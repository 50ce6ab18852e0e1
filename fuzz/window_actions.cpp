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
//  - no two non-empty fields of a converter show amounts that disagree
//    (beyond the rounding of 15-digit texts), whatever the action and
//    whether it failed;
//  - the solver's outputs change only when "النتيجة" is pressed.

#include "numbers/failure.h"
#include "app/program.h"
#include "fuzz/check.h"
#include "temperature/temperature.h"
#include "units/conversion.h"
#include "window/properties.h"

#include <algorithm>
#include <array>
#include <cmath>
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
        const QString baseBefore = w.at(f.c.txtTAS[3]).text;
        const QString fieldBefore = w.at(field).text;
        const std::array<QString, 3> solverBefore = {w.at(f.c.sqrD).text, w.at(f.c.s1).text, w.at(f.c.s2).text};
        failed_ = false;
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

        checkAgreement();
        const HandlerStats stats = program_.takeStats();
        FUZZ_CHECK(stats.handlers <= kMaxHandlersPerAction, "%d handler runs for one action", stats.handlers);
        FUZZ_CHECK(stats.depth <= kMaxDepth, "nesting %d deep", stats.depth);

        if (!pressedResult) {
            FUZZ_CHECK(w.at(f.c.sqrD).text == solverBefore[0] && w.at(f.c.s1).text == solverBefore[1]
                           && w.at(f.c.s2).text == solverBefore[2],
                       "solver outputs changed without the button");
        }
        // In the weight category an imperial entry converts only when it
        // changes the base amount; otherwise the fields stay as they were.
        const bool weightKeptBase = f.selected(f.c.optW) && w.at(f.c.txtTAS[3]).text == baseBefore
                                    && std::find(f.c.txtUSA.begin(), f.c.txtUSA.end(), field) != f.c.txtUSA.end();
        // An edit that leaves the text as it was raises no Change and converts nothing.
        const bool changed = w.at(field).text != fieldBefore;
        if (edited && changed && !failed_ && !weightKeptBase)
            checkSettled(field, typed);
    }

private:
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
        editing_ = field;
        program_.window().userEdit(field, text);
        editing_ = kNoControl;
    }

    // A text the program wrote into a number field (other than trimming the
    // field being typed in) is empty or a number it can read back.
    void checkWritten(ControlId id)
    {
        if (std::find(numberFields_.begin(), numberFields_.end(), id) == numberFields_.end())
            return;
        const QString& text = program_.window().at(id).text;
        if (text.isEmpty())
            return;
        FUZZ_CHECK(!text.contains(u"inf", Qt::CaseInsensitive) && !text.contains(u"nan", Qt::CaseInsensitive),
                   "wrote %s", qPrintable(text));
        double value = 0;
        try {
            value = readStrict(text, program_.form().numbers);
        } catch (const Failure&) {
            FUZZ_CHECK(false, "wrote %s, which does not read back", qPrintable(text));
        }
        FUZZ_CHECK(writeNumber(value, program_.form().numbers) == text, "wrote %s, not in its own form", qPrintable(text));
    }

    // Two amounts agree when they differ by no more than the rounding of a
    // few 15-digit texts.
    static bool agree(double x, double y, double scale)
    {
        return std::abs(x - y) <= 1e-12 * scale + 1e-290;
    }

    // Every non-empty field of a converter shows the same amount: the unit
    // fields in base units, the temperature fields in degrees Celsius. A
    // text that is not a number (a lone sign the person typed) shows none.
    void checkAgreement()
    {
        const Form& f = program_.form();
        const WindowModel& w = program_.window();
        const int step = f.selected(f.c.optArea) ? 2 : f.selected(f.c.optSize) ? 3 : 1;
        std::vector<std::pair<double, ControlId>> amounts;
        for (int k = 0; k < 7; ++k) {
            const ControlId id = f.c.txtTAS[static_cast<size_t>(k)];
            if (w.at(id).text.isEmpty())
                continue;
            try {
                const double power = std::pow(10.0, step * (k - 3));
                const double base = readLenient(w.at(id).text, f.numbers) * power;
                if (std::isfinite(base))
                    amounts.emplace_back(base, id);
            } catch (const Failure&) {
            }
        }
        for (ControlId id : f.c.txtUSA) {
            if (w.at(id).text.isEmpty() || !w.at(id).visible)
                continue;
            try {
                const double base = readStrict(w.at(id).text, f.numbers) / readStrict(w.at(id).tag, NumberFormat{u'.'});
                if (std::isfinite(base))
                    amounts.emplace_back(base, id);
            } catch (const Failure&) {
            }
        }
        for (const auto& [amount, id] : amounts)
            FUZZ_CHECK(agree(amount, amounts.front().first, std::max(std::abs(amount), std::abs(amounts.front().first))),
                       "%s shows %s, %s shows %s", qPrintable(controlName(w.at(id))), qPrintable(w.at(id).text),
                       qPrintable(controlName(w.at(amounts.front().second))),
                       qPrintable(w.at(amounts.front().second).text));

        using namespace temperature;
        std::vector<std::pair<double, ControlId>> celsius;
        double scale = 0;
        const auto add = [&](ControlId id, auto toCelsius) {
            if (w.at(id).text.isEmpty())
                return;
            try {
                const double value = readStrict(w.at(id).text, f.numbers);
                scale += std::abs(value);
                celsius.emplace_back(toCelsius(value), id);
            } catch (const Failure&) {
            }
        };
        add(f.c.txtC, [](double c) { return c; });
        add(f.c.txtF, [](double t) { return (t - kFahrenheitOffset) * kFahrenheitToCelsius; });
        add(f.c.txtK, [](double k) { return k - kKelvinOffset; });
        for (const auto& [amount, id] : celsius)
            FUZZ_CHECK(!std::isfinite(amount) || agree(amount, celsius.front().first, scale), "%s shows %s, %s shows %s",
                       qPrintable(controlName(w.at(id))), qPrintable(w.at(id).text),
                       qPrintable(controlName(w.at(celsius.front().second))),
                       qPrintable(w.at(celsius.front().second).text));
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

        const auto value = [&](ControlId id) { return readStrict(w.at(id).text, f.numbers); };
        const auto text = [&](double x) { return writeNumber(x, f.numbers); };
        using namespace temperature;
        try {
            if (field == f.c.txtC) {
                FUZZ_CHECK(w.at(f.c.txtF).text == text(value(f.c.txtC) * kCelsiusToFahrenheit + kFahrenheitOffset), "F");
                FUZZ_CHECK(w.at(f.c.txtK).text == text(value(f.c.txtC) + kKelvinOffset), "K from C");
            } else if (field == f.c.txtF) {
                FUZZ_CHECK(w.at(f.c.txtC).text == text((value(f.c.txtF) - kFahrenheitOffset) * kFahrenheitToCelsius), "C");
                FUZZ_CHECK(w.at(f.c.txtK).text == text(value(f.c.txtC) + kKelvinOffset), "K from F");
            } else if (field == f.c.txtK) {
                FUZZ_CHECK(w.at(f.c.txtC).text == text(value(f.c.txtK) - kKelvinOffset), "C from K");
                FUZZ_CHECK(w.at(f.c.txtF).text == text(value(f.c.txtC) * kCelsiusToFahrenheit + kFahrenheitOffset), "F from K");
            }
        } catch (const Failure&) {
            FUZZ_CHECK(false, "a temperature that converted cleanly does not convert again");
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
