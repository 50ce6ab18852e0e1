// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tavrimo {

struct PictureInfo;

// An image control. Its picture is decoded when the image is first on view:
// the first decoding loads Qt's image readers, which the page the window
// opens on does not need.
class PictureLabel : public QLabel {
public:
    using QLabel::QLabel;

    void showPicture(const PictureInfo* info);
    // Draws the picture afresh at a zoom in percent.
    void setZoom(int percent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void decodePending();

    const PictureInfo* pending_ = nullptr;
    const PictureInfo* shown_ = nullptr;
    int zoom_ = 100;
};

// Lets every image control be an image to a screen reader from the start,
// also while it shows nothing (a label, to Qt), since a screen reader keeps
// the role it first saw. Call before the controls are made.
void installPictureAccessible();

}  // namespace tavrimo
