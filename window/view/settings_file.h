// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one file the program keeps: $XDG_CONFIG_HOME/tavrimo/tavrimo.conf,
// lines of `key=value` under `[General]`, as Qt's settings wrote it.
//
// It is read only when it is a regular file (a symbolic link to one
// included) of at most kMaxSettingsBytes, and never waited for: a FIFO, a
// device, a socket, a folder or a larger file is not read at all. It is
// written only in place of a file of ours (one that holds nothing but the
// keys we write) that we may write, or where there is none, and always as a
// new file renamed onto the old one, in the folder of the file a link points
// to. There is no lock file: two programs closing at once each write a whole
// file, and the last one stays.

#include <QString>

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrimo {

inline constexpr long kMaxSettingsBytes = 4096;

// Where the file is: under $XDG_CONFIG_HOME when it is an absolute path,
// otherwise under ~/.config (a relative one is ignored, as the XDG base
// directory rules say).
QString settingsFilePath();

struct Settings {
    enum class File {
        Missing,  // nothing there: it may be written
        Ours,     // a file of ours that we may replace
        Locked,   // a file of ours that is read-only: read, never written
        Other,    // anything else: neither read nor written
    };
    File file = File::Missing;
    std::map<std::string, std::string> values;  // of a file of ours
};

// The file at `path`, a file of ours when every line is blank, `[General]`
// or `key=value` with one of `keys`.
Settings readSettings(const QString& path, std::initializer_list<std::string_view> keys);

// Writes the values to the file at `path` as described above; returns false,
// leaving everything as it was, where it may not or cannot.
bool writeSettings(const QString& path, const std::vector<std::pair<std::string, std::string>>& values,
                   std::initializer_list<std::string_view> keys);

}  // namespace tavrimo
