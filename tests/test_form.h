// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A headless Form1 driven as the view drives it, messages and failures recorded.

#include "app/program.h"
#include "window/properties.h"

#include <QString>
#include <QStringList>

using namespace Qt::StringLiterals;

#include <string>
#include <vector>

namespace tavrimo::testing {

struct ShownMessage {
    QString prompt;
    QString title;
    MessageIcon icon;
    QString results;  // sqrD|s1|s2 as the box opens
};

class RecordingMessages : public MessagePresenter {
public:
    void showMessage(const QString& prompt, const QString& title, MessageIcon icon) override
    {
        const auto text = [this](const char* name) { return window ? window->at(window->require(name)).text : QString(); };
        shown.push_back({prompt, title, icon, text("sqrD") + u'|' + text("s1") + u'|' + text("s2")});
    }
    std::vector<ShownMessage> shown;
    const WindowModel* window = nullptr;
};

class TestForm {
public:
    explicit TestForm(NumberFormat numbers = {}) : program(numbers, messages)
    {
        messages.window = &program.window();
        program.setFailureListener([this](const QString& handler, FailureReason reason) {
            failures.push_back(handler.toStdString() + ": " + std::string(describe(reason)));
        });
        program.start();
        program.takeStats();
    }

    WindowModel& w() { return program.window(); }
    Form& form() { return program.form(); }
    ControlId id(const char* name, int index = -1) { return w().require(name, index); }
    QString text(const char* name, int index = -1) { return w().at(id(name, index)).text; }
    std::string show(const char* name, int index, Prop prop) { return formatProp(w(), id(name, index), prop).toStdString(); }

    // Moves the keyboard focus as the Tab key would.
    void focus(ControlId target) { w().userFocusIn(target); }

    // Types key by key at the end of the field's text.
    void type(const char* name, int index, const QString& keys)
    {
        const ControlId field = id(name, index);
        focus(field);
        for (QChar key : keys)
            w().userEdit(field, w().at(field).text + key);
    }
    void type(const char* name, const QString& keys) { type(name, -1, keys); }

    // Replaces the whole text in one edit.
    void paste(const char* name, int index, const QString& text)
    {
        const ControlId field = id(name, index);
        focus(field);
        w().userEdit(field, text);
    }

    void click(const char* name) { w().userClick(id(name)); }

    RecordingMessages messages;
    Program program;
    std::vector<std::string> failures;
};

inline QString q(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace tavrimo::testing
