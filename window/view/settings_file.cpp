// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/settings_file.h"

#include "files/whole_file.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrimo {

namespace {

// What lies at the settings path: the file itself once links are followed.
struct Found {
    Settings settings;
    std::string target;
    struct stat info {};
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
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty() || line == "[General]")
            continue;
        if (std::any_of(line.begin(), line.end(), [](char c) { return c < 0x20 || c > 0x7e; }))
            return false;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return false;
        const std::string_view key = trimmed(line.substr(0, equals));
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            return false;
        values[std::string(key)] = std::string(trimmed(line.substr(equals + 1)));
    }
    return true;
}

// Reads a regular file of at most kMaxSettingsBytes, opened without waiting
// and checked to be the file looked at; false for anything else.
bool readSmallRegularFile(const std::string& path, const struct stat& seen, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_dev != seen.st_dev || info.st_ino != seen.st_ino)
        return false;
    char buffer[kMaxSettingsBytes + 1];
    size_t size = 0;
    while (size < sizeof buffer) {
        const ssize_t n = ::read(fd, buffer + size, sizeof buffer - size);
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

Found find(const QString& path, std::initializer_list<std::string_view> keys)
{
    Found found;
    found.target = QFile::encodeName(path).toStdString();
    found.settings.file = Settings::File::Other;
    struct stat link {};
    if (::lstat(found.target.c_str(), &link) != 0) {
        if (errno == ENOENT)
            found.settings.file = Settings::File::Missing;
        return found;
    }
    if (S_ISLNK(link.st_mode)) {
        // A link (a dotfile manager's) to a file of ours: that file is the
        // one read and replaced. A link to nothing is left alone.
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(found.target.c_str(), nullptr), &std::free);
        if (!real)
            return found;
        found.target = real.get();
    }
    std::string bytes;
    if (::stat(found.target.c_str(), &found.info) != 0 || !S_ISREG(found.info.st_mode)
        || found.info.st_size > kMaxSettingsBytes || !readSmallRegularFile(found.target, found.info, bytes)
        || !parse(bytes, keys, found.settings.values)) {
        found.settings.values.clear();
        return found;
    }
    const bool writable = (found.info.st_mode & S_IWUSR) && ::access(found.target.c_str(), W_OK) == 0;
    found.settings.file = writable ? Settings::File::Ours : Settings::File::Locked;
    return found;
}

// Makes the folders down to `folder` that are missing, for the person alone.
bool makeFolders(const std::string& folder)
{
    if (folder.empty() || folder == "/" || folder == ".")
        return true;
    if (::mkdir(folder.c_str(), 0700) == 0)
        return true;
    if (errno == EEXIST)
        return true;
    if (errno != ENOENT || !makeFolders(files::folderOf(folder)))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

QString settingsFilePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.startsWith(u'/'))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/tavrimo/tavrimo.conf");
}

Settings readSettings(const QString& path, std::initializer_list<std::string_view> keys)
{
    return find(path, keys).settings;
}

bool writeSettings(const QString& path, const std::vector<std::pair<std::string, std::string>>& values,
                   std::initializer_list<std::string_view> keys)
{
    const Found found = find(path, keys);
    std::string text = "[General]\n";
    for (const auto& [key, value] : values)
        text += key + '=' + value + '\n';
    switch (found.settings.file) {
    case Settings::File::Missing:
        return makeFolders(files::folderOf(found.target))
               && files::writeWhole(found.target, text, files::Replace::NewOnly) == 0;
    case Settings::File::Ours:
        return files::writeWhole(found.target, text, files::Replace::Existing, found.info.st_mode & 0777,
                                 files::Owner{found.info.st_uid, found.info.st_gid})
               == 0;
    case Settings::File::Locked:
    case Settings::File::Other:
        break;
    }
    return false;
}

}  // namespace tavrimo
