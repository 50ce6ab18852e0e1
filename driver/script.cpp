// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/script.h"

#include "files/shown_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace tavrimo::script {

namespace {

constexpr std::array<std::pair<std::string_view, Verb>, 12> kVerbs = {{
    {"page", Verb::Page}, {"focus", Verb::Focus}, {"click", Verb::Click}, {"type", Verb::Type},
    {"paste", Verb::Paste}, {"key", Verb::Key}, {"pick", Verb::Pick}, {"show", Verb::Show},
    {"dump", Verb::Dump}, {"stats", Verb::Stats}, {"snapshot", Verb::Snapshot}, {"zoom", Verb::Zoom},
}};

constexpr std::array<std::string_view, 14> kKeys = {
    "Backspace", "Delete", "Home", "End", "Left", "Right", "Up", "Down", "Tab", "Shift+Tab", "Ctrl+Tab",
    "Ctrl+Shift+Tab", "Enter", "Esc",
};

// The value of a hexadecimal digit, or -1; any UTF-16 code unit may be asked.
int hexDigit(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    if (ch >= u'A' && ch <= u'F')
        return ch - u'A' + 10;
    return -1;
}

// Reads the words of one line: bare words and quoted texts.
class LineReader {
public:
    LineReader(QStringView line, int number) : line_(line), number_(number) {}

    bool atEnd()
    {
        skipBlanks();
        return pos_ >= line_.size();
    }

    QStringView wordView(const char* what)
    {
        skipBlanks();
        const qsizetype start = pos_;
        while (pos_ < line_.size() && line_[pos_] != u' ' && line_[pos_] != u'\t' && line_[pos_] != u'"')
            ++pos_;
        if (pos_ == start)
            fail(std::string("expected ") + what);
        return line_.mid(start, pos_ - start);
    }

    std::string word(const char* what) { return wordView(what).toString().toStdString(); }

    QString quoted(const char* what)
    {
        skipBlanks();
        if (pos_ >= line_.size() || line_[pos_] != u'"')
            fail(std::string("expected ") + what + " in double quotes");
        const qsizetype start = ++pos_;
        while (pos_ < line_.size() && line_[pos_] != u'"') {
            if (line_[pos_] == u'\\')
                ++pos_;
            ++pos_;
        }
        if (pos_ >= line_.size())
            fail("missing closing quote");
        const QStringView inside = line_.mid(start, pos_ - start);
        ++pos_;
        try {
            return unescape(inside);
        } catch (const std::invalid_argument& error) {
            fail(error.what());
        }
    }

    int number(const char* what, int low, int high)
    {
        const std::string text = word(what);
        bool ok = false;
        const int value = QString::fromStdString(text).toInt(&ok);
        if (!ok || value < low || value > high)
            fail(std::string("expected ") + what + " from " + std::to_string(low) + " to " + std::to_string(high)
                 + ", not " + quote(text));
        return value;
    }

    void end()
    {
        if (!atEnd())
            fail("unexpected " + quote(line_.mid(pos_)));
    }

    [[noreturn]] void fail(const std::string& message) const { throw ScriptError(number_, message); }

private:
    void skipBlanks()
    {
        while (pos_ < line_.size() && (line_[pos_] == u' ' || line_[pos_] == u'\t'))
            ++pos_;
    }

    QStringView line_;
    int number_;
    qsizetype pos_ = 0;
};

// "txtTAS(3).Tag" -> name, index, property.
void readControl(LineReader& reader, Command& command, const Names& names, bool allowProperty)
{
    const std::string written = reader.word("a control");
    std::string head = written;
    if (const auto dot = written.find('.'); dot != std::string::npos) {
        if (!allowProperty)
            reader.fail("a property is not allowed here: " + quote(written));
        command.property = written.substr(dot + 1);
        if (command.property.empty())
            reader.fail("no property name after the dot in " + quote(written));
        head = written.substr(0, dot);
    }
    command.control = head;
    command.name = head;
    if (const auto open = head.find('('); open != std::string::npos) {
        if (head.back() != ')')
            reader.fail("bad control " + quote(head));
        const std::string digits = head.substr(open + 1, head.size() - open - 2);
        bool ok = !digits.empty() && digits.size() < 6;
        for (char d : digits)
            ok = ok && d >= '0' && d <= '9';
        if (!ok)
            reader.fail("bad index in " + quote(head));
        command.name = head.substr(0, open);
        command.index = std::stoi(digits);
    }
    if (!names.control(command.name, command.index))
        reader.fail("unknown control " + quote(head));
    if (!command.property.empty() && !names.property(command.name, command.index, command.property))
        reader.fail("unknown property " + quote(command.property) + " of " + head);
}

Command parseLine(QStringView line, int number, const Names& names)
{
    LineReader reader(line, number);
    Command command;
    command.line = number;
    const QStringView verb = reader.wordView("a command");
    bool known = false;
    for (const auto& [word, v] : kVerbs)
        if (verb == QLatin1StringView(word.data(), static_cast<qsizetype>(word.size()))) {
            command.verb = v;
            known = true;
        }
    if (!known)
        reader.fail("unknown command " + quote(verb));

    switch (command.verb) {
    case Verb::Page:
        command.number = reader.number("a page", 0, 2);
        break;
    case Verb::Zoom:
        command.number = reader.number("a zoom in percent", 100, 300);
        break;
    case Verb::Focus:
    case Verb::Click:
        readControl(reader, command, names, false);
        break;
    case Verb::Type:
    case Verb::Paste:
        readControl(reader, command, names, false);
        command.text = reader.quoted("a text");
        break;
    case Verb::Key: {
        command.key = reader.word("a key name");
        bool ok = false;
        for (std::string_view k : kKeys)
            ok = ok || k == command.key;
        if (!ok)
            reader.fail("unknown key " + quote(command.key));
        break;
    }
    case Verb::Pick:
        readControl(reader, command, names, false);
        if (command.control != "Combo1")
            reader.fail("pick works on Combo1 only");
        command.number = reader.number("an item", 0, 8);
        break;
    case Verb::Show: {
        static const std::array<std::pair<std::string_view, Value>, 5> kValues = {{
            {"bytCategory", Value::ByteCategory}, {"bytSource", Value::ByteSource},
            {"page", Value::Page}, {"focus", Value::Focus}, {"zoom", Value::Zoom},
        }};
        reader.atEnd();
        LineReader peek = reader;
        const std::string word = peek.word("a control");
        for (const auto& [name, value] : kValues)
            if (name == word) {
                command.value = value;
                reader = peek;
            }
        if (command.value == Value::None)
            readControl(reader, command, names, true);
        break;
    }
    case Verb::Snapshot:
        command.text = reader.quoted("a file name");
        if (command.text.isEmpty())
            reader.fail("empty file name");
        break;
    case Verb::Dump:
    case Verb::Stats:
        break;
    }
    reader.end();
    return command;
}

}  // namespace

QString unescape(QStringView quoted)
{
    QString out;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != u'\\') {
            out += quoted[i];
            continue;
        }
        if (++i >= quoted.size())
            throw std::invalid_argument("bad escape at the end of a text");
        switch (quoted[i].unicode()) {
        case u'"': out += u'"'; break;
        case u'\\': out += u'\\'; break;
        case u't': out += u'\t'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u'u': {
            const QStringView hex = quoted.mid(i + 1, 4);
            bool ok = hex.size() == 4;
            char16_t code = 0;
            for (QChar h : hex) {
                const int digit = hexDigit(h.unicode());
                ok = ok && digit >= 0;
                code = static_cast<char16_t>(code * 16 + std::max(digit, 0));
            }
            if (!ok)
                throw std::invalid_argument("bad escape " + quote(QStringLiteral("\\u") + hex.toString()));
            out += QChar(code);
            i += 4;
            break;
        }
        default:
            throw std::invalid_argument("bad escape " + quote(QStringLiteral("\\") + quoted[i]));
        }
    }
    return out;
}

std::string quote(QStringView token)
{
    const std::u16string quoted = files::quoteToken(std::u16string_view(reinterpret_cast<const char16_t*>(token.utf16()), static_cast<size_t>(token.size())));
    return QString::fromStdU16String(quoted).toStdString();
}

std::string quote(std::string_view token)
{
    // Bytes enough for one character more than are quoted, to tell a cut.
    const std::string_view head = token.substr(0, 4 * (files::kQuotedCharacters + 1));
    return quote(QStringView(QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size()))));
}

void forEachCommand(QByteArrayView script, const Names& names, const std::function<void(const Command&)>& each)
{
    QString line;  // one buffer for every line of plain ASCII
    int number = 1;
    for (qsizetype start = 0; start < script.size(); ++number) {
        qsizetype end = script.indexOf('\n', start);
        if (end < 0)
            end = script.size();
        const QByteArrayView raw = script.sliced(start, end - start);
        start = end + 1;
        bool ascii = true;
        for (const char byte : raw) {
            if (byte == '\0')
                throw ScriptError(number, "a NUL byte in the script");
            ascii = ascii && static_cast<unsigned char>(byte) < 0x80;
        }
        if (ascii) {
            line.resize(raw.size());
            std::copy(raw.begin(), raw.end(), line.begin());
        } else {
            // Each line decoded on its own, so that a byte order mark may open it.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            line = utf8(raw);
            if (utf8.hasError())
                throw ScriptError(number, "the script is not valid UTF-8");
        }
        QStringView text = line;
        if (text.endsWith(u'\r'))
            text.chop(1);
        text = text.trimmed();
        if (!text.isEmpty() && !text.startsWith(u'#'))
            each(parseLine(text, number, names));
    }
}

}  // namespace tavrimo::script
