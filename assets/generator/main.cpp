// SPDX-License-Identifier: GPL-3.0-or-later
// make-pictures: draws Tavrimo's artwork and writes it to the directory given
// on the command line:
//   image1.jpg .. image15.jpg   figure drawings of the formula page
//   thermometer.bmp             picture of the temperature converter
//   tavrimo.ico                 window icon, 32 x 32 in 16 colours
//   tavrimo-<n>.png             the same icon drawn at 48, 64, 128 and 256 pixels
// Every file is read back and checked. The exit status is non-zero when a
// file could not be made or a drawing has a label that runs into a line.

#include "canvas.h"
#include "figures.h"
#include "formats.h"
#include "icon.h"
#include "thermometer.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kJpegQuality = 92;
constexpr int kDotsPerMeter = 3780;  // 96 dots per inch: one pixel is 15 twips
constexpr int kIconSizes[] = {48, 64, 128, 256};

QImage blank(QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}

void report(const QString &file, const QImage &image, const char *what)
{
    std::printf("  %-17s %3d x %-3d  %s\n", qPrintable(file), image.width(), image.height(), what);
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make-pictures OUTPUT-DIRECTORY\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.exists()) {
        std::fprintf(stderr, "make-pictures: %s does not exist\n", qPrintable(args[1]));
        return 2;
    }

    if (QFontInfo(art::thermometerFont()).family() != QLatin1String("DejaVu Sans")) {
        std::fprintf(stderr, "make-pictures: font DejaVu Sans not found; install fonts-dejavu-core\n");
        return 1;
    }
    const QFont labelFont = art::arabicLabelFont(art::kLabelPixelSize);
    std::printf("labels in %s, %d px\n", qPrintable(labelFont.family()), art::kLabelPixelSize);

    int problems = 0;
    try {
        for (const art::Figure &figure : art::kFigures) {
            QImage image = blank(figure.size, QImage::Format_RGB32);
            art::Canvas canvas(image, labelFont);
            figure.draw(canvas);
            for (const QString &problem : canvas.finish()) {
                std::fprintf(stderr, "image%d.jpg: %s\n", figure.number, qPrintable(problem));
                ++problems;
            }
            const QString file = QStringLiteral("image%1.jpg").arg(figure.number);
            art::writeJpeg(image, out.filePath(file), kJpegQuality);
            report(file, image, figure.shows);
        }

        QImage thermometer = art::drawThermometer();
        thermometer.setDotsPerMeterX(kDotsPerMeter);
        thermometer.setDotsPerMeterY(kDotsPerMeter);
        art::writeBmp24(thermometer, out.filePath(QStringLiteral("thermometer.bmp")));
        report(QStringLiteral("thermometer.bmp"), thermometer, "thermometer, 24-bit bitmap");

        const QImage icon = art::drawIcon(32);
        art::writeIco16(icon, out.filePath(QStringLiteral("tavrimo.ico")));
        report(QStringLiteral("tavrimo.ico"), icon, "window icon, 16 colours");
        for (const int size : kIconSizes) {
            const QImage large = art::drawIcon(size);
            const QString file = QStringLiteral("tavrimo-%1.png").arg(size);
            art::writePng(large, out.filePath(file));
            report(file, large, "icon for desktop menus");
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make-pictures: %s\n", e.what());
        return 1;
    }

    if (problems) {
        std::fprintf(stderr, "make-pictures: %d label problem(s); move the labels in the drawing code\n", problems);
        return 1;
    }
    return 0;
}
