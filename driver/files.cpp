// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/files.h"

#include "driver/script.h"
#include "files/whole_file.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <linux/magic.h>
#include <locale.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tavrimo::script {

namespace {

// Closes a descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void refuse(const std::string& what, int error)
{
    throw ScriptError(0, what + ": " + systemError(error));
}

std::string tooLarge()
{
    return "the script is larger than " + std::to_string(kMaxScriptBytes / (1024 * 1024)) + " MiB";
}

// Reads up to one byte more than the limit, so that a longer script is known
// to be too long without being read whole.
QByteArray readAtMostLimit(int fd, const std::string& what)
{
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            refuse("cannot read " + what, errno);
        if (n == 0)
            return bytes;
        bytes.append(chunk, n);
        if (bytes.size() > kMaxScriptBytes)
            throw ScriptError(0, tooLarge());
    }
}

}  // namespace

std::string systemError(int error)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c ? strerror_l(error, c) : "error " + std::to_string(error);
}

QByteArray readScript(const QString& fileName)
{
    if (fileName == u"-") {
        if (::fcntl(STDIN_FILENO, F_GETFL) < 0)
            refuse("cannot read standard input", errno);
        return readAtMostLimit(STDIN_FILENO, "standard input");
    }
    Descriptor fd(::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        refuse("cannot open the script", errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > kMaxScriptBytes)
        throw ScriptError(0, tooLarge());
    return readAtMostLimit(fd.get(), "the script");
}

StandardOutput::StandardOutput(bool open) : open_(open) {}

void StandardOutput::write(const QString& line, When when)
{
    kept_ += line.toUtf8();
    kept_ += '\n';
    if (when == When::Now || kept_.size() >= 65536)
        flush();
}

void StandardOutput::flush()
{
    if (!error_.empty() || kept_.isEmpty())
        return;
    if (!open_)
        error_ = systemError(EBADF);
    for (qsizetype done = 0; error_.empty() && done < kept_.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, kept_.constData() + done, static_cast<size_t>(kept_.size() - done));
        if (n < 0 && errno != EINTR)
            error_ = systemError(errno);
        else if (n > 0)
            done += n;
    }
    kept_.clear();
}

std::string writeRegularFile(const QString& fileName, const QByteArray& bytes)
{
    const std::string path = QFile::encodeName(fileName).toStdString();
    // The file to write, every link followed: the file a link points to, or
    // a new name in a folder that exists.
    const auto systemFolder = [](std::string_view file) -> std::string {
        for (const std::string_view system : {"/proc", "/sys", "/dev"})
            if (file.starts_with(system) && (file.size() == system.size() || file[system.size()] == '/'))
                return "it is under " + std::string(system);
        return {};
    };
    // As written, and then as found.
    if (std::string refused = systemFolder(QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(fileName))).toStdString());
        !refused.empty())
        return refused;
    std::string target;
    files::Replace replace = files::Replace::NewOnly;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
        if (!real)
            return systemError(errno);
        target = real.get();
        replace = files::Replace::Existing;
    } else if (errno == ENOENT) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(files::folderOf(path).c_str(), nullptr), &std::free);
        if (!real)
            return systemError(errno);
        target = std::string(real.get()) + (real.get() == std::string_view("/") ? "" : "/") + files::lastPartOf(path);
    } else {
        return systemError(errno);
    }
    if (std::string refused = systemFolder(target); !refused.empty())
        return refused;
    // The kernel's own file systems, wherever they are mounted.
    struct statfs where {};
    if (::statfs(files::folderOf(target).c_str(), &where) == 0
        && (where.f_type == PROC_SUPER_MAGIC || where.f_type == SYSFS_MAGIC))
        return "it is in the kernel's " + std::string(where.f_type == PROC_SUPER_MAGIC ? "/proc" : "/sys") + " file system";
    if (replace == files::Replace::Existing && (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode)))
        return "it is not a regular file";
    const std::optional<mode_t> mode =
        replace == files::Replace::Existing ? std::optional<mode_t>(info.st_mode & 0777) : std::nullopt;
    const int error = files::writeWhole(target, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                        replace, mode);
    return error ? systemError(error) : std::string();
}

}  // namespace tavrimo::script
