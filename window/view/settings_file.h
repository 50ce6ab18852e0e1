// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one file the program keeps: $XDG_CONFIG_HOME/tavrimo/tavrimo.conf,
// lines of `key=value` under `[General]`, as Qt's settings wrote it.
//
// A file of ours is one whose `[General]` group holds at least one of the
// keys we write and nothing else: an empty file, or `[General]` alone, is
// not. It is read only when it is a regular file (a symbolic link to one
// included) of at most kMaxSettingsBytes, and never waited for: a FIFO, a
// device, a socket, a folder or a larger file is not read at all. It is
// written only in place of a file of ours that we may write (through a link,
// only one that belongs to the person running the program), or where there
// is none, and always as a new file renamed onto the old one, in the folder
// of the file a link points to. That folder is opened once, and the file is
// looked at, read and replaced relative to it: a folder swapped on the way
// meanwhile changes nothing. There is no lock file: two programs closing at
// once each write a whole file, and the last one stays.

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrimo {

inline constexpr long kMaxSettingsBytes = 4096;

// Where the file is, in the file names' own bytes: under $XDG_CONFIG_HOME
// when it is an absolute path, otherwise under $HOME/.config (a relative
// one is ignored, as the XDG base directory rules say). Empty when the
// folder it would take is no absolute path or no valid file name in the
// locale's encoding: then nothing is kept.
std::string settingsFilePath();

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

// The file at `path`, with its values when it is a file of ours.
Settings readSettings(const std::string& path, std::initializer_list<std::string_view> keys);

// Why the values were not written: no usable folder, a file that is not
// ours, a file of ours that is read-only, or the system's error (errno).
struct WriteResult {
    enum class Reason { Written, NoFolder, NotOurs, ReadOnly, SystemError };
    Reason reason = Reason::Written;
    int error = 0;
    explicit operator bool() const { return reason == Reason::Written; }
};

// Writes the values to the file at `path` as described above, leaving
// everything as it was where it may not or cannot. Hidden new files that a
// run killed before renaming one left beside the file are removed.
WriteResult writeSettings(const std::string& path, const std::vector<std::pair<std::string, std::string>>& values,
                          std::initializer_list<std::string_view> keys);

// Only the removal of such leftovers, for a close that writes nothing.
void removeLeftovers(const std::string& path, std::initializer_list<std::string_view> keys);

// Runs between the file's check and its replacement, for the tests.
void setBeforeSettingsWrite(std::function<void()> hook);

}  // namespace tavrimo
