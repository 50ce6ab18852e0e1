// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/version.h"
#include "files/shown_text.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavrimo {

namespace {

// Every text the terminal shows, in the two languages. Option names,
// variable names and the program's name stay Latin in the Arabic texts.
struct Texts {
    const char* help;
    const char* unknownOption;  // %1 the option as typed, quoted
    const char* unexpectedArgument;
    const char* noDisplay;  // %1 what is missing, %2 the platforms tried
    const char* noDisplayPlatformOnly;
    const char* variableUnset;  // %1 the variable
    const char* displayUnreachable;  // %1 the variable, %2 its value
    const char* displayOptionUnreachable;  // %1 the display given with -display
    const char* join;
    const char* lostOutput;  // %1 the system's reason
    const char* missingFile;  // %1 the option
};

constexpr Texts kEnglish{
    "Usage: tavrimo [options]\n"
    "Converts units and temperatures, solves quadratic equations and shows geometry formulas, in Arabic.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Prints this help.\n"
    "  -v, --version  Prints the program's name and version.\n"
    "  --pdf FILE     Writes the nine formula sheets, one to a page, to the PDF file FILE\n"
    "                 (\"-\": standard output) without opening the window.\n"
    "\n"
    "Qt reads its own generic options, such as -platform.\n",
    "tavrimo: unknown option %1",
    "tavrimo: unexpected argument %1",
    "tavrimo: no display to open the window on: %1 (Qt platform %2)",
    "tavrimo: no display to open the window on (Qt platform %1)",
    "%1 is not set",
    "the display %1=%2 cannot be opened",
    "the display %1 given with -display cannot be opened",
    " and ",
    "tavrimo: cannot write to standard output: %1",
    "tavrimo: the option '%1' needs a file name",
};

constexpr Texts kArabic{
    // Each Latin word between U+2066 and U+2069 (isolated left to right), so
    // that it reads as typed within the right-to-left line and the full
    // stop after it follows it.
    "الاستعمال: \u2066tavrimo\u2069 [خيارات]\n"
    "يحوّل الوحدات ودرجات الحرارة، ويحلّ معادلة الدرجة الثانية، ويعرض قواعد الأشكال الهندسية.\n"
    "\n"
    "الخيارات:\n"
    "  \u2066-h\u2069، \u2066--help\u2069     يطبع هذه المساعدة.\n"
    "  \u2066-v\u2069، \u2066--version\u2069  يطبع اسم البرنامج ورقم إصداره.\n"
    "  \u2066--pdf FILE\u2069     يكتب صفحات القواعد التسع، كل شكل في صفحة، في ملف \u2066PDF\u2069 اسمه \u2066FILE\u2069\n"
    "                 (\u2066-\u2069: المخرج القياسي) دون أن يفتح النافذة.\n"
    "\n"
    "ويقرأ \u2066Qt\u2069 بنفسه خياراته العامة، مثل \u2066-platform\u2069.\n",
    "tavrimo: خيار غير معروف: %1",
    "tavrimo: وسيط غير متوقع: %1",
    "tavrimo: لا توجد شاشة تُفتح عليها النافذة: %1 (منصة Qt: %2)",
    "tavrimo: لا توجد شاشة تُفتح عليها النافذة (منصة Qt: %1)",
    "متغير البيئة %1 غير معيّن",
    "تعذّر فتح الشاشة %1=%2",
    "تعذّر فتح الشاشة %1 المعطاة بالخيار -display",
    "، و",
    "tavrimo: تعذّرت الكتابة في المخرج القياسي: %1",
    "tavrimo: الخيار %1 يحتاج إلى اسم ملف",
};

const Texts& texts(Language language)
{
    return language == Language::Arabic ? kArabic : kEnglish;
}

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// "ar", "ar_EG", "ar_EG.UTF-8", "ar@latin", but not "arn".
bool isLanguage(const QByteArray& code, const char* language)
{
    const auto length = static_cast<qsizetype>(std::strlen(language));
    return code.startsWith(language) && (code.size() == length || std::strchr("_.@", code.at(length)));
}

// Where libwayland looks for the compositor: WAYLAND_DISPLAY, a name in
// XDG_RUNTIME_DIR or a path of its own, "wayland-0" when unset.
bool waylandSocketExists()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (QDir::isAbsolutePath(name))
        return QFileInfo::exists(name);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QLatin1Char('/') + name);
}

QMutex heldLock;
QStringList held;
QByteArray fatalMessage;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        writeOut(stderr, fatalMessage);
        std::_Exit(1);
    }
    const QMutexLocker lock(&heldLock);
    held << qFormatLogMessage(type, context, message);
}

}  // namespace

Language messageLanguage()
{
    QByteArray locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qgetenv(name);
        if (!locale.isEmpty())
            break;
    }
    if (!locale.isEmpty() && locale != "C" && locale != "POSIX") {
        for (const QByteArray& entry : qgetenv("LANGUAGE").split(':')) {
            if (isLanguage(entry, "ar"))
                return Language::Arabic;
            if (isLanguage(entry, "en"))
                return Language::English;
        }
    }
    return isLanguage(locale, "ar") ? Language::Arabic : Language::English;
}

QStringList platformCandidates(int argc, char** argv)
{
    // Qt reads "-platform NAME" (or "--platform NAME") before the
    // environment; the last one given counts.
    QString chosen;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            chosen = QString::fromLocal8Bit(argv[++i]);
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    QStringList platforms;
    if (!chosen.isEmpty()) {
        // A list to try in turn, each name with its own options after ':'.
        for (const QString& entry : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            platforms << entry.section(QLatin1Char(':'), 0, 0);
        return platforms;
    }
#ifdef Q_OS_UNIX
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        platforms << QStringLiteral("wayland");
    platforms << QStringLiteral("xcb");
#endif
    return platforms;
}

QtOptions setAsideQtOptions(int argc, char** argv)
{
    // QApplication's, QGuiApplication's and the X11 platform's options, each
    // with the number of values it takes.
    static const std::pair<const char*, int> kQtOptions[] = {
        {"platform", 1}, {"platformpluginpath", 1}, {"platformtheme", 1}, {"plugin", 1}, {"qwindowgeometry", 1},
        {"geometry", 1}, {"qwindowtitle", 1}, {"title", 1}, {"qwindowicon", 1}, {"icon", 1}, {"session", 1},
        {"qmljsdebugger", 1}, {"style", 1}, {"stylesheet", 1}, {"display", 1}, {"name", 1}, {"visual", 1},
        {"reverse", 0}, {"testability", 0}, {"widgetcount", 0}, {"qdebug", 0}, {"qdevel", 0}, {"sync", 0},
        {"nograb", 0}, {"dograb", 0}, {"cmap", 0},
    };
    QtOptions options;
    options.rest << QString::fromLocal8Bit(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0) {
            // Qt reads on past "--", but nothing after it is an option of the program's.
            for (; i < argc; ++i)
                options.rest << QString::fromLocal8Bit(argv[i]);
            break;
        }
        const char* name = argument[0] == '-' ? argument + (argument[1] == '-' ? 2 : 1) : nullptr;
        int values = -1;
        for (const auto& [option, count] : kQtOptions)
            if (name && std::strcmp(name, option) == 0)
                values = count;
        // "-style=fusion", "-qmljsdebugger=port:1234" carry their value.
        if (name && (std::strncmp(name, "style=", 6) == 0 || std::strncmp(name, "stylesheet=", 11) == 0
                     || std::strncmp(name, "qmljsdebugger=", 14) == 0))
            values = 0;
        if (values < 0 || i + values >= argc) {
            options.rest << QString::fromLocal8Bit(argument);
            continue;
        }
        if (std::strcmp(name, "display") == 0)
            options.display = QString::fromLocal8Bit(argv[i + 1]);
        i += values;
    }
    return options;
}

DisplayCheck checkDisplay(const QStringList& platforms, Language language, const QString& displayOption)
{
    const Texts& words = texts(language);
    bool found = false;
    bool judged = !platforms.isEmpty();
    QStringList missing;
    for (const QString& platform : platforms) {
        const char* variable = nullptr;
        if (platform == QLatin1String("xcb") && !displayOption.isEmpty()) {
            found = true;
            missing << text(words.displayOptionUnreachable).arg(displayOption);
            continue;
        }
        if (platform == QLatin1String("xcb")) {
            variable = "DISPLAY";
            found = found || !qEnvironmentVariableIsEmpty(variable);
        } else if (platform.startsWith(QLatin1String("wayland"))) {
            variable = "WAYLAND_DISPLAY";
            found = found || waylandSocketExists();
        } else {
            judged = false;
            continue;
        }
        const QString name = QString::fromLatin1(variable);
        missing << (qEnvironmentVariableIsEmpty(variable)
                        ? text(words.variableUnset).arg(name)
                        : text(words.displayUnreachable).arg(name, qEnvironmentVariable(variable)));
    }
    const QString tried = platforms.join(QLatin1Char(';'));
    return {found || !judged, missing.isEmpty() ? text(words.noDisplayPlatformOnly).arg(tried)
                                                : text(words.noDisplay).arg(missing.join(text(words.join)), tried)};
}

CommandLine readCommandLine(const QStringList& arguments, Language language)
{
    const Texts& words = texts(language);
    CommandLine line;
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            if (line.action == CommandLine::Action::OpenWindow)
                line.action = CommandLine::Action::Help;
        } else if (options && (argument == QLatin1String("-v") || argument == QLatin1String("--version"))) {
            if (line.action == CommandLine::Action::OpenWindow)
                line.action = CommandLine::Action::Version;
        } else if (options && (argument == QLatin1String("--pdf") || argument.startsWith(QLatin1String("--pdf=")))) {
            const bool joined = argument.size() > 5;
            if (!joined && i + 1 == arguments.size()) {
                line.action = CommandLine::Action::Refuse;
                line.refusal = text(words.missingFile).arg(argument);
                return line;
            }
            line.file = joined ? argument.mid(6) : arguments.at(++i);
            if (line.file.isEmpty()) {
                line.action = CommandLine::Action::Refuse;
                line.refusal = text(words.missingFile).arg(QStringLiteral("--pdf"));
                return line;
            }
            if (line.action == CommandLine::Action::OpenWindow)
                line.action = CommandLine::Action::Booklet;
        } else {
            const bool option = options && argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
            line.action = CommandLine::Action::Refuse;
            const std::u16string quoted = files::quoteToken(std::u16string_view(reinterpret_cast<const char16_t*>(argument.utf16()), static_cast<size_t>(argument.size())));
            line.refusal = text(option ? words.unknownOption : words.unexpectedArgument).arg(QString::fromStdU16String(quoted));
            return line;
        }
    }
    return line;
}

QByteArray helpText(Language language)
{
    return QByteArray(texts(language).help);
}

QByteArray versionText()
{
    return QByteArray(version::kInternalName) + ' ' + version::kNumber + '\n';
}

bool writeOut(std::FILE* stream, const QByteArray& text)
{
    errno = 0;
    const bool written = std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stream)
                         == static_cast<size_t>(text.size());
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

// The system's reason in the person's language: the usual ones in Arabic,
// any other as the system words it.
QString reasonFor(Language language, int error)
{
    static constexpr std::pair<int, const char*> kArabicReasons[] = {
        {ENOSPC, "لا مساحة متبقية على القرص"}, {EACCES, "الإذن مرفوض"},
        {EPERM, "العملية غير مسموح بها"},     {EROFS, "نظام الملفات للقراءة فقط"},
        {EBADF, "واصف الملف غير صالح"},        {EFBIG, "الملف أكبر من الحد المسموح به"},
    };
    if (language == Language::Arabic)
        for (const auto& [code, reason] : kArabicReasons)
            if (code == error)
                return text(reason);
    return QString::fromLocal8Bit(std::strerror(error));
}

void reportLostOutput(Language language, int error)
{
    const QString reason = reasonFor(language, error ? error : EIO);
    writeOut(stderr, (text(texts(language).lostOutput).arg(reason) + QLatin1Char('\n')).toUtf8());
}

void holdQtMessages(const QString& fatalLine)
{
    fatalMessage = (fatalLine + QLatin1Char('\n')).toUtf8();
    qInstallMessageHandler(holdMessage);
}

void releaseQtMessages(bool show)
{
    qInstallMessageHandler(nullptr);
    const QMutexLocker lock(&heldLock);
    for (const QString& message : std::as_const(held))
        if (show)
            writeOut(stderr, (message + QLatin1Char('\n')).toLocal8Bit());
    held.clear();
}

void reserveStandardStreams()
{
#ifdef Q_OS_UNIX
    // In order, so that open() returns the lowest free descriptor: the one
    // being reserved.
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int placeholder = open("/dev/null", O_RDONLY);
        if (placeholder != -1 && placeholder != fd) {
            dup2(placeholder, fd);
            close(placeholder);
        }
    }
#endif
}

}  // namespace tavrimo
