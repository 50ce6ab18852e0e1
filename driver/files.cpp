// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/files.h"

#include "driver/script.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
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

std::string writeWholeFile(const QString& fileName, const QByteArray& bytes)
{
    const QByteArray path = QFile::encodeName(fileName);
    Descriptor fd(::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return systemError(errno);
    struct stat info {};
    const bool regular = ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode);
    int error = 0;
    for (qsizetype done = 0; done < bytes.size() && !error;) {
        const ssize_t n = ::write(fd.get(), bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += n;
    }
    if (!error && regular && ::fsync(fd.get()) != 0 && errno != EINVAL)
        error = errno;
    if (!fd.close() && !error)
        error = errno;
    if (!error)
        return {};
    if (regular)
        ::unlink(path.constData());
    return systemError(error);
}

}  // namespace tavrimo::script
