// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: the least a window of Tavrimo's kind costs. A window of the
// same size and title holding only the tab control with its three captions,
// on the same page, right to left; nothing on the pages.

#include "probe.h"
#include "window/control_row.h"

#include <QApplication>
#include <QTabWidget>

using tavrimo::toQString;

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    qapp.setLayoutDirection(Qt::RightToLeft);
    const auto pixels = [](const tavrimo::Geometry& g) {
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        return QRect(px(g.left), px(g.top), px(g.width), px(g.height));
    };

    QWidget window;
    for (const tavrimo::ControlRow& row : tavrimo::initialWindowState()) {
        if (row.kind == tavrimo::Kind::Form) {
            window.setWindowTitle(toQString(row.caption));
            window.setFixedSize(pixels(row.geometry).size());
        } else if (row.kind == tavrimo::Kind::TabControl) {
            auto* tabs = new QTabWidget(&window);
            tabs->setGeometry(pixels(row.geometry));
            for (std::u16string_view caption : row.items)
                tabs->addTab(new QWidget(tabs), toQString(caption));
            tabs->setCurrentIndex(2);
        }
    }

    tavrimo::bench::FirstFrameProbe probe(&window);
    window.show();
    return qapp.exec();
}
