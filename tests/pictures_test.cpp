// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the executable carries decodes, in the format and at the size
// the window expects; a broken picture fails here, not in front of a person.

#include "assets/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

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

// Where the start-of-frame segment of a JPEG begins; its marker is 0xC0 for
// baseline and 0xC2 for progressive, its ninth byte the colour components.
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

TEST(Pictures, the_drawings_are_baseline_colour_jpegs)
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
}

TEST(Pictures, the_thermometer_is_a_24_bit_bitmap)
{
    const QByteArray bmp = bytesOf(kPictures[kThermometer].resource);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);
}

TEST(Pictures, the_window_icon_is_one_32_pixel_16_colour_image)
{
    const QByteArray ico = bytesOf(kWindowIcon);
    ASSERT_GE(ico.size(), 22);
    EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 2), 1);  // icon
    EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 4), 1);  // one image
    EXPECT_EQ(static_cast<uchar>(ico[6]), 32);
    EXPECT_EQ(static_cast<uchar>(ico[7]), 32);
    EXPECT_EQ(static_cast<uchar>(ico[8]), 16);
    EXPECT_EQ(QImage(path(kWindowIcon)).size(), QSize(32, 32));
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
