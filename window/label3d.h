#pragma once

// The 3-D label: a caption drawn in its face colour over a shadow in its
// shadow colour, offset down and to the right, on its back colour and in its
// font. Setting the caption or the visibility shows at once.

#include <QColor>
#include <QFont>
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
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The label's font, made smaller until the caption fits its width. It is
    // worked out again only when the caption, the size or the font changed,
    // not at every paint.
    const QFont& fittedFont();

    QString caption_;
    QColor back_ = Qt::lightGray;
    QColor face_ = Qt::black;
    QColor shadow_ = Qt::white;
    QFont fitted_;
    bool fittedValid_ = false;
};

}  // namespace tavrimo
