// SPDX-License-Identifier: GPL-3.0-or-later
// The time to open the print preview over the window, from Ctrl+P to its
// pages made and shown (the first opening in the process, which loads the
// preview's module and with it Qt's printing support, and the median of the next ones), and the time to make
// the nine-page booklet in the process. Prints the rows of a Markdown table.

#include "app/application.h"
#include "printing/booklet.h"
#include "printing/print_action.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double openAndClose(tavrimo::MainWindow& window, const tavrimo::WindowModel& model)
{
    QElapsedTimer timer;
    timer.start();
    QDialog* dialog = tavrimo::openPrintPreview(window, model);
    if (!dialog)
        std::exit(1);
    // The preview widget makes its pages as it is first shown. Found by its
    // class name: the bench, like the program, leaves Qt's printing support
    // to the preview's module.
    QWidget* pages = nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>())
        if (child->inherits("QPrintPreviewWidget"))
            pages = child;
    while (!dialog->isVisible() || !pages || !pages->isVisible())
        QApplication::processEvents();
    QApplication::processEvents();  // and painted
    const double ms = timer.nsecsElapsed() / 1e6;
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    tavrimo::configureApplication(qapp);
    tavrimo::Application app;
    app.window().show();
    if (!QTest::qWaitForWindowExposed(&app.window()))
        return 1;
    const tavrimo::WindowModel& model = app.program().window();
    constexpr int kRuns = 11;

    const auto row = [](const char* what, double first, double typical) {
        std::printf("| %-38s | %9.1f | %9.1f |\n", what, first, typical);
    };
    const auto openings = [&](const char* what) {
        const double first = openAndClose(app.window(), model);
        std::vector<double> next;
        for (int i = 0; i < kRuns; ++i)
            next.push_back(openAndClose(app.window(), model));
        row(what, first, median(next));
    };
    // The drawings, once drawn, are kept: the first opening draws those of
    // its pages, the booklet in the process those of none (the command
    // line's figure is the cold one).
    app.program().window().userPick(model.require("Combo1"), 2);
    // "once": the first opening alone, for a profiler.
    if (argc > 1 && qstrcmp(argv[1], "once") == 0)
        return openAndClose(app.window(), model) > 0 ? 0 : 1;
    openings("preview, the sphere picked (1 page)");
    app.program().window().userPick(model.require("Combo1"), -1);
    openings("preview, no figure picked (9 pages)");

    std::vector<double> booklet;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray pdf = tavrimo::bookletPdf(model);
        booklet.push_back(timer.nsecsElapsed() / 1e6);
    }
    row("booklet, nine pages (in the process)", booklet.front(), median(booklet));
    return 0;
}
