// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include "icon.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <stdexcept>

namespace art {

namespace {

[[noreturn]] void fail(const QString &path, const QString &why)
{
    throw std::runtime_error((path + QStringLiteral(": ") + why).toStdString());
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("cannot read back"));
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail(path, QStringLiteral("cannot write"));
}

int be16(const QByteArray &b, qsizetype at) { return (uchar(b[at]) << 8) | uchar(b[at + 1]); }
int le16(const QByteArray &b, qsizetype at) { return uchar(b[at]) | (uchar(b[at + 1]) << 8); }
qint32 le32(const QByteArray &b, qsizetype at) { return qint32(quint32(le16(b, at)) | (quint32(le16(b, at + 2)) << 16)); }

void putLe16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void putLe32(QByteArray &b, quint32 v)
{
    putLe16(b, int(v & 0xFFFF));
    putLe16(b, int(v >> 16));
}

void checkReadsBack(const QString &path, QSize expected)
{
    QImageReader reader(path);
    const QImage back = reader.read();
    if (back.isNull())
        fail(path, QStringLiteral("Qt cannot read it back: ") + reader.errorString());
    if (back.size() != expected)
        fail(path, QStringLiteral("reads back as %1x%2").arg(back.width()).arg(back.height()));
}

}  // namespace

void writeJpeg(const QImage &image, const QString &path, int quality)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        fail(path, writer.errorString());

    // Walk the markers up to the start of the scan: there must be a JFIF
    // header and a baseline frame (SOF0) with three components of the right size.
    const QByteArray b = readAll(path);
    if (b.size() < 4 || uchar(b[0]) != 0xFF || uchar(b[1]) != 0xD8)
        fail(path, QStringLiteral("no JPEG start marker"));
    bool jfif = false;
    int frame = -1, width = 0, height = 0, components = 0;
    qsizetype at = 2;
    while (at + 4 <= b.size()) {
        if (uchar(b[at]) != 0xFF)
            fail(path, QStringLiteral("marker expected at %1").arg(at));
        const int marker = uchar(b[at + 1]);
        if (marker == 0xDA || marker == 0xD9)
            break;
        const int length = be16(b, at + 2);
        if (marker == 0xE0 && b.mid(at + 4, 5) == QByteArray("JFIF\0", 5))
            jfif = true;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            frame = marker;
            height = be16(b, at + 5);
            width = be16(b, at + 7);
            components = uchar(b[at + 9]);
        }
        at += 2 + length;
    }
    if (!jfif)
        fail(path, QStringLiteral("no JFIF header"));
    if (frame != 0xC0)
        fail(path, QStringLiteral("frame marker 0xFF%1, not baseline 0xFFC0").arg(frame, 2, 16, QLatin1Char('0')));
    if (components != 3)
        fail(path, QStringLiteral("%1 components, not 3").arg(components));
    if (QSize(width, height) != image.size())
        fail(path, QStringLiteral("frame is %1x%2").arg(width).arg(height));
    checkReadsBack(path, image.size());
}

void writeBmp24(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        fail(path, writer.errorString());

    const QByteArray b = readAll(path);
    if (b.size() < 54 || b.left(2) != "BM")
        fail(path, QStringLiteral("no BM header"));
    if (le32(b, 14) != 40)
        fail(path, QStringLiteral("not a BITMAPINFOHEADER"));
    if (le32(b, 18) != image.width() || le32(b, 22) != image.height())
        fail(path, QStringLiteral("header gives %1x%2").arg(le32(b, 18)).arg(le32(b, 22)));
    if (le16(b, 28) != 24)
        fail(path, QStringLiteral("%1 bits per pixel, not 24").arg(le16(b, 28)));
    if (le32(b, 30) != 0)
        fail(path, QStringLiteral("compressed (BI_RGB expected)"));
    checkReadsBack(path, image.size());
}

void writeIco16(const QImage &drawing, const QString &path)
{
    constexpr int size = 32;
    if (drawing.size() != QSize(size, size))
        fail(path, QStringLiteral("the icon drawing must be 32x32"));
    const std::vector<int> index = quantiseToVga(drawing);

    constexpr int xorRow = size / 2;                // 4 bits per pixel, already a multiple of 4 bytes
    constexpr int andRow = ((size + 31) / 32) * 4;  // 1 bit per pixel, padded to 4 bytes
    constexpr int paletteBytes = 16 * 4;
    constexpr int imageBytes = 40 + paletteBytes + xorRow * size + andRow * size;

    QByteArray b;
    // ICONDIR
    putLe16(b, 0);  // reserved
    putLe16(b, 1);  // icon
    putLe16(b, 1);  // one image
    // ICONDIRENTRY
    b.append(char(size));
    b.append(char(size));
    b.append(char(16));  // colours in the palette
    b.append(char(0));
    putLe16(b, 1);   // planes
    putLe16(b, 4);   // bits per pixel
    putLe32(b, imageBytes);
    putLe32(b, 6 + 16);  // the image follows the directory
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask
    putLe32(b, 40);
    putLe32(b, size);
    putLe32(b, 2 * size);
    putLe16(b, 1);
    putLe16(b, 4);
    putLe32(b, 0);  // BI_RGB
    putLe32(b, xorRow * size + andRow * size);
    putLe32(b, 0);
    putLe32(b, 0);
    putLe32(b, 16);
    putLe32(b, 0);
    for (const QRgb c : kVgaPalette) {  // RGBQUAD: blue, green, red, 0
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    // Colour bitmap, bottom row first, two pixels a byte (left one in the
    // high nibble). Transparent pixels are black here and set in the mask.
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; x += 2) {
            const int left = std::max(index[y * size + x], 0), right = std::max(index[y * size + x + 1], 0);
            b.append(char((left << 4) | right));
        }
    }
    // Mask, bottom row first, one bit a pixel, most significant bit first; 1 = transparent.
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(andRow, '\0');
        for (int x = 0; x < size; ++x)
            if (index[y * size + x] < 0)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        b.append(row);
    }
    if (b.size() != 6 + 16 + imageBytes)
        fail(path, QStringLiteral("internal size mismatch"));
    writeAll(path, b);

    // Read back with Qt and compare every pixel with the quantised drawing.
    QImageReader reader(path, "ico");
    const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (back.isNull())
        fail(path, QStringLiteral("Qt cannot read it back: ") + reader.errorString());
    if (back.size() != QSize(size, size))
        fail(path, QStringLiteral("reads back as %1x%2").arg(back.width()).arg(back.height()));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int i = index[y * size + x];
            const QRgb got = back.pixel(x, y);
            const bool same = i < 0 ? qAlpha(got) == 0 : got == (kVgaPalette[i] | 0xFF000000u);
            if (!same)
                fail(path, QStringLiteral("pixel %1,%2 reads back as #%3").arg(x).arg(y).arg(got, 8, 16, QLatin1Char('0')));
        }
    }
}

void writePng(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "png");
    if (!writer.write(image))
        fail(path, writer.errorString());
    checkReadsBack(path, image.size());
}

}  // namespace art
