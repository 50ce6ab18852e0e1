// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrimo::files {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now; false with errno set when the close reports an error.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A name beside the target's, hidden, that no other run picks.
std::string temporaryName(const std::string& name)
{
    static std::mt19937_64 random{std::random_device{}()};
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
    return '.' + name + '.' + suffix;
}

int writeAll(int fd, std::string_view bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            return errno;
        if (n > 0)
            done += static_cast<size_t>(n);
    }
    return 0;
}

// Gives the unnamed file of `fd` the name `temp` in the folder.
bool nameUnnamed(int fd, int folder, const std::string& temp)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), folder, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Renames without replacing anything; where the file system cannot rename
// so, a hard link (which never replaces) and the removal of the old name.
int renameNew(int folder, const std::string& from, const std::string& to)
{
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0)
        return errno;
    ::unlinkat(folder, from.c_str(), 0);
    return 0;
}

}  // namespace

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string lastPartOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

int writeBeside(int folder, const std::string& name, std::string_view bytes, Replace replace, std::optional<mode_t> mode,
                std::optional<Owner> owner, bool mayBeUnnamed)
{
    // The new file is made without a name where the file system allows it,
    // so that a kill while it is written leaves nothing behind.
    const mode_t creation = mode.value_or(0666);
    Descriptor file(mayBeUnnamed ? ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, creation) : -1);
    const bool unnamed = file.get() >= 0;
    std::string temp;
    if (!unnamed) {
        for (int tries = 0; tries < 100 && file.get() < 0; ++tries) {
            temp = temporaryName(name);
            file.reset(::openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, creation));
            if (file.get() < 0 && errno != EEXIST)
                return errno;
        }
        if (file.get() < 0)
            return EEXIST;
    }
    const auto removeTemp = [&] {
        if (!temp.empty())
            ::unlinkat(folder, temp.c_str(), 0);
    };
    int error = writeAll(file.get(), bytes);
    if (!error && mode && ::fchmod(file.get(), *mode) != 0)
        error = errno;
    // Root replacing a person's file gives it back to its owner; a failure
    // there leaves it root's, which is no reason to keep the old one.
    if (!error && owner && ::geteuid() == 0) {
        [[maybe_unused]] const int given = ::fchown(file.get(), owner->user, owner->group);
    }
    if (!error && ::fsync(file.get()) != 0)
        error = errno;
    if (!error && unnamed) {
        for (int tries = 0; tries < 100 && temp.empty(); ++tries) {
            const std::string candidate = temporaryName(name);
            if (nameUnnamed(file.get(), folder, candidate))
                temp = candidate;
            else if (errno != EEXIST) {
                // No /proc to name it through: write it again under a name.
                file.reset();
                return writeBeside(folder, name, bytes, replace, mode, owner, false);
            }
        }
        if (temp.empty())
            error = EEXIST;
    }
    if (!file.close() && !error)
        error = errno;
    if (!error)
        error = replace == Replace::NewOnly ? renameNew(folder, temp, name)
                                            : (::renameat(folder, temp.c_str(), folder, name.c_str()) == 0 ? 0 : errno);
    if (error) {
        removeTemp();
        return error;
    }
    ::fsync(folder);
    return 0;
}

}  // namespace

int writeWhole(const std::string& target, std::string_view bytes, Replace replace, std::optional<mode_t> mode,
               std::optional<Owner> owner)
{
    Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return errno;
    return writeBeside(folder.get(), lastPartOf(target), bytes, replace, mode, owner, true);
}

int writeWholeAt(int folder, const std::string& name, std::string_view bytes, Replace replace,
                 std::optional<mode_t> mode, std::optional<Owner> owner)
{
    return writeBeside(folder, name, bytes, replace, mode, owner, true);
}

bool isTemporaryNameOf(std::string_view name, std::string_view target)
{
    constexpr size_t kSuffix = 16;
    if (name.size() != target.size() + 2 + kSuffix || name[0] != '.' || name.substr(1, target.size()) != target
        || name[target.size() + 1] != '.')
        return false;
    const std::string_view suffix = name.substr(target.size() + 2);
    return suffix.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace tavrimo::files
