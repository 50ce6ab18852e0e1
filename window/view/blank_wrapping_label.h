// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tavrimo {

// A label that breaks its caption into lines at blanks within its width, the
// way the window's labels always have, so that a run of blanks can push the
// rest of a caption onto the next line.
class BlankWrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit BlankWrappingLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
        setContentsMargins(kLeftMargin, 0, 0, 0);
    }
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kLeftMargin = 1;
    static constexpr int kLineGap = 3;
    void rewrap();
    QString caption_;
    QStringList lines_;
};

}  // namespace tavrimo
