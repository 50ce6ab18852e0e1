// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom steps, the largest zoom a screen holds, and the kept zoom.

#include "window/view/settings_file.h"
#include "window/view/zoom.h"
#include "window/view/zoom_memory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tavrimo;

namespace {

TEST(ZoomSteps, a_zoom_key_goes_to_the_next_step_and_stops_at_100_and_300)
{
    const struct {
        int from, direction, to;
    } rows[] = {{100, 1, 125}, {175, 1, 200}, {200, 1, 250}, {300, 1, 300}, {100, -1, 100}, {300, -1, 250},
                {150, 1, 175}, {200, -1, 175}, {137, 1, 150}, {168, -1, 150}};  // the last two from between the steps
    for (const auto& row : rows)
        EXPECT_EQ(zoomStep(row.from, row.direction), row.to) << row.from << " " << row.direction;
}

// Twips (15 to a pixel at 100 %) and pixels at 100 % round to the nearest pixel.
TEST(TwipsToPixels, round_to_the_nearest_pixel_at_any_zoom)
{
    const struct {
        int pixels, zoom, zoomed;
    } lengths[] = {{506, 125, 633}, {457, 125, 571}, {3, 150, 5}, {1, 250, 3}};
    for (const auto& row : lengths)
        EXPECT_EQ(zoomed(row.pixels, row.zoom), row.zoomed) << row.pixels << " pixels at " << row.zoom << " %";
    const struct {
        int twips, zoom, pixels;
    } rows[] = {{1060, 100, 71}, {1052, 100, 70}, {7590, 100, 506}, {1060, 150, 106}, {1060, 300, 212}, {1065, 125, 89}};
    for (const auto& row : rows)
        EXPECT_EQ(twipsToPixels(QRect(row.twips, 0, row.twips, 0), row.zoom).width(), row.pixels)
            << row.twips << " twips at " << row.zoom << " %";
}

// The client area is 506 x 457 at 100 %: a projector, a laptop, full HD, 200 %
// and a pixel short of it, too small for 100 %, larger than 300 %.
TEST(LargestZoom, the_largest_zoom_that_fits_a_screen)
{
    const struct {
        QSize room;
        int largest;
    } rows[] = {{{1024, 768}, 168}, {{1366, 768}, 168}, {{1920, 1080}, 236}, {{1012, 914}, 200},
                {{1011, 914}, 199}, {{400, 300}, 100},  {{4000, 3000}, 300}};
    for (const auto& row : rows)
        EXPECT_EQ(largestZoomFitting(QSize(506, 457), row.room), row.largest) << row.room.width() << "x" << row.room.height();
}

// A temporary HOME, XDG_CONFIG_HOME, current folder and umask 022, put back after.
class ScratchHome {
public:
    ScratchHome()
        : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")), cwd_(QDir::currentPath()), umask_(::umask(022))
    {
        folder("home");
        folder("work");
        qputenv("HOME", QFile::encodeName(path("home")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
        QDir::setCurrent(path("work"));
    }
    ~ScratchHome()
    {
        QDir::setCurrent(cwd_);
        qputenv("HOME", home_);
        qputenv("XDG_CONFIG_HOME", config_);
        ::umask(umask_);
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    bool valid() const { return root_.isValid(); }
    QString path(const std::string& relative) const { return root_.filePath(QString::fromStdString(relative)); }
    std::string native(const std::string& relative) const { return QFile::encodeName(path(relative)).toStdString(); }

    void folder(const std::string& relative) const { QDir().mkpath(path(relative)); }
    void file(const std::string& relative, std::string_view content, mode_t mode = 0644) const
    {
        folder(relative.substr(0, relative.rfind('/')));
        std::ofstream(native(relative), std::ios::binary) << content;
        ::chmod(native(relative).c_str(), mode);
    }
    void link(const std::string& relative, const std::string& to) const
    {
        folder(relative.substr(0, relative.rfind('/')));
        std::filesystem::create_symlink(to, native(relative));
    }

    // Every entry under the folder, by its path: kind, permissions, and the
    // content of a small file or a link.
    std::map<std::string, std::string> tree() const
    {
        std::map<std::string, std::string> entries;
        const std::filesystem::path root = native("");
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            entries[entry.path().lexically_relative(root).string()] = describe(entry.path().string());
        return entries;
    }

    static std::string describe(const std::string& path)
    {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0)
            return "nothing";
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", info.st_mode & 07777);
        if (S_ISLNK(info.st_mode))
            return "link to " + std::filesystem::read_symlink(path).string();
        if (S_ISDIR(info.st_mode))
            return std::string("folder ") + mode;
        if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))
            return S_ISFIFO(info.st_mode) ? "fifo" : "socket";
        if (S_ISCHR(info.st_mode))
            return "device " + std::to_string(major(info.st_rdev)) + ',' + std::to_string(minor(info.st_rdev));
        if (info.st_size > kMaxSettingsBytes)
            return std::string("file ") + mode + " of " + std::to_string(info.st_size) + " bytes";
        std::ostringstream content;
        content << std::ifstream(path, std::ios::binary).rdbuf();
        return std::string("file ") + mode + ": " + content.str();
    }

private:
    QTemporaryDir root_;
    QByteArray home_, config_;
    QString cwd_;
    mode_t umask_;
};

const std::string kSettings = "config/tavrimo/tavrimo.conf";
const char kOurs150[] = "[General]\nzoom=150\n";

class KeptZoomTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch_.valid()); }
    ScratchHome scratch_;
};

// A kept zoom is read back; one missing, out of range, not whole or not under
// [General] of a text of ours opens at 100 %.
TEST_F(KeptZoomTest, a_kept_zoom_is_read_back_or_ignored)
{
    EXPECT_EQ(rememberedZoom(), 100) << "no file";
    const struct {
        const char* content;
        int zoom;
    } rows[] = {{"[General]\nzoom=150\n", 150}, {"[General]\r\nzoom = 168\r\n", 168}, {"[General]\nzoom=300\n", 300},
                {"[General]\nzoom=99\n", 100}, {"[General]\nzoom=301\n", 100},
                {"[General]\nzoom=99999999999999999999\n", 100}, {"[General]\nzoom=-150\n", 100},
                {"[General]\nzoom=150.5\n", 100}, {"[General]\nzoom=large\n", 100}, {"[General]\nzoom=150, 200\n", 100},
                {"", 100}, {"zoom=150\n", 100}, {"[General]\n", 100}, {"\x01\xff\xfe[[[\n=\n\x80zoom\n", 100},
                {"[General]\nzoom=150\n[Other]\nzoom=150\n", 100}, {"# zoom\nzoom=150\n", 100}};
    for (const auto& row : rows) {
        scratch_.file(kSettings, row.content);
        EXPECT_EQ(rememberedZoom(), row.zoom) << row.content;
    }
}

// The place is kept with a zoom other than 100 % or maximised, as whole numbers.
TEST_F(KeptZoomTest, the_place_is_kept_with_a_zoom_or_a_maximised_window)
{
    const struct {
        const char* content;
        KeptView view;
    } rows[] = {
        {"[General]\nzoom=150\nleft=40\ntop=-30\nmaximised=true\n", {150, QPoint(40, -30), true}},
        {"[General]\nzoom=100\nleft=40\ntop=30\nmaximised=false\n", {100, std::nullopt, false}},
        {"[General]\nzoom=100\nleft=40\ntop=30\nmaximised=true\n", {100, QPoint(40, 30), true}},
        {"[General]\nzoom=150\nleft=40\n", {150, std::nullopt, false}},
        {"[General]\nzoom=150\nleft=4x\ntop=30\nmaximised=yes\n", {150, std::nullopt, false}},
    };
    for (const auto& row : rows) {
        scratch_.file(kSettings, row.content);
        EXPECT_EQ(rememberedView(), row.view) << row.content;
    }
    const KeptView view{200, QPoint(12, -3), true};
    ASSERT_TRUE(rememberView(view));
    EXPECT_EQ(rememberedView(), view);
    EXPECT_EQ(ScratchHome::describe(scratch_.native(kSettings)),
              "file 0644: [General]\nzoom=200\nleft=12\ntop=-3\nmaximised=true\n");
}

// What lies where the settings file should be: the zoom the window opens at, and
// the file a close at 175 % replaces (none: all is left as it was), quickly.
struct FileKind {
    const char* name;
    std::function<std::string(const ScratchHome&)> make;  // a reason to skip the row, or nothing
    int opensAt;
    const char* replaced;
    const char* removed = nullptr;  // a leftover the close takes away
};

void PrintTo(const FileKind& kind, std::ostream* out)
{
    *out << kind.name;
}

std::string deviceNode(const ScratchHome& scratch, const std::string& relative)
{
    if (::geteuid() != 0)
        return "not run as root: a device node cannot be made";
    scratch.folder(relative.substr(0, relative.rfind('/')));
    // A character device of no driver (0, 0): nothing real, were it opened.
    if (::mknod(scratch.native(relative).c_str(), S_IFCHR | 0644, makedev(0, 0)) != 0)
        return "mknod failed: " + std::string(std::strerror(errno));
    return {};
}

using Make = std::function<std::string(const ScratchHome&)>;
// The settings file holding `content`, or a link to `target` holding it.
Make file(std::string content, mode_t mode = 0644, std::string target = {})
{
    return [=](const ScratchHome& s) {
        if (target.empty())
            return s.file(kSettings, content, mode), std::string();
        s.file(target, content, mode);
        s.link(kSettings, "../../" + target);
        return std::string();
    };
}
// Sets (nullptr: unsets, "": leaves) the config folder and the home folder.
Make environment(const char* config, const char* home = nullptr)
{
    return [=](const ScratchHome&) {
        for (const auto& [name, value] : {std::pair{"XDG_CONFIG_HOME", config}, {"HOME", home}})
            if (!value)
                qunsetenv(name);
            else if (*value)
                qputenv(name, value);
        return std::string();
    };
}
const char* const kReplaced = "config/tavrimo/tavrimo.conf";

const FileKind kFileKinds[] = {
    {"nothing_yet", [](const ScratchHome&) { return std::string(); }, 100, kReplaced},
    {"a_file_of_ours", file(kOurs150, 0640), 150, kReplaced},
    {"an_absurd_zoom_in_a_file_of_ours", file("[General]\nzoom=99999999999999999999\n"), 100, kReplaced},
    {"a_link_to_a_file_of_ours", file(kOurs150, 0644, "dotfiles/tavrimo.conf"), 150, "dotfiles/tavrimo.conf"},
    {"a_link_to_a_foreign_text", file("# my notes\nzoom=150\ncolour=blue\n", 0644, "dotfiles/notes"), 100, nullptr},
    {"another_programs_settings", file("[General]\nzoom=150\n[Fonts]\nsize=12\n"), 100, nullptr},
    {"a_link_to_a_device",
     [](const ScratchHome& s) { return s.link(kSettings, "../../dev/node"), deviceNode(s, "dev/node"); }, 100, nullptr},
    {"a_device", [](const ScratchHome& s) { return deviceNode(s, kSettings); }, 100, nullptr},
    {"a_fifo",
     [](const ScratchHome& s) {
         return s.folder("config/tavrimo"), ::mkfifo(s.native(kSettings).c_str(), 0644) ? "mkfifo failed" : std::string();
     },
     100, nullptr},
    {"a_socket",
     [](const ScratchHome& s) {
         s.folder("config/tavrimo");
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         const std::string path = s.native(kSettings);
         if (path.size() >= sizeof address.sun_path)
             return std::string("the temporary folder's path is too long for a socket");
         std::strcpy(address.sun_path, path.c_str());
         const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
         const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
         ::close(fd);
         return bound ? std::string() : "bind failed";
     },
     100, nullptr},
    {"a_folder", [](const ScratchHome& s) { return s.folder(kSettings), std::string(); }, 100, nullptr},
    {"a_file_of_ours_over_the_size_limit", file(kOurs150 + std::string(4096, '\n')), 100, nullptr},
    {"a_sparse_gigabyte",
     [](const ScratchHome& s) {
         return s.file(kSettings, ""), std::filesystem::resize_file(s.native(kSettings), 1ULL << 30), std::string();
     },
     100, nullptr},
    {"a_read_only_file_of_ours", file(kOurs150, 0444), 150, nullptr},
    {"a_link_to_a_read_only_file_of_ours", file(kOurs150, 0444, "dotfiles/tavrimo.conf"), 150, nullptr},
    {"a_stale_lock",
     [](const ScratchHome& s) {
         s.file(kSettings + ".lock", std::to_string(::getpid()) + "\ntavrimo\n" + QSysInfo::machineHostName().toStdString() + '\n');
         return file(kOurs150)(s);
     },
     150, kReplaced},
    {"a_link_to_nothing", [](const ScratchHome& s) { return s.link(kSettings, "../../dotfiles/gone"), std::string(); }, 100,
     nullptr},
    {"a_file_where_its_folder_should_be", [](const ScratchHome& s) { return s.file("config/tavrimo", "x"), std::string(); },
     100, nullptr},
    {"a_relative_config_folder", environment("config", ""), 100, "home/.config/tavrimo/tavrimo.conf"},
    {"a_link_to_an_empty_file", file("", 0644, "other/pkg/__init__.py"), 100, nullptr},
    {"a_link_to_general_alone", file("[General]\n", 0644, "other/app.ini"), 100, nullptr},
    {"an_empty_file", file(""), 100, nullptr},
    {"a_link_to_a_file_of_ours_of_another_owner",
     [](const ScratchHome& s) {
         file(kOurs150, 0644, "shared/tavrimo.conf")(s);
         if (::geteuid() != 0)
             return std::string("not run as root: a file of another owner cannot be made");
         return ::chown(s.native("shared/tavrimo.conf").c_str(), 65534, 65534) == 0 ? std::string() : "chown failed";
     },
     100, nullptr},
    {"a_key_never_written_on_every_line_with_an_equals_sign", file("[General]\nzoom=150\ncolour=blue\nname=Amina\n"), 100,
     nullptr},
    {"the_folder_without_the_file", [](const ScratchHome& s) { return s.folder("config/tavrimo"), std::string(); }, 100,
     kReplaced},
    {"a_config_folder_not_in_the_file_names_encoding",
     [](const ScratchHome& s) { return environment((QFile::encodeName(s.path("config")) + "\xff\xfe").data(), "")(s); },
     100, nullptr},
    {"a_home_not_in_the_file_names_encoding",
     [](const ScratchHome& s) { return environment(nullptr, (QFile::encodeName(s.path("home")) + "/\xc3").data())(s); },
     100, nullptr},
    {"a_relative_home", [](const ScratchHome& s) { return file(kOurs150)(s), environment("config", "relhome")(s); }, 100,
     nullptr},
    {"no_home", environment(nullptr), 100, nullptr},
    {"a_new_file_left_by_a_killed_run",
     [](const ScratchHome& s) {
         s.file("config/tavrimo/.tavrimo.conf.0123456789abcdef", "[General]\nzoom=2");
         s.file("config/tavrimo/.tavrimo.conf.notes", "mine");
         return file(kOurs150)(s);
     },
     150, kReplaced, "config/tavrimo/.tavrimo.conf.0123456789abcdef"},
};

class SettingsFileKinds : public KeptZoomTest, public ::testing::WithParamInterface<FileKind> {};

TEST_P(SettingsFileKinds, open_at_a_zoom_and_leave_on_disk_only_a_file_of_ours)
{
    const FileKind& kind = GetParam();
    if (const std::string skip = kind.make(scratch_); !skip.empty())
        GTEST_SKIP() << skip;
    std::map<std::string, std::string> expected = scratch_.tree();

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(rememberedZoom(), kind.opensAt);
    EXPECT_LT(clock.restart(), 1000) << "reading";
    EXPECT_EQ(static_cast<bool>(rememberZoom(175)), kind.replaced != nullptr);
    EXPECT_LT(clock.elapsed(), 1000) << "writing";

    if (kind.replaced) {
        const std::string replaced = kind.replaced;
        const auto old = expected.find(replaced);
        const std::string mode = old == expected.end() ? "0644" : old->second.substr(5, 4);
        expected[replaced] = "file " + mode + ": [General]\nzoom=175\nmaximised=false\n";
        // The folders made on the way, for the person alone.
        for (auto slash = replaced.find('/'); slash != std::string::npos; slash = replaced.find('/', slash + 1))
            expected.try_emplace(replaced.substr(0, slash), "folder 0700");
    }
    if (kind.removed)
        expected.erase(kind.removed);
    EXPECT_EQ(scratch_.tree(), expected);
}

// A folder on the link's way swapped for a link while closing: the write stays
// where the file was checked.
TEST_F(KeptZoomTest, a_folder_swapped_during_the_close_does_not_move_the_write)
{
    scratch_.file("dotfiles/tavrimo.conf", kOurs150);
    scratch_.file("elsewhere/tavrimo.conf", "[General]\nzoom=125\n");
    scratch_.link(kSettings, "../../dotfiles/tavrimo.conf");
    std::map<std::string, std::string> expected = scratch_.tree();
    struct Hook {
        explicit Hook(std::function<void()> hook) { setBeforeSettingsWrite(std::move(hook)); }
        ~Hook() { setBeforeSettingsWrite({}); }
    } hook([this] {
        std::filesystem::rename(scratch_.native("dotfiles"), scratch_.native("dotfiles.moved"));
        std::filesystem::create_directory_symlink("elsewhere", scratch_.native("dotfiles"));
    });
    EXPECT_TRUE(rememberZoom(175));
    expected.erase("dotfiles/tavrimo.conf");
    expected.erase("dotfiles");
    expected["dotfiles"] = "link to elsewhere";
    expected["dotfiles.moved"] = "folder 0755";
    expected["dotfiles.moved/tavrimo.conf"] = "file 0644: [General]\nzoom=175\nmaximised=false\n";
    EXPECT_EQ(scratch_.tree(), expected);
}

INSTANTIATE_TEST_SUITE_P(KeptZoom, SettingsFileKinds, ::testing::ValuesIn(kFileKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
