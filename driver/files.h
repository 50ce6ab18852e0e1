// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The driver's own reading and writing of files: every failure is reported,
// in English, the system's reason included, whatever the user's locale.

#include <QByteArray>
#include <QString>

#include <string>

namespace tavrimo::script {

// A script larger than this is refused without being read whole.
inline constexpr qint64 kMaxScriptBytes = 16 * 1024 * 1024;

// The system's text for an errno value, in English.
std::string systemError(int error);

// The bytes of the script in fileName, or of standard input for "-". Throws
// ScriptError (line 0) when it cannot be read or is larger than kMaxScriptBytes.
QByteArray readScript(const QString& fileName);

// Writes the bytes to fileName and closes it, checking every step. Returns an
// empty text on success, otherwise the reason; a regular file left
// incomplete is removed.
std::string writeWholeFile(const QString& fileName, const QByteArray& bytes);

}  // namespace tavrimo::script
