// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing the picture files, each read back and checked after writing. Every
// function throws std::runtime_error with a message when something is wrong.

#include <QImage>
#include <QString>

namespace art {

// Baseline JFIF JPEG, three colour components.
void writeJpeg(const QImage &image, const QString &path, int quality);

// Windows bitmap, 24 bits per pixel, uncompressed.
void writeBmp24(const QImage &image, const QString &path);

// Windows icon file with one 32 x 32 image in 16 colours (4 bits per pixel,
// the standard VGA palette) and its transparency mask.
void writeIco16(const QImage &drawing, const QString &path);

void writePng(const QImage &image, const QString &path);

}  // namespace art
