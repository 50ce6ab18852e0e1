// SPDX-License-Identifier: GPL-3.0-or-later
// Keystroke latency, with Google Benchmark:
//
//  - core/...: one keystroke through the headless program (the window model,
//    the routing, the handlers and every field write), no widget involved;
//  - widgets/...: one key press and release on the real QLineEdit of the
//    shown window (offscreen unless QT_QPA_PLATFORM says otherwise), until
//    the event loop has run dry and the window has been repainted.
//
// Each keystroke replaces a field's one digit by another ("1" <-> "2"), so
// that every keystroke changes the text of every field the conversion
// writes. Before the benchmarks run, one keystroke of each kind is watched
// for QEvent::Paint, and the repaints per widget are printed.

#include "app/program.h"
#include "window/properties.h"
#include "app/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace tavrimo;

namespace {

class NoMessages : public MessagePresenter {
public:
    void showMessage(const QString&, const QString&, MessageIcon) override {}
};

// One keystroke scenario: the field typed into and the category selected first.
struct Keystroke {
    const char* name;
    const char* field;
    int index;
    const char* option;  // the category's option button, or nullptr
};

const Keystroke kKeystrokes[] = {
    {"metre txtTAS(3)", "txtTAS", 3, nullptr},
    {"mile txtUSA(3)", "txtUSA", 3, nullptr},
    {"Fahrenheit txtF", "txtF", -1, nullptr},
    {"length: metre", "txtTAS", 3, "optTall"},
    {"area: square metre", "txtTAS", 3, "optArea"},
    {"volume: cubic metre", "txtTAS", 3, "optSize"},
    {"weight: gram", "txtTAS", 3, "optW"},
};

const QString kDigits[2] = {QStringLiteral("1"), QStringLiteral("2")};

// Long entries through the core: the last digit of a number of 20 and of
// 1000 characters changes, so that every field is computed from the whole
// text again.
struct LongEntry {
    const char* name;
    const char* field;
    int index;
    int length;
};

const LongEntry kLongEntries[] = {
    {"metre, 20 characters", "txtTAS", 3, 20},
    {"mile, 20 characters", "txtUSA", 3, 20},
    {"Fahrenheit, 20 characters", "txtF", -1, 20},
    {"metre, 1000 characters", "txtTAS", 3, 1000},
    {"mile, 1000 characters", "txtUSA", 3, 1000},
};

void coreLongEntry(benchmark::State& state, const LongEntry& e)
{
    NoMessages messages;
    Program program(NumberFormat{u'.'}, messages);
    program.start();
    WindowModel& w = program.window();
    const ControlId field = w.require(e.field, e.index);
    w.userFocusIn(field);
    const QString head = QStringLiteral("1.") + QString(e.length - 3, u'7');
    w.userEdit(field, head + kDigits[1]);
    size_t i = 0;
    for (auto _ : state) {
        w.userEdit(field, head + kDigits[i++ & 1]);
        benchmark::DoNotOptimize(w.at(field).text.size());
    }
}

// ---------------------------------------------------------------- core ----

void coreKeystroke(benchmark::State& state, const Keystroke& k)
{
    NoMessages messages;
    Program program(NumberFormat{u'.'}, messages);
    program.start();
    WindowModel& w = program.window();
    if (k.option)
        w.userClick(w.require(k.option));
    const ControlId field = w.require(k.field, k.index);
    w.userFocusIn(field);
    w.userEdit(field, kDigits[1]);
    program.takeStats();
    size_t i = 0;
    for (auto _ : state) {
        w.userEdit(field, kDigits[i++ & 1]);
        benchmark::DoNotOptimize(w.at(field).text.size());
    }
    const HandlerStats stats = program.takeStats();
    state.counters["handlers/key"] = static_cast<double>(stats.handlers) / static_cast<double>(state.iterations());
    state.counters["depth"] = stats.depth;
}

// ------------------------------------------------------------- widgets ----

Application* gui = nullptr;

void settle()
{
    QCoreApplication::processEvents();
}

void press(QWidget* target, Qt::Key key, const QString& text = {})
{
    QTest::sendKeyEvent(QTest::Press, target, key, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, target, key, text, Qt::NoModifier);
}

void pressDigit(QWidget* target, const QString& digit)
{
    press(target, static_cast<Qt::Key>(digit.at(0).unicode()), digit);
}

// Shows the field's page, selects the category, focuses the field and
// leaves one digit in it.
QLineEdit* prepare(const Keystroke& k)
{
    MainWindow& window = gui->window();
    WindowModel& w = gui->program().window();
    const ControlId field = w.require(k.field, k.index);
    window.tabControl()->setCurrentIndex(w.pageOf(field));
    settle();
    if (k.option) {
        qobject_cast<QAbstractButton*>(window.widgetOf(w.require(k.option)))->click();
        settle();
    }
    auto* edit = qobject_cast<QLineEdit*>(window.widgetOf(field));
    edit->setFocus(Qt::TabFocusReason);
    settle();
    press(edit, Qt::Key_End);
    while (!edit->text().isEmpty()) {
        press(edit, Qt::Key_Backspace);
        settle();
    }
    pressDigit(edit, kDigits[1]);
    settle();
    return edit;
}

// One keystroke: Backspace then the other digit; only the digit is timed.
void widgetKeystroke(benchmark::State& state, const Keystroke& k)
{
    QLineEdit* edit = prepare(k);
    gui->program().takeStats();
    size_t i = 0;
    for (auto _ : state) {
        press(edit, Qt::Key_Backspace);
        settle();
        const auto start = std::chrono::steady_clock::now();
        pressDigit(edit, kDigits[i++ & 1]);
        settle();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    const HandlerStats stats = gui->program().takeStats();
    // Half the handler runs belong to the untimed Backspace.
    state.counters["handlers/2keys"] = static_cast<double>(stats.handlers) / static_cast<double>(state.iterations());
}

// Counts QEvent::Paint per widget.
class PaintCounter : public QObject {
public:
    QMap<QWidget*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            if (auto* widget = qobject_cast<QWidget*>(watched))
                ++paints[widget];
        return QObject::eventFilter(watched, event);
    }
};

// Watches one digit keystroke of each scenario and prints how often each
// widget was painted for it.
void printRepaints()
{
    const WindowModel& w = gui->program().window();
    std::printf("Repaints for one keystroke (offscreen window shown; QEvent::Paint per widget):\n\n");
    std::printf("| keystroke | fields changed | paints of each changed field | other widgets painted (paints) |\n");
    std::printf("|---|---|---|---|\n");
    for (const Keystroke& k : kKeystrokes) {
        QLineEdit* edit = prepare(k);
        press(edit, Qt::Key_Backspace);
        settle();
        std::vector<QString> before;
        for (ControlId id = 0; id < w.size(); ++id)
            before.push_back(w.at(id).text);
        PaintCounter counter;
        qApp->installEventFilter(&counter);
        pressDigit(edit, kDigits[0]);
        settle();
        qApp->removeEventFilter(&counter);

        int changed = 0, fewest = 1 << 30, most = 0;
        QMap<QWidget*, int> others = counter.paints;
        for (ControlId id = 0; id < w.size(); ++id) {
            if (w.at(id).text == before[static_cast<size_t>(id)] && id != w.require(k.field, k.index))
                continue;
            QWidget* widget = gui->window().widgetOf(id);
            ++changed;
            const int n = counter.paints.value(widget);
            fewest = std::min(fewest, n);
            most = std::max(most, n);
            others.remove(widget);
        }
        QStringList otherNames;
        for (auto it = others.cbegin(); it != others.cend(); ++it) {
            const ControlId id = gui->window().controlOf(it.key());
            const QString name = id == kNoControl ? QString::fromLatin1(it.key()->metaObject()->className())
                                                  : controlName(w.at(id));
            otherNames << QStringLiteral("%1 (%2)").arg(name).arg(it.value());
        }
        std::printf("| %s | %d | %d to %d | %s |\n", k.name, changed, fewest, most,
                    otherNames.isEmpty() ? "none" : qPrintable(otherNames.join(QStringLiteral(", "))));
    }
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication qapp(argc, argv);
    configureApplication(qapp);
    auto app = std::make_unique<Application>();
    gui = app.get();
    app->window().show();
    if (!QTest::qWaitForWindowExposed(&app->window()))
        std::fprintf(stderr, "the window was not exposed\n");
    settle();

    printRepaints();

    for (const Keystroke& k : kKeystrokes)
        benchmark::RegisterBenchmark((std::string("core/") + k.name).c_str(), coreKeystroke, k)
            ->Unit(benchmark::kMicrosecond);
    for (const LongEntry& e : kLongEntries)
        benchmark::RegisterBenchmark((std::string("core/") + e.name).c_str(), coreLongEntry, e)
            ->Unit(benchmark::kMicrosecond);
    for (const Keystroke& k : kKeystrokes)
        benchmark::RegisterBenchmark((std::string("widgets/") + k.name).c_str(), widgetKeystroke, k)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
