// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One page of the tab control. Its controls are placed in twips measured from
// the tab control's own top-left corner, tab strip included, so the page
// translates them by its own offset inside the tab control.

#include <QHash>
#include <QRect>
#include <QWidget>

namespace tavrimo {

class PageCanvas : public QWidget {
    Q_OBJECT
public:
    PageCanvas(QWidget* tabControl, QWidget* parent = nullptr);

    // Places a child at a rectangle in twips of the tab control.
    void place(QWidget* child, const QRect& twips);
    // Places every child again at a new zoom.
    void setZoom(int percent);

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeAll();
    void placeOne(QWidget* child, const QRect& twips) const;

    QWidget* tabControl_;
    QHash<QWidget*, QRect> children_;
    int zoom_ = 100;
};

}  // namespace tavrimo
