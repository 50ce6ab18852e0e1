// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/settings_file.h"

#include "files/whole_file.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrimo {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }

private:
    int fd_;
};

std::function<void()>& beforeWrite()
{
    static std::function<void()> hook;
    return hook;
}

// What lies at the settings path: the folder of the file itself once links
// are followed, held open, and the file's name in it.
struct Found {
    Settings settings;
    Descriptor folder;
    std::string name;
    struct stat info {};
    int error = 0;
};

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The values of a file of ours, or false for any other text.
bool parse(std::string_view text, std::initializer_list<std::string_view> keys, std::map<std::string, std::string>& values)
{
    bool general = false;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty())
            continue;
        if (line == "[General]") {
            general = true;
            continue;
        }
        if (!general || std::any_of(line.begin(), line.end(), [](char c) { return c < 0x20 || c > 0x7e; }))
            return false;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return false;
        const std::string_view key = trimmed(line.substr(0, equals));
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            return false;
        values[std::string(key)] = std::string(trimmed(line.substr(equals + 1)));
    }
    return !values.empty();
}

// Reads a regular file of at most kMaxSettingsBytes, opened without waiting
// and checked to be the file looked at; false for anything else.
bool readSmallRegularFile(int folder, const std::string& name, const struct stat& seen, std::string& bytes)
{
    const Descriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return false;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_dev != seen.st_dev || info.st_ino != seen.st_ino)
        return false;
    char buffer[kMaxSettingsBytes + 1];
    size_t size = 0;
    while (size < sizeof buffer) {
        const ssize_t n = ::read(file.get(), buffer + size, sizeof buffer - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        size += static_cast<size_t>(n);
    }
    if (size > static_cast<size_t>(kMaxSettingsBytes))
        return false;
    bytes.assign(buffer, size);
    return true;
}

// Makes the folders down to `folder` that are missing, for the person alone.
bool makeFolders(const std::string& folder)
{
    if (folder.empty() || folder == "/" || folder == ".")
        return true;
    if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST)
        return true;
    if (errno != ENOENT || !makeFolders(files::folderOf(folder)))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

Found find(const std::string& path, std::initializer_list<std::string_view> keys, bool makeFolder)
{
    Found found;
    found.settings.file = Settings::File::Other;
    if (path.empty())
        return found;
    const std::string folder = files::folderOf(path);
    if (makeFolder && !makeFolders(folder)) {
        found.error = errno;
        return found;
    }
    found.folder = Descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    found.name = files::lastPartOf(path);
    if (found.folder.get() < 0) {
        found.error = errno;
        if (errno == ENOENT)
            found.settings.file = Settings::File::Missing;
        return found;
    }
    // A link (a dotfile manager's) to a file of ours: that file is the one
    // read and replaced, in its own folder, held open from here on. A link to
    // nothing is left alone.
    bool linked = false;
    for (int hops = 0;; ++hops) {
        if (::fstatat(found.folder.get(), found.name.c_str(), &found.info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && !linked)
                found.settings.file = Settings::File::Missing;
            return found;
        }
        if (!S_ISLNK(found.info.st_mode))
            break;
        char target[PATH_MAX];
        const ssize_t length = ::readlinkat(found.folder.get(), found.name.c_str(), target, sizeof target);
        if (hops == 8 || length <= 0 || length >= static_cast<ssize_t>(sizeof target))
            return found;
        const std::string to(target, static_cast<size_t>(length));
        found.name = files::lastPartOf(to);
        if (found.name.empty() || found.name == "." || found.name == "..")
            return found;
        Descriptor next(::openat(found.folder.get(), files::folderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (next.get() < 0)
            return found;
        found.folder = std::move(next);
        linked = true;
    }
    std::string bytes;
    if (!S_ISREG(found.info.st_mode) || found.info.st_size > kMaxSettingsBytes || (linked && found.info.st_uid != ::geteuid())
        || !readSmallRegularFile(found.folder.get(), found.name, found.info, bytes)
        || !parse(bytes, keys, found.settings.values)) {
        found.settings.values.clear();
        return found;
    }
    const bool writable = (found.info.st_mode & S_IWUSR) && ::faccessat(found.folder.get(), found.name.c_str(), W_OK, AT_EACCESS) == 0;
    found.settings.file = writable ? Settings::File::Ours : Settings::File::Locked;
    return found;
}

// Hidden new files of ours that a killed run left beside the file.
void removeLeftoversIn(const Found& found)
{
    DIR* listing = ::fdopendir(::dup(found.folder.get()));
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        struct stat info {};
        if (files::isTemporaryNameOf(entry->d_name, found.name)
            && ::fstatat(found.folder.get(), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == ::geteuid())
            ::unlinkat(found.folder.get(), entry->d_name, 0);
    }
    ::closedir(listing);
}

bool validFileName(const QByteArray& bytes)
{
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

}  // namespace

std::string settingsFilePath()
{
    QByteArray folder = qgetenv("XDG_CONFIG_HOME");
    if (!folder.startsWith('/')) {
        folder = qgetenv("HOME");
        if (!folder.startsWith('/'))
            return {};
        folder += "/.config";
    }
    if (!validFileName(folder))
        return {};
    return folder.toStdString() + "/tavrimo/tavrimo.conf";
}

Settings readSettings(const std::string& path, std::initializer_list<std::string_view> keys)
{
    return find(path, keys, false).settings;
}

WriteResult writeSettings(const std::string& path, const std::vector<std::pair<std::string, std::string>>& values,
                          std::initializer_list<std::string_view> keys)
{
    using Reason = WriteResult::Reason;
    if (path.empty())
        return {Reason::NoFolder};
    const Found found = find(path, keys, true);
    std::string text = "[General]\n";
    for (const auto& [key, value] : values)
        text += key + '=' + value + '\n';
    int error = 0;
    switch (found.settings.file) {
    case Settings::File::Missing:
        if (found.folder.get() < 0)
            return {Reason::SystemError, found.error ? found.error : ENOENT};
        removeLeftoversIn(found);
        if (beforeWrite())
            beforeWrite()();
        error = files::writeWholeAt(found.folder.get(), found.name, text, files::Replace::NewOnly);
        break;
    case Settings::File::Ours:
        removeLeftoversIn(found);
        if (beforeWrite())
            beforeWrite()();
        error = files::writeWholeAt(found.folder.get(), found.name, text, files::Replace::Existing,
                                    found.info.st_mode & 0777, files::Owner{found.info.st_uid, found.info.st_gid});
        break;
    case Settings::File::Locked:
        return {Reason::ReadOnly};
    case Settings::File::Other:
        return found.error ? WriteResult{Reason::SystemError, found.error} : WriteResult{Reason::NotOurs};
    }
    return error ? WriteResult{Reason::SystemError, error} : WriteResult{};
}

void removeLeftovers(const std::string& path, std::initializer_list<std::string_view> keys)
{
    const Found found = find(path, keys, false);
    if (found.settings.file == Settings::File::Ours || (found.settings.file == Settings::File::Missing && found.folder.get() >= 0))
        removeLeftoversIn(found);
}

void setBeforeSettingsWrite(std::function<void()> hook)
{
    beforeWrite() = std::move(hook);
}

}  // namespace tavrimo
