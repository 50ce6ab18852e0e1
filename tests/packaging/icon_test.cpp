// SPDX-License-Identifier: GPL-3.0-or-later
// The menu icons are the window icon: the 32-pixel PNG is the .ico's own
// picture, pixel for pixel, and the larger PNGs are renderings of the same
// drawing (brought down to 32 pixels they stay close to it).

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage load(const char* path, const char* format = nullptr)
{
    QImage image(QString::fromUtf8(path), format);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per channel, 0 to 255, of two images of one size, each
// pixel taken over white the way a menu shows it.
double meanDifference(const QImage& a, const QImage& b)
{
    const auto onWhite = [](QRgb p, int channel) {
        const int alpha = qAlpha(p);
        return (channel * alpha + 255 * (255 - alpha)) / 255;
    };
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(onWhite(p, qRed(p)) - onWhite(q, qRed(q))) + std::abs(onWhite(p, qGreen(p)) - onWhite(q, qGreen(q)))
                   + std::abs(onWhite(p, qBlue(p)) - onWhite(q, qBlue(q)));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(Icons, the_32_pixel_png_is_the_window_icon)
{
    const QImage ico = load(TAVRIMO_ICO, "ICO");
    const QImage png = load(TAVRIMO_ICON_32);
    ASSERT_FALSE(ico.isNull());
    ASSERT_EQ(png.size(), QSize(32, 32));
    EXPECT_EQ(png, ico);
}

// Renderings of the icon at 48 to 256 pixels, brought down to 32, differ
// from the 32-pixel picture by 5 to 15; a different picture by over 100.
constexpr double kSameDrawing = 40;

TEST(Icons, the_larger_icons_show_the_same_drawing)
{
    const QImage ico = load(TAVRIMO_ICO, "ICO");
    for (int size : {48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage png = load((std::string(TAVRIMO_PICTURES) + "/tavrimo-" + std::to_string(size) + ".png").c_str());
        ASSERT_EQ(png.size(), QSize(size, size));
        const QImage small = png.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(small, ico), kSameDrawing);
        // The measure tells pictures apart: the drawing upside down is far off.
        EXPECT_GT(meanDifference(small.mirrored(false, true), ico), kSameDrawing);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
