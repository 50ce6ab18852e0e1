// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 3-D label: a caption drawn in its face colour over a shadow in its
// shadow colour, offset down and to the right, on its back colour and in its
// font. Setting the caption or the visibility shows at once.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace tavrimo {

class Label3D : public QWidget {
    Q_OBJECT
public:
    explicit Label3D(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColours(const QColor& back, const QColor& face, const QColor& shadow);

    // Places the label at `home` (pixels of its parent). The caption is drawn
    // at the label's font, never smaller: one wider than the label widens it
    // to the left, by at most `spareLeft` pixels, so that its right end stays
    // beside the field it names. The last `coveredRight` columns lie under a
    // field and take no caption.
    void setHome(const QRect& home);
    void setRoom(int spareLeft, int coveredRight);
    // Where the caption is drawn, in the label's own pixels.
    QRect captionRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relayout();
    void draw(QPainter& painter);

    QString caption_;
    QColor back_ = Qt::lightGray;
    QColor face_ = Qt::black;
    QColor shadow_ = Qt::white;
    QRect home_;
    int spareLeft_ = 0;
    int coveredRight_ = 0;
    bool placed_ = false;
    int captionWidth_ = 0;  // pixels of the caption at the label's font
    QPixmap drawn_;         // the label as last drawn, copied while nothing changes
};

}  // namespace tavrimo
