// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/booklet_file.h"

#include "files/shown_text.h"
#include "files/whole_file.h"
#include "printing/booklet.h"
#include "window/control_row.h"
#include "window/model.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace tavrimo {

namespace {

struct Texts {
    const char* cannotWrite;  // %1 the file, %2 the reason
    const char* notRegular;
    const char* readOnly;
    const char* noPlatform;
};

constexpr Texts kEnglish{
    "tavrimo: cannot write the booklet to %1: %2",
    "it is not a regular file",
    "the file is read-only",
    "tavrimo: cannot draw the booklet: Qt's offscreen platform does not start",
};

constexpr Texts kArabic{
    "tavrimo: تعذّرت كتابة الكتيّب في \u2066%1\u2069: %2",
    "ليس ملفًا عاديًا",
    "الملف للقراءة فقط",
    "tavrimo: تعذّر رسم الكتيّب: لا تبدأ منصة \u2066Qt\u2069 التي لا تعرض شيئًا (\u2066offscreen\u2069)",
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

int refuse(const QString& file, const QString& reason, Language language)
{
    const Texts& words = language == Language::Arabic ? kArabic : kEnglish;
    const std::u16string quoted =
        files::quoteToken(std::u16string_view(reinterpret_cast<const char16_t*>(file.utf16()), static_cast<size_t>(file.size())));
    writeOut(stderr, (text(words.cannotWrite).arg(QString::fromStdU16String(quoted), reason) + QLatin1Char('\n')).toUtf8());
    return 1;
}


}  // namespace

QString bookletPlatformFailure(Language language)
{
    return text((language == Language::Arabic ? kArabic : kEnglish).noPlatform);
}

void chooseBookletPlatform(int argc, char** argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
}

int writeBookletFile(const QString& file, Language language)
{
    const WindowModel model(initialWindowState());
    const QByteArray pdf = bookletPdf(model);
    if (file == QLatin1String("-")) {
        if (writeOut(stdout, pdf))
            return 0;
        reportLostOutput(language, errno);
        return 1;
    }
    const Texts& words = language == Language::Arabic ? kArabic : kEnglish;
    std::string target = QFile::encodeName(file).toStdString();
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        // A link is followed only to a regular file, which is then replaced
        // in its own folder.
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.c_str(), nullptr), &std::free);
        if (!real)
            return refuse(file, text(words.notRegular), language);
        target = real.get();
    }
    int error = 0;
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return refuse(file, reasonFor(language, errno), language);
        error = files::writeWhole(target, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())),
                                  files::Replace::NewOnly);
    } else if (!S_ISREG(info.st_mode)) {
        return refuse(file, text(words.notRegular), language);
    } else if (!(info.st_mode & S_IWUSR) || ::access(target.c_str(), W_OK) != 0) {
        // A read-only file stays, even for root, whom access() never refuses.
        return refuse(file, text(words.readOnly), language);
    } else {
        error = files::writeWhole(target, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())),
                                  files::Replace::Existing, info.st_mode & 0777, files::Owner{info.st_uid, info.st_gid});
    }
    return error ? refuse(file, reasonFor(language, error), language) : 0;
}

}  // namespace tavrimo
