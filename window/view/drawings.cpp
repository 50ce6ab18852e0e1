// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/drawings.h"

#include "assets/generator/canvas.h"
#include "assets/generator/figures.h"
#include "assets/generator/thermometer.h"

#include <QtMath>

#include <charconv>

namespace tavrimo {

QImage drawPicture(const PictureInfo& picture, qreal scale)
{
    if (&picture == &kPictures[kThermometer])
        return art::drawThermometer(scale);
    // The figure drawings are held by Image1 .. Image15, drawn as image<number>.
    constexpr std::string_view prefix = "Image";
    int number = 0;
    const std::string_view control = picture.control;
    if (!control.starts_with(prefix)
        || std::from_chars(control.data() + prefix.size(), control.data() + control.size(), number).ec != std::errc())
        return {};
    for (const art::Figure& figure : art::kFigures) {
        if (figure.number != number)
            continue;
        QImage image(qCeil(figure.size.width() * scale), qCeil(figure.size.height() * scale), QImage::Format_RGB32);
        art::Canvas canvas(image, art::labelFont("Noto Sans Arabic UI", art::kLabelPixelSize), scale);
        figure.draw(canvas);
        canvas.finish();
        return image;
    }
    return {};
}

}  // namespace tavrimo
