// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Performs a script's commands on the real window as a person would, through
// real input events, and prints what the window then shows.

#include "driver/files.h"
#include "driver/script.h"

#include <QObject>
#include <QPoint>

#include <stdexcept>
#include <string>
#include <vector>

class QWidget;

namespace tavrimo {

class Application;

// An action that cannot be done as a person would do it, or that did not
// happen: the script stops there.
struct ActionError : std::runtime_error {
    ActionError(int line, const std::string& message) : std::runtime_error(message), line(line) {}
    int line;
};

class Runner : public QObject {
public:
    Runner(Application& app, script::StandardOutput& out);

    // Whether a control exists and has a property, for the script parser.
    script::Names names() const;
    // Performs one command; throws ActionError when it cannot be done, or
    // when what it printed could not be written.
    void run(const script::Command& command);
    // Writes what is still kept of the output; throws ActionError, naming the
    // last command, when it cannot be written.
    void finish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void perform(const script::Command& command);
    int controlId(const script::Command& command) const;
    // The widget a person acts on for a control; the tab strip for SSTab1.
    QWidget* widgetFor(int id) const;
    bool hasFocus(int id) const;
    void showPage(int page);
    void showPageOf(int id);
    // Gives the control the focus as the Tab key would, or fails saying that
    // it cannot `action` ("be typed into").
    void focus(const script::Command& command, const std::string& action);
    void click(const script::Command& command);
    void type(const script::Command& command);
    void paste(const script::Command& command);
    void key(const std::string& name);
    void pick(const script::Command& command);
    void show(const script::Command& command);
    void dump();
    void settle();
    void snapshot(const QString& fileName);
    void zoom(int percent);
    // Moves the pointer over `pos` of `widget` (`what` the person points at).
    void pointAt(QWidget* widget, QPoint pos, const std::string& what);
    [[noreturn]] void fail(const std::string& message) const;
    [[noreturn]] void fail(const script::Command& command, const std::string& what) const;
    QString focusName() const;
    // "bytCategory=1", "page=2" and the like.
    QString windowValue(script::Value value) const;
    void print(const QString& line, script::StandardOutput::When when = script::StandardOutput::When::Now);
    void checkOutput() const;

    Application& app_;
    script::StandardOutput& out_;
    int line_ = 0;       // the line of the command being performed
    bool started_ = false;
    int picked_ = -1;    // the item the figure list last reported picked
    QWidget* pointerTarget_ = nullptr;  // the widget the pointer is moving over
    QPoint pointerGoal_;                // where it is moving to, on the screen
    bool pointerArrived_ = false;
};

}  // namespace tavrimo
