// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/runner.h"

#include "driver/files.h"
#include "window/properties.h"
#include "app/application.h"
#include "window/view/zoom.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QImageWriter>
#include <QMouseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace tavrimo {

using namespace Qt::StringLiterals;

namespace {

QString quote(const QString& text)
{
    return u'"' + escapeText(text) + u'"';
}

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

KeyPress keyOf(const std::string& name)
{
    // Shift+Tab reaches a program as Backtab, as the keyboard sends it.
    static const std::pair<std::string_view, KeyPress> kKeys[] = {
        {"Backspace", {Qt::Key_Backspace, {}}}, {"Delete", {Qt::Key_Delete, {}}}, {"Home", {Qt::Key_Home, {}}},
        {"End", {Qt::Key_End, {}}}, {"Left", {Qt::Key_Left, {}}}, {"Right", {Qt::Key_Right, {}}},
        {"Up", {Qt::Key_Up, {}}}, {"Down", {Qt::Key_Down, {}}}, {"Tab", {Qt::Key_Tab, {}}},
        {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}}, {"Ctrl+Tab", {Qt::Key_Tab, Qt::ControlModifier}},
        {"Ctrl+Shift+Tab", {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}},
        {"Enter", {Qt::Key_Return, {}}}, {"Esc", {Qt::Key_Escape, {}}},
    };
    for (const auto& [n, k] : kKeys)
        if (n == name)
            return k;
    return {Qt::Key_unknown, {}};
}

// The key a character is typed with: its own key for ASCII, otherwise a key
// that only carries the text.
Qt::Key keyForCharacter(char32_t ch)
{
    const char32_t u = QChar::toUpper(ch);
    if (u > 0x20 && u < 0x7F)
        return static_cast<Qt::Key>(u);
    if (u == 0x20)
        return Qt::Key_Space;
    return Qt::Key_unknown;
}

// Whether a text field takes the character from a key press, as Qt's text
// fields decide: printable characters, the formatting marks (ZWJ, RLM ...)
// and private-use characters; a tab, a line break or a NUL is not typed.
bool typedByKeyPress(char32_t ch)
{
    const QChar::Category category = QChar::category(ch);
    return QChar::isPrint(ch) || category == QChar::Other_Format || category == QChar::Other_PrivateUse;
}

std::string describeCharacter(char32_t ch)
{
    static const std::pair<char32_t, const char*> kNames[] = {
        {0x00, "NUL"}, {0x09, "a tab"}, {0x0A, "a line feed"}, {0x0D, "a carriage return"},
    };
    std::string text = QStringLiteral("U+%1").arg(static_cast<uint>(ch), 4, 16, QChar(u'0')).toUpper().toStdString();
    for (const auto& [code, name] : kNames)
        if (code == ch)
            text += std::string(" (") + name + ')';
    return text;
}

}  // namespace

Runner::Runner(Application& app, script::StandardOutput& out) : app_(app), out_(out)
{
    app_.program().setFailureListener([this](const QString& handler, FailureReason reason) {
        const std::string_view why = describe(reason);
        print(QStringLiteral("failure %1: %2").arg(handler, QString::fromLatin1(why.data(), static_cast<qsizetype>(why.size()))));
    });
    qApp->installEventFilter(this);
    // What the list reports picked, to check that a pick happened.
    for (QComboBox* combo : app_.window().findChildren<QComboBox*>())
        connect(combo, &QComboBox::activated, this, [this](int index) { picked_ = index; });
}

script::Names Runner::names() const
{
    const WindowModel& model = app_.program().window();
    return {
        [&model](const std::string& name, int index) { return model.find(name, index) != kNoControl; },
        [&model](const std::string& name, int index, const std::string& property) {
            const ControlId id = model.find(name, index);
            const auto prop = propFromName(property);
            return id != kNoControl && prop && hasProp(*model.at(id).row, *prop);
        },
    };
}

void Runner::print(const QString& line, script::StandardOutput::When when)
{
    out_.write(line, when);
}

void Runner::checkOutput() const
{
    if (!out_.error().empty())
        fail("cannot write to standard output: " + out_.error());
}

// Notes the pointer reaching the widget it moves over. A message box is
// answered with its OK button as soon as it is up, after its texts are
// printed.
bool Runner::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && pointerTarget_ && watched == pointerTarget_
        && static_cast<QMouseEvent*>(event)->globalPosition().toPoint() == pointerGoal_)
        pointerArrived_ = true;
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            QTimer::singleShot(0, box, [this, box] {
                const QString icon = box->icon() == QMessageBox::Critical ? QStringLiteral("critical")
                                                                          : QStringLiteral("information");
                print(QStringLiteral("msgbox icon=%1 title=%2 text=%3")
                          .arg(icon, quote(box->windowTitle()), quote(box->text())));
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void Runner::run(const script::Command& command)
{
    if (!started_) {
        app_.program().takeStats();
        started_ = true;
    }
    line_ = command.line;
    perform(command);
    checkOutput();
}

void Runner::finish()
{
    out_.flush();
    checkOutput();
}

void Runner::fail(const std::string& message) const
{
    throw ActionError(line_, message);
}

void Runner::fail(const script::Command& command, const std::string& what) const
{
    fail(command.control + ' ' + what);
}

int Runner::controlId(const script::Command& command) const
{
    return app_.program().window().find(command.name, command.index);
}

QWidget* Runner::widgetFor(int id) const
{
    const Kind kind = app_.program().window().at(id).row->kind;
    if (kind == Kind::TabControl)
        return app_.window().tabControl()->tabBar();
    if (kind == Kind::Form)
        return &app_.window();
    return app_.window().widgetOf(id);
}

bool Runner::hasFocus(int id) const
{
    return QApplication::focusWidget() && app_.window().controlOf(QApplication::focusWidget()) == id;
}

void Runner::settle()
{
    QCoreApplication::processEvents();
}

void Runner::perform(const script::Command& command)
{
    using script::Verb;
    switch (command.verb) {
    case Verb::Page: showPage(command.number); break;
    case Verb::Focus: focus(command, "take the focus"); break;
    case Verb::Click: click(command); break;
    case Verb::Type: type(command); break;
    case Verb::Paste: paste(command); break;
    case Verb::Key: key(command.key); break;
    case Verb::Pick: pick(command); break;
    case Verb::Show: show(command); break;
    case Verb::Dump: dump(); break;
    case Verb::Stats: {
        // A benchmark's script may ask for stats line after line: they go out
        // together.
        const HandlerStats stats = app_.program().takeStats();
        print(u"stats handlers="_s + QString::number(stats.handlers) + u" depth="_s + QString::number(stats.depth),
              script::StandardOutput::When::Soon);
        break;
    }
    case Verb::Snapshot: snapshot(command.text); break;
    case Verb::Zoom: zoom(command.number); break;
    }
    // What the window does in reply to an action runs before the next
    // command; printing causes nothing to wait for.
    if (command.verb != Verb::Show && command.verb != Verb::Dump && command.verb != Verb::Stats)
        settle();
}

void Runner::snapshot(const QString& fileName)
{
    // The picture is made in memory and written whole or not at all, so a
    // full disk shows as a failure, never as a short picture.
    // Qt's own error texts may be translated; the driver's stay English.
    // A name is refused where a paste would be: a NUL would cut it short,
    // half a surrogate pair would be written as another character.
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const QChar unit = fileName[i];
        if (unit.isHighSurrogate() && i + 1 < fileName.size() && fileName[i + 1].isLowSurrogate())
            ++i;
        else if (unit.isSurrogate() || unit.isNull())
            fail("cannot write the snapshot " + script::quote(fileName) + ": a file name cannot hold "
                 + (unit.isNull() ? "" : "the lone surrogate ") + describeCharacter(unit.unicode()));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(app_.window().grab().toImage()))
        fail("cannot make the snapshot " + script::quote(fileName) + ": the PNG encoder failed");
    if (const std::string error = script::writeRegularFile(fileName, png); !error.empty())
        fail("cannot write the snapshot " + script::quote(fileName) + ": " + error);
}

// As with the zoom keys: the window takes its new size, and the command
// returns once the window shows it. A zoom the screen cannot hold, which the
// keys would stop short of, is refused.
void Runner::zoom(int percent)
{
    MainWindow& window = app_.window();
    if (const int largest = window.largestZoomOnScreen(); percent > largest)
        fail("cannot zoom to " + std::to_string(percent) + " %: the window's screen holds at most " + std::to_string(largest) + " %");
    window.zoomTo(percent);
    if (window.zoom() != percent)
        fail("the window took " + std::to_string(window.zoom()) + " %, not " + std::to_string(percent) + " %");
    const QSize size(zoomed(window.baseSize().width(), window.zoom()), zoomed(window.baseSize().height(), window.zoom()));
    if (!QTest::qWaitFor([&window, size] { return window.size() == size; }, 5000))
        fail("the window did not take the size of " + std::to_string(window.zoom()) + " %");
}

// The pointer moves as the platform moves it: at once offscreen, through the
// display server under X11. The move counts once the widget has seen it.
void Runner::pointAt(QWidget* widget, QPoint pos, const std::string& what)
{
    pointerTarget_ = widget;
    pointerGoal_ = widget->mapToGlobal(pos);
    pointerArrived_ = false;
    QCursor::setPos(pointerGoal_);
    const bool arrived = QTest::qWaitFor([this] { return pointerArrived_; }, 5000);
    pointerTarget_ = nullptr;
    if (!arrived)
        fail("the pointer did not reach " + what);
}

void Runner::showPage(int page)
{
    QTabBar* bar = app_.window().tabControl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
    settle();
    if (app_.window().tabControl()->currentIndex() != page)
        fail("the tab of page " + std::to_string(page) + " did not show its page");
}

void Runner::showPageOf(int id)
{
    const int page = app_.program().window().pageOf(id);
    if (page >= 0 && app_.window().tabControl()->currentIndex() != page)
        showPage(page);
}

void Runner::focus(const script::Command& command, const std::string& action)
{
    const int id = controlId(command);
    const Control& c = app_.program().window().at(id);
    if (!c.visible)
        fail(command, "is hidden and cannot " + action);
    // The solver's results, disabled for typing, take the focus as they do by Tab.
    const bool focusable = c.row->kind == Kind::TextBox && widgetFor(id) && widgetFor(id)->focusPolicy() != Qt::NoFocus;
    if (!c.enabled && !(focusable && action == "take the focus"))
        fail(command, "is disabled and cannot " + action);
    showPageOf(id);
    QWidget* widget = widgetFor(id);
    if (!widget || !widget->isVisible())
        fail(command, "is not on view and cannot " + action);
    if (widget->focusPolicy() == Qt::NoFocus)
        fail(command, "cannot take the focus");
    if (hasFocus(id))
        return;
    widget->setFocus(Qt::TabFocusReason);
    settle();
    if (!hasFocus(id))
        fail(command, "did not take the focus");
}

void Runner::click(const script::Command& command)
{
    const int id = controlId(command);
    if (!app_.program().window().at(id).visible)
        fail(command, "is hidden and cannot be clicked");
    showPageOf(id);
    QWidget* widget = widgetFor(id);
    if (!widget || !widget->isVisible())
        fail(command, "is not on view and cannot be clicked");
    QPoint point = widget->rect().center();
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        // Press where the button takes clicks: its circle and caption.
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        point = radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio).center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    settle();
    const Control& c = app_.program().window().at(id);
    if (!c.enabled)
        return;  // a disabled control takes no click
    if (c.row->kind == Kind::TextBox && !hasFocus(id))
        fail(command, "did not take the focus from the click");
    if (c.row->kind == Kind::OptionButton && !c.value)
        fail(command, "was not selected by the click");
}

void Runner::type(const script::Command& command)
{
    const int id = controlId(command);
    if (app_.program().window().at(id).row->kind != Kind::TextBox)
        fail(command, "is not a text box and cannot be typed into");
    // One key press a character; one beyond the basic plane carries both of
    // its UTF-16 units, as an input method sends it.
    QStringList presses;
    for (qsizetype i = 0; i < command.text.size();) {
        const QChar unit = command.text[i];
        const bool pair = unit.isHighSurrogate() && i + 1 < command.text.size() && command.text[i + 1].isLowSurrogate();
        const char32_t ch = pair ? QChar::surrogateToUcs4(unit, command.text[i + 1]) : unit.unicode();
        if (unit.isSurrogate() && !pair)
            fail("cannot type the lone surrogate " + describeCharacter(ch) + " into " + command.control);
        if (!typedByKeyPress(ch))
            fail("cannot type " + describeCharacter(ch) + " into " + command.control + " with a key press");
        presses.append(command.text.mid(i, pair ? 2 : 1));
        i += pair ? 2 : 1;
    }
    focus(command, "be typed into");
    QWidget* widget = widgetFor(id);
    QTest::keyClick(widget, Qt::Key_End);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && (edit->hasSelectedText() || edit->cursorPosition() != edit->text().size()))
        fail(command, "did not put the caret at the end of its text");
    for (const QString& typed : presses) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        const Qt::Key key = keyForCharacter(typed.toUcs4().value(0));
        QTest::sendKeyEvent(QTest::Press, target, key, typed, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, typed, Qt::NoModifier);
        settle();
    }
}

void Runner::paste(const script::Command& command)
{
    const int id = controlId(command);
    const ControlRow& row = *app_.program().window().at(id).row;
    if (row.kind != Kind::TextBox || row.multiLine)
        fail(command, "is not a single-line text box and cannot be pasted into");
    // A paste delivers what a person's clipboard can hold: no NUL, no half
    // of a surrogate pair.
    for (qsizetype i = 0; i < command.text.size(); ++i) {
        const QChar unit = command.text[i];
        if (unit.isHighSurrogate() && i + 1 < command.text.size() && command.text[i + 1].isLowSurrogate())
            ++i;
        else if (unit.isSurrogate())
            fail("cannot paste the lone surrogate " + describeCharacter(unit.unicode()) + " into " + command.control);
        else if (unit.isNull())
            fail("cannot paste " + describeCharacter(0) + " into " + command.control);
    }
    focus(command, "be pasted into");
    auto* edit = qobject_cast<QLineEdit*>(widgetFor(id));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (edit->selectedText() != edit->text())
        fail(command, "did not select its whole text");
    if (command.text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QApplication::clipboard()->setText(command.text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    settle();
}

void Runner::key(const std::string& name)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &app_.window();
    const KeyPress press = keyOf(name);
    QTest::keyClick(target, press.key, press.modifiers);
    settle();
}

// A person presses the list open, moves the pointer to the item and clicks it.
void Runner::pick(const script::Command& command)
{
    const int id = controlId(command);
    const int item = command.number;
    const Control& c = app_.program().window().at(id);
    if (!c.visible || !c.enabled)
        fail(command, c.visible ? "is disabled and cannot be opened" : "is hidden and cannot be opened");
    showPageOf(id);
    auto* combo = qobject_cast<QComboBox*>(widgetFor(id));
    if (!combo || !combo->isVisible())
        fail(command, "is not on view and cannot be opened");
    picked_ = -1;

    const QPoint press = combo->rect().center();
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, press);
    QAbstractItemView* list = combo->view();
    if (!QTest::qWaitFor([list] { return list->isVisible() && list->window()->windowHandle()
                                         && list->window()->windowHandle()->isExposed(); }, 5000))
        fail(command, "did not open its list");
    const QModelIndex index = list->model()->index(item, combo->modelColumn());
    list->scrollTo(index);
    // The part of the item on view, which a long item overflows.
    const QRect rect = list->visualRect(index).intersected(list->viewport()->rect());
    if (rect.width() < 24 || rect.height() < 4)
        fail(command.control + " did not show item " + std::to_string(item));
    // The pointer comes onto the item from the end farther from where the
    // list was pressed open (the list takes a release right beside that
    // point for the end of the opening click), then clicks its middle.
    const std::string what = "item " + std::to_string(item) + " of " + command.control;
    const QPoint pressed = list->viewport()->mapFromGlobal(combo->mapToGlobal(press));
    const QPoint leftEnd(rect.left() + 2, rect.center().y());
    const QPoint rightEnd(rect.right() - 2, rect.center().y());
    pointAt(list->viewport(), (leftEnd - pressed).manhattanLength() > (rightEnd - pressed).manhattanLength() ? leftEnd : rightEnd, what);
    pointAt(list->viewport(), rect.center(), what);
    if (list->currentIndex() != index)
        fail(what + " is not under the pointer");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    if (!QTest::qWaitFor([list] { return !list->isVisible(); }, 5000) || picked_ != item
        || app_.program().window().at(id).listIndex != item)
        fail(command.control + " did not pick item " + std::to_string(item));
}

QString Runner::focusName() const
{
    const ControlId id = app_.window().controlOf(QApplication::focusWidget());
    return id == kNoControl ? QStringLiteral("Form1") : controlName(app_.program().window().at(id));
}

QString Runner::windowValue(script::Value value) const
{
    const Form& form = app_.program().form();
    switch (value) {
    case script::Value::ByteCategory: return QStringLiteral("bytCategory=%1").arg(form.bytCategory);
    case script::Value::ByteSource: return QStringLiteral("bytSource=%1").arg(form.bytSource);
    case script::Value::Page: return QStringLiteral("page=%1").arg(app_.window().tabControl()->currentIndex());
    case script::Value::Focus: return QStringLiteral("focus=%1").arg(focusName());
    case script::Value::Zoom: return QStringLiteral("zoom=%1").arg(app_.window().zoom());
    case script::Value::None: break;
    }
    return {};
}

void Runner::show(const script::Command& command)
{
    if (command.value != script::Value::None) {
        print(windowValue(command.value));
        return;
    }
    const WindowModel& model = app_.program().window();
    const ControlId id = controlId(command);
    const QString written = QString::fromStdString(command.control);
    if (command.property.empty()) {
        const auto prop = defaultProp(model.at(id).row->kind);
        print(written + u'=' + (prop ? formatProp(model, id, *prop) : QString()));
    } else {
        print(written + u'.' + QString::fromStdString(command.property) + u'='
              + formatProp(model, id, *propFromName(command.property)));
    }
}

void Runner::dump()
{
    const WindowModel& model = app_.program().window();
    for (ControlId id = 0; id < model.size(); ++id) {
        const Control& c = model.at(id);
        for (size_t p = 0; p < kPropNames.size(); ++p) {
            const auto prop = static_cast<Prop>(p);
            if (hasProp(*c.row, prop))
                print(controlName(c) + u'.' + QString::fromLatin1(kPropNames[p].data(), static_cast<qsizetype>(kPropNames[p].size()))
                      + u'=' + formatProp(model, id, prop));
        }
    }
    for (script::Value value : {script::Value::ByteCategory, script::Value::ByteSource, script::Value::Page,
                                script::Value::Focus})
        print(windowValue(value));
}

}  // namespace tavrimo
