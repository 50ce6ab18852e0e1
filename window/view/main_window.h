// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Form1 drawn with real widgets: the tab control with its three pages and
// every control at its place. The window holds no logic: it draws what the
// model holds and reports what the person does as model events.
//
// The window can be zoomed from 100 % to 300 % (the zoom keys, Ctrl + wheel)
// and resized: everything on it grows as one, the form's client area drawn
// at the largest zoom the window holds and centred in it. The model keeps
// its twips; only the drawing changes.

#include "window/keyboard.h"
#include "window/model.h"

#include <QWidget>

#include <utility>
#include <vector>

class QShortcut;
class QTabWidget;

namespace tavrimo {

class Label3D;
class PageCanvas;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStartPage = 2;
    // Pixels of the tab strip's tabs at 100 %; the page frame below them adds its own.
    static constexpr int kTabStripHeight = 22;

    explicit MainWindow(WindowModel& model, QWidget* parent = nullptr);

    // The widget of a control; a page's widgets are made when the page is
    // first shown or one of them is first asked for here.
    QWidget* widgetOf(ControlId id) const;
    // The control a widget (or one of its inner parts) belongs to; the tab
    // strip belongs to SSTab1.
    ControlId controlOf(const QWidget* widget) const;
    QTabWidget* tabControl() const { return tabs_; }

    int zoom() const { return zoom_; }
    // Zooms as a person does with the zoom keys: the window takes the size
    // of the client area at `percent`, or at the largest zoom that fits the
    // screen when that is less. A maximised window keeps its size.
    void zoomTo(int percent);
    // The largest zoom at which the window fits the screen's free area.
    int largestZoomOnScreen() const;
    // The client area's size at 100 %.
    QSize baseSize() const { return baseSize_; }

Q_SIGNALS:
    // The person zoomed with the zoom keys or Ctrl + wheel, asking for
    // `percent` (which the window shows, or the largest the screen holds).
    void zoomChosen(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void build();
    void makePage(int page);
    // The widget of a control whose page has been made, else nullptr.
    QWidget* madeWidget(ControlId id) const;
    void place(ControlId id);
    void giveRoom(ControlId id, Label3D* label);
    void wireInput(ControlId id, QWidget* widget);
    void wireWindowKeys();
    bool pressButtonFor(WindowKey key);
    void markEnterButton();
    void turnPage(int step);
    bool moveOptionSelection(ControlId option, int key);
    void orderTabs();
    void wireZoomKeys();
    void applyZoom(int percent);
    void keepOnScreen();
    void placeTabControl();

    WindowModel& model_;
    QTabWidget* tabs_ = nullptr;
    ControlId tabControlId_ = kNoControl;
    std::vector<PageCanvas*> pages_;
    std::vector<QWidget*> widgets_;
    std::vector<bool> pageMade_;
    QSize baseSize_;
    int zoom_ = 100;
};

}  // namespace tavrimo
