// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/page_canvas.h"

#include "window/label3d.h"
#include "window/view/zoom.h"

namespace tavrimo {

PageCanvas::PageCanvas(QWidget* tabControl, QWidget* parent) : QWidget(parent), tabControl_(tabControl)
{
}

void PageCanvas::place(QWidget* child, const QRect& twips)
{
    children_.insert(child, twips);
    placeOne(child, twips);
}

void PageCanvas::setZoom(int percent)
{
    zoom_ = percent;
    placeAll();
}

void PageCanvas::placeOne(QWidget* child, const QRect& twips) const
{
    const QPoint origin = parentWidget() ? mapTo(tabControl_, QPoint(0, 0)) : QPoint(0, 0);
    const QRect pixels = twipsToPixels(twips, zoom_).translated(-origin);
    if (auto* label = qobject_cast<Label3D*>(child))
        label->setHome(pixels);
    else
        child->setGeometry(pixels);
}

void PageCanvas::placeAll()
{
    for (auto it = children_.cbegin(); it != children_.cend(); ++it)
        placeOne(it.key(), it.value());
}

void PageCanvas::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placeAll();
}

void PageCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeAll();
}

}  // namespace tavrimo
