// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file whole (files/whole_file.h): what each kind of target ends
// as, and that nothing else is left beside it, also when the new file was
// named and the last step, its rename, failed.

#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using tavrimo::files::Replace;
using tavrimo::files::writeWhole;

enum class There { Nothing, File, Folder };

struct Row {
    const char* what;
    There there;
    Replace replace;
    int error;              // what writeWhole returns
    const char* afterward;  // the target's text, or nullptr for the folder kept
};

const Row kRows[] = {
    {"a new file", There::Nothing, Replace::NewOnly, 0, "new"},
    {"a file replaced", There::File, Replace::Existing, 0, "new"},
    {"a name taken meanwhile", There::File, Replace::NewOnly, EEXIST, "old"},
    {"a folder in the file's place", There::Folder, Replace::Existing, EISDIR, nullptr},
};

TEST(WholeFile, each_target_ends_whole_with_nothing_left_beside_it)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.what);
        std::string scratch = (fs::temp_directory_path() / "whole-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(scratch.data()), nullptr);
        const fs::path folder = scratch, target = folder / "kept.conf";
        if (row.there == There::File)
            std::ofstream(target) << "old";
        if (row.there == There::Folder) {
            fs::create_directory(target);
            std::ofstream(target / "inside") << "x";
        }
        EXPECT_EQ(writeWhole(target.string(), "new", row.replace), row.error);
        if (row.afterward) {
            std::ostringstream text;
            text << std::ifstream(target).rdbuf();
            EXPECT_EQ(text.str(), row.afterward);
        } else {
            EXPECT_TRUE(fs::is_directory(target));
        }
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_EQ(entry.path().filename(), "kept.conf") << "left behind";
        fs::remove_all(folder);
    }
}

}  // namespace
