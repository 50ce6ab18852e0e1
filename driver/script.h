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
#include <string_view>

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

// Reads the script one line at a time, as UTF-8, and hands each command to
// `each` as soon as its line is read, so that the script is never held but
// as its bytes. Throws ScriptError at the first line with a NUL byte, bytes
// that are not UTF-8, or that cannot be understood.
void forEachCommand(QByteArrayView script, const Names& names, const std::function<void(const Command&)>& each);

// A token of the script quoted for a message: at most its first 80
// characters with their escapes, "..." after them when it is longer.
std::string quote(std::string_view token);
std::string quote(QStringView token);

// Decodes the inside of a quoted text; throws std::invalid_argument on a bad escape.
QString unescape(QStringView quoted);

}  // namespace tavrimo::script
