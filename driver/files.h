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

// The driver's standard output, a line at a time, each line checked: a
// line written at once, or kept (up to 64 KiB) to go out with the next one
// written at once or with flush(). After the first failure nothing more is
// written, and error() tells why; an output closed when the driver started
// is one.
class StandardOutput {
public:
    enum class When { Now, Soon };
    explicit StandardOutput(bool open);
    void write(const QString& line, When when = When::Now);
    void flush();
    const std::string& error() const { return error_; }

private:
    bool open_;
    QByteArray kept_;
    std::string error_;
};

// Writes the bytes as the regular file fileName, a new one or in place of
// one (through a link, in place of the file it points to), whole or not at
// all. Nothing under /proc, /sys or /dev and no other kind of file (a
// FIFO, a device, a folder) is written. Returns an empty text on success,
// otherwise the reason.
std::string writeRegularFile(const QString& fileName, const QByteArray& bytes);

}  // namespace tavrimo::script
