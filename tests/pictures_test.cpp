// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture carried decodes in its format and size; the 32-pixel PNG is the
// .ico's picture, and the larger ones renderings of the same drawing.

#include "assets/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace tavrimo;

static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace {

QString path(std::string_view resource)
{
    return QString::fromLatin1(resource.data(), static_cast<qsizetype>(resource.size()));
}

QByteArray bytesOf(std::string_view resource)
{
    QFile file(path(resource));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where a JPEG's start-of-frame segment begins (0xC0 baseline, 0xC2 progressive).
qsizetype frameSegment(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 9 < jpeg.size();) {
        if (static_cast<uchar>(jpeg[i]) != 0xFF)
            return -1;
        const int marker = static_cast<uchar>(jpeg[i + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return i;
        i += 2 + qFromBigEndian<quint16>(jpeg.constData() + i + 2);
    }
    return -1;
}

TEST(Pictures, every_stored_picture_decodes_at_its_size_in_its_format)
{
    for (const PictureInfo& p : kPictures) {
        QImageReader reader(path(p.resource));
        EXPECT_EQ(reader.format().toStdString(), std::string(p.format)) << p.control;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << p.control << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), p.width) << p.control;
        EXPECT_EQ(image.height(), p.height) << p.control;
    }
}

// The drawings are baseline colour JPEGs, the thermometer a 24-bit bitmap, the
// window icon one 32-pixel, 16-colour image.
TEST(Pictures, the_stored_files_are_of_the_kinds_the_window_expects)
{
    for (const PictureInfo& p : kPictures) {
        if (p.format != "jpeg")
            continue;
        const QByteArray bytes = bytesOf(p.resource);
        EXPECT_TRUE(bytes.startsWith("\xFF\xD8")) << p.control;
        const qsizetype frame = frameSegment(bytes);
        ASSERT_GE(frame, 0) << p.control;
        EXPECT_EQ(static_cast<uchar>(bytes[frame + 1]), 0xC0) << p.control;
        EXPECT_EQ(static_cast<uchar>(bytes[frame + 9]), 3) << p.control;
    }
    const QByteArray bmp = bytesOf(kPictures[kThermometer].resource);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);
    const QByteArray ico = bytesOf(kWindowIcon);
    ASSERT_GE(ico.size(), 22);
    EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 2), 1);  // icon
    EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 4), 1);  // one image
    EXPECT_EQ(ico.mid(6, 3), QByteArray("\x20\x20\x10"));  // 32 x 32 pixels, 16 colours
}

// The icons of the menus, beside the window's own.
QImage load(const char* path, const char* format = nullptr)
{
    QImage image(QString::fromUtf8(path), format);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per channel, 0 to 255, each pixel over white as a menu shows it.
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

// Brought down to 32 pixels the renderings differ by 5 to 15, another picture by 100.
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerPictures();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
