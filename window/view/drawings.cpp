// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/view/drawings.h"

#include "assets/generator/canvas.h"
#include "assets/generator/figures.h"
#include "assets/generator/thermometer.h"

#include <QtMath>

#include <charconv>

namespace tavrimo {

namespace {

// The figure drawings are held by Image1 .. Image15, drawn as image<number>.
const art::Figure* figureOf(const PictureInfo& picture)
{
    constexpr std::string_view prefix = "Image";
    int number = 0;
    const std::string_view control = picture.control;
    if (!control.starts_with(prefix)
        || std::from_chars(control.data() + prefix.size(), control.data() + control.size(), number).ec != std::errc())
        return nullptr;
    for (const art::Figure& figure : art::kFigures)
        if (figure.number == number)
            return &figure;
    return nullptr;
}

QFont figureLabelFont() { return art::labelFont("Noto Sans Arabic UI", art::kLabelPixelSize); }

}  // namespace

QImage drawPicture(const PictureInfo& picture, qreal scale)
{
    if (&picture == &kPictures[kThermometer])
        return art::drawThermometer(scale);
    const art::Figure* figure = figureOf(picture);
    if (!figure)
        return {};
    QImage image(qCeil(figure->size.width() * scale), qCeil(figure->size.height() * scale), QImage::Format_RGB32);
    art::Canvas canvas(image, figureLabelFont(), scale);
    figure->draw(canvas);
    canvas.finish();
    return image;
}

QPicture drawFigureAsLines(const PictureInfo& picture, qreal shadingScale)
{
    QPicture lines;
    if (const art::Figure* figure = figureOf(picture)) {
        art::Canvas canvas(lines, figure->size, figureLabelFont(), shadingScale);
        figure->draw(canvas);
        canvas.finish();
    }
    return lines;
}

QStringList lettersOn(const PictureInfo& picture)
{
    const art::Figure* figure = figureOf(picture);
    if (!figure)
        return {};
    // The drawing itself says what it labels. Drawn for its labels alone, it
    // is drawn a few pixels small, which its shading takes no time at.
    constexpr qreal kTiny = 1.0 / 64;
    QImage image(qCeil(figure->size.width() * kTiny), qCeil(figure->size.height() * kTiny), QImage::Format_RGB32);
    art::Canvas canvas(image, figureLabelFont(), kTiny);
    figure->draw(canvas);
    QStringList letters = canvas.labels();
    letters.removeDuplicates();
    return letters;
}

}  // namespace tavrimo
