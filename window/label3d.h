#pragma once

// The 3-D label: a caption drawn in its face colour over a shadow in its
// shadow colour, offset down and to the right, on its back colour and in its
// font. Setting the caption or the visibility shows at once.

#include <QColor>
#include <QWidget>

namespace tavrimo {

class Label3D : public QWidget {
    Q_OBJECT
public:
    explicit Label3D(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColours(const QColor& back, const QColor& face, const QColor& shadow);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor back_ = Qt::lightGray;
    QColor face_ = Qt::black;
    QColor shadow_ = Qt::white;
};

}  // namespace tavrimo
