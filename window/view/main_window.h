// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Form1 drawn with real widgets: the tab control with its three pages and
// every control at its place. The window holds no logic: it draws what the
// model holds and reports what the person does as model events.

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
    // Pixels of the tab strip's tabs; the page frame below them adds its own.
    static constexpr int kTabStripHeight = 22;

    explicit MainWindow(WindowModel& model, QWidget* parent = nullptr);

    QWidget* widgetOf(ControlId id) const;
    // The control a widget (or one of its inner parts) belongs to; the tab
    // strip belongs to SSTab1.
    ControlId controlOf(const QWidget* widget) const;
    QTabWidget* tabControl() const { return tabs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void place(ControlId id);
    void giveRoom(ControlId id, Label3D* label);
    void wireInput(ControlId id, QWidget* widget);
    void wireWindowKeys();
    void pressButtonFor(WindowKey key);
    void markEnterButton();
    void turnPage(int step);
    bool moveOptionSelection(ControlId option, int key);
    void orderTabs();

    WindowModel& model_;
    QTabWidget* tabs_ = nullptr;
    ControlId tabControlId_ = kNoControl;
    std::vector<PageCanvas*> pages_;
    std::vector<QWidget*> widgets_;
    std::vector<std::pair<WindowKey, QShortcut*>> windowKeys_;
};

}  // namespace tavrimo
