#include "driver/runner.h"

#include "window/properties.h"
#include "app/application.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace tavrimo {

namespace {

QString quote(const QString& text)
{
    return u'"' + escapeText(text) + u'"';
}

Qt::Key keyOf(const std::string& name)
{
    static const std::pair<std::string_view, Qt::Key> kKeys[] = {
        {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete}, {"Home", Qt::Key_Home},
        {"End", Qt::Key_End}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Tab", Qt::Key_Tab},
        {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape},
    };
    for (const auto& [n, k] : kKeys)
        if (n == name)
            return k;
    return Qt::Key_unknown;
}

// The key a character is typed with: its own key for ASCII, otherwise a key
// that only carries the text.
Qt::Key keyForCharacter(QChar ch)
{
    const char16_t u = ch.toUpper().unicode();
    if (u > 0x20 && u < 0x7F)
        return static_cast<Qt::Key>(u);
    if (u == 0x20)
        return Qt::Key_Space;
    return Qt::Key_unknown;
}

}  // namespace

Runner::Runner(Application& app, QTextStream& out) : app_(app), out_(out)
{
    app_.program().setFailureListener([this](const QString& handler, FailureReason reason) {
        const std::string_view why = describe(reason);
        print(QStringLiteral("failure %1: %2").arg(handler, QString::fromLatin1(why.data(), static_cast<qsizetype>(why.size()))));
    });
    qApp->installEventFilter(this);
}

script::Names Runner::names() const
{
    const WindowModel& model = app_.program().window();
    return {
        [&model](const std::string& name, int index) { return model.find(name, index) != kNoControl; },
        [&model](const std::string& name, int index, const std::string& property) {
            const ControlId id = model.find(name, index);
            const auto prop = propFromName(property);
            return id != kNoControl && prop && hasProp(model.at(id).row->kind, *prop);
        },
    };
}

void Runner::print(const QString& line)
{
    out_ << line << '\n';
    out_.flush();
}

// A message box is answered with its OK button as soon as it is up, after
// its texts are printed.
bool Runner::eventFilter(QObject* watched, QEvent* event)
{
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

void Runner::run(const std::vector<script::Command>& commands)
{
    app_.program().takeStats();
    for (const script::Command& command : commands)
        perform(command);
}

int Runner::controlId(const script::Command& command) const
{
    return app_.program().window().find(command.name, command.index);
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
    case Verb::Focus: focus(controlId(command)); break;
    case Verb::Click: click(controlId(command)); break;
    case Verb::Type: type(controlId(command), command.text); break;
    case Verb::Paste: paste(controlId(command), command.text); break;
    case Verb::Key: key(command.key); break;
    case Verb::Pick: pick(controlId(command), command.number); break;
    case Verb::Show: show(command); break;
    case Verb::Dump: dump(); break;
    case Verb::Stats: {
        const HandlerStats stats = app_.program().takeStats();
        print(QStringLiteral("stats handlers=%1 depth=%2").arg(stats.handlers).arg(stats.depth));
        break;
    }
    case Verb::Snapshot:
        app_.window().grab().save(command.text, "PNG");
        break;
    }
    settle();
}

void Runner::showPage(int page)
{
    QTabBar* bar = app_.window().tabControl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
    settle();
}

void Runner::showPageOf(int id)
{
    const int page = app_.program().window().pageOf(id);
    if (page >= 0 && app_.window().tabControl()->currentIndex() != page)
        showPage(page);
}

void Runner::focus(int id)
{
    showPageOf(id);
    QWidget* widget = app_.window().widgetOf(id);
    if (!widget || widget->hasFocus() || !widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus)
        return;
    widget->setFocus(Qt::TabFocusReason);
    settle();
}

void Runner::click(int id)
{
    showPageOf(id);
    QWidget* widget = app_.window().widgetOf(id);
    if (!widget || !widget->isVisible())
        return;
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
}

void Runner::type(int id, const QString& text)
{
    focus(id);
    QWidget* widget = app_.window().widgetOf(id);
    if (!widget || !widget->hasFocus())
        return;
    QTest::keyClick(widget, Qt::Key_End);
    for (QChar ch : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        const Qt::Key key = keyForCharacter(ch);
        QTest::sendKeyEvent(QTest::Press, target, key, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, QString(ch), Qt::NoModifier);
        settle();
    }
}

void Runner::paste(int id, const QString& text)
{
    focus(id);
    auto* edit = qobject_cast<QLineEdit*>(app_.window().widgetOf(id));
    if (!edit || !edit->hasFocus())
        return;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    settle();
}

void Runner::key(const std::string& name)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &app_.window();
    QTest::keyClick(target, keyOf(name));
    settle();
}

void Runner::pick(int id, int item)
{
    showPageOf(id);
    auto* combo = qobject_cast<QComboBox*>(app_.window().widgetOf(id));
    QTest::mouseClick(combo, Qt::LeftButton);
    settle();
    QAbstractItemView* list = combo->view();
    const QRect rect = list->visualRect(list->model()->index(item, 0));
    QTest::mouseMove(list->viewport(), rect.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    settle();
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
            if (hasProp(c.row->kind, prop))
                print(controlName(c) + u'.' + QString::fromLatin1(kPropNames[p].data(), static_cast<qsizetype>(kPropNames[p].size()))
                      + u'=' + formatProp(model, id, prop));
        }
    }
    for (script::Value value : {script::Value::ByteCategory, script::Value::ByteSource, script::Value::Page,
                                script::Value::Focus})
        print(windowValue(value));
}

}  // namespace tavrimo
