// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small notice over the window that shows the zoom for a second and a
// half after each zoom key or Ctrl + wheel turn, and says so when the screen
// holds no larger one. It is an alert to assistive technology: a screen
// reader speaks its text when it appears.

#include <QLabel>
#include <QTimer>

namespace tavrimo {

inline constexpr int kZoomNoticeMilliseconds = 1500;

// "التكبير 200 %", or at the screen's limit "التكبير 230 % — أكبر ما تتسع له الشاشة".
QString zoomNoticeText(int percent, bool atScreenLimit);

class ZoomNotice : public QLabel {
    Q_OBJECT
public:
    explicit ZoomNotice(QWidget* window);
    // Shows the zoom the window took after the person asked for `requested`.
    void showZoom(int percent, int requested);

private:
    void placeOverWindow();
    QTimer hide_;
};

}  // namespace tavrimo
