// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing a file whole or not at all. The bytes go to a new file in the
// target's own folder, which is synced and then renamed onto the target's
// name: a reader sees the old file or the new one, never a part of one, and
// a failure, a full disk or a kill at any moment leaves the target as it was
// and, but for the moment between naming the new file and renaming it,
// nothing else behind.

#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace tavrimo::files {

enum class Replace { NewOnly, Existing };

// Writes `bytes` as the file `target`, a path whose last part is no symbolic
// link, in a folder that exists. NewOnly fails with EEXIST when something
// has taken the name meanwhile; Existing puts the new file in place of the
// one there. The new file gets `mode` and, when run as root, `owner`'s
// user and group; without a mode it is made as any new file (0666 less the
// umask). Returns 0, or the errno of the step that failed.
struct Owner {
    uid_t user;
    gid_t group;
};
int writeWhole(const std::string& target, std::string_view bytes, Replace replace,
               std::optional<mode_t> mode = std::nullopt, std::optional<Owner> owner = std::nullopt);
// The same, as the file `name` (one part, no slash) in the open folder
// `folder`: nothing done to the folder's path meanwhile changes where it goes.
int writeWholeAt(int folder, const std::string& name, std::string_view bytes, Replace replace,
                 std::optional<mode_t> mode = std::nullopt, std::optional<Owner> owner = std::nullopt);
// Whether `name` is one of the hidden names the new file has before it is
// renamed onto `target` (a leftover of a run killed at that moment).
bool isTemporaryNameOf(std::string_view name, std::string_view target);

// The folder part and the last part of a path ("." for a bare name).
std::string folderOf(const std::string& path);
std::string lastPartOf(const std::string& path);

}  // namespace tavrimo::files
