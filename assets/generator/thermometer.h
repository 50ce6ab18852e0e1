// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thermometer shown beside the temperature converter: a glass tube with
// a red column and scale marks, °C and °F written at its foot.

#include <QImage>

namespace art {

// 44 x 72, opaque; `scale` device pixels to each of its pixels.
QImage drawThermometer(qreal scale = 1);
// The face of °C and °F: DejaVu Sans, which the generator insists on.
QFont thermometerFont();

}  // namespace art
