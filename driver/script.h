// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The script language of tavrimo-script: one command a line, controls written
// as in the program (txtTAS(3), optArea), texts in double quotes with the
// escapes \" \\ \t \n \r and \uXXXX.

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrimo::script {

enum class Verb { Page, Focus, Click, Type, Paste, Key, Pick, Show, Dump, Stats, Snapshot, Zoom };

// What `show` names besides a control.
enum class Value { None, ByteCategory, ByteSource, Page, Focus, Zoom };

struct Command {
    int line = 0;
    Verb verb = Verb::Dump;
    std::string control;  // "txtTAS(3)" as written
    std::string name;     // control name without index
    int index = -1;
    std::string property;  // after the dot, or empty
    Value value = Value::None;
    QString text;
    int number = 0;
    std::string key;
};

struct ScriptError : std::runtime_error {
    ScriptError(int line, const std::string& message) : std::runtime_error(message), line(line) {}
    int line;
};

// Tells whether a control exists, and whether it has a property.
struct Names {
    std::function<bool(const std::string& name, int index)> control;
    std::function<bool(const std::string& name, int index, const std::string& property)> property;
};

// The text of a script read as UTF-8; throws ScriptError naming the first
// line with a NUL byte or bytes that are not UTF-8.
QString decode(QByteArrayView bytes);

// Throws ScriptError on the first line that cannot be understood.
std::vector<Command> parse(const QString& source, const Names& names);

// Decodes the inside of a quoted text; throws std::invalid_argument on a bad escape.
QString unescape(QStringView quoted);

}  // namespace tavrimo::script
