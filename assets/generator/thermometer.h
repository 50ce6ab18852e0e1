// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thermometer shown beside the temperature converter: a glass tube with
// a red column and scale marks, °C and °F written at its foot.

#include <QImage>

namespace art {

QImage drawThermometer();  // 44 x 72, opaque

}  // namespace art
