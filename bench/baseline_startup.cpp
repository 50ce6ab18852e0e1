// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a bare Qt Widgets window with the same number and kinds of
// widgets as Tavrimo's window, at the same places, holding the same initial
// texts, on the same page, and nothing else: no handlers, no model, no
// colours, fonts or pictures of its own. The widgets are counted from the
// window's initial-state table, skipping the controls that never get a
// widget.

#include "probe.h"
#include "window/control_row.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <string>

using tavrimo::toQString;

namespace {


// A page of the tab control places its controls in pixels of the tab control
// once the tab control has laid the page out.
class PagePlacer : public QObject {
public:
    PagePlacer(QWidget* page, QWidget* tabs) : QObject(page), page_(page), tabs_(tabs) { page->installEventFilter(this); }
    void add(QWidget* child, const QRect& place) { children_.append({child, place}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == page_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            const QPoint origin = page_->mapTo(tabs_, QPoint(0, 0));
            for (const auto& [child, place] : children_)
                child->setGeometry(place.translated(-origin));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* page_;
    QWidget* tabs_;
    QList<QPair<QWidget*, QRect>> children_;
};



QString nameOf(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QRect pixels(const tavrimo::Geometry& g)
{
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    return {px(g.left), px(g.top), px(g.width), px(g.height)};
}

QWidget* plainWidget(const tavrimo::ControlRow& row, QWidget* parent)
{
    using tavrimo::Kind;
    switch (row.kind) {
    case Kind::TextBox:
        if (row.multiLine)
            return new QPlainTextEdit(toQString(row.caption), parent);
        return new QLineEdit(toQString(row.caption), parent);
    case Kind::OptionButton:
        return new QRadioButton(toQString(row.caption), parent);
    case Kind::CommandButton:
        return new QPushButton(toQString(row.caption), parent);
    case Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        for (std::u16string_view item : row.items)
            combo->addItem(toQString(item));
        combo->setCurrentIndex(-1);
        return combo;
    }
    case Kind::Frame:
        return new QGroupBox(toQString(row.caption), parent);
    case Kind::Label:
    case Kind::Label3D:
    case Kind::Image:
        return new QLabel(toQString(row.caption), parent);
    case Kind::Shape: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        return frame;
    }
    case Kind::PictureBox:
        return new QWidget(parent);
    case Kind::Form:
    case Kind::TabControl:
        break;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    qapp.setLayoutDirection(Qt::RightToLeft);

    QWidget window;
    QTabWidget* tabs = nullptr;
    QList<QWidget*> pages;
    QList<PagePlacer*> placers;
    QHash<QString, QWidget*> byName;
    for (const tavrimo::ControlRow& row : tavrimo::initialWindowState()) {
        if (row.kind == tavrimo::Kind::Form) {
            window.setWindowTitle(toQString(row.caption));
            window.setFixedSize(pixels(row.geometry).size());
            byName.insert(nameOf(row.name), &window);
            continue;
        }
        if (row.kind == tavrimo::Kind::TabControl) {
            tabs = new QTabWidget(&window);
            tabs->setGeometry(pixels(row.geometry));
            for (std::u16string_view caption : row.items) {
                auto* page = new QWidget(tabs);
                tabs->addTab(page, toQString(caption));
                pages << page;
                placers << new PagePlacer(page, tabs);
            }
            tabs->setCurrentIndex(2);
            byName.insert(nameOf(row.name), tabs);
            continue;
        }
        if (tavrimo::neverShown(row))
            continue;
        const bool onPage = row.container == "SSTab1";
        QWidget* parent = onPage ? pages.at(row.page) : byName.value(nameOf(row.container));
        QWidget* widget = plainWidget(row, parent);
        if (onPage)
            placers.at(row.page)->add(widget, pixels(row.geometry));
        widget->setGeometry(pixels(row.geometry));
        widget->setVisible(row.visible);
        if (row.index < 0)
            byName.insert(nameOf(row.name), widget);
    }

    tavrimo::bench::FirstFrameProbe probe(&window);
    window.show();
    return qapp.exec();
}
