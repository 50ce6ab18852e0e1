// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Arabic names of the quantities written on the drawings.

#include <QString>

namespace art::letters {

inline const QString radius = QStringLiteral("نق");         // radius
inline const QString smallRadius = QStringLiteral("نقَ");    // radius of the smaller base of a frustum
inline const QString circleRadius = QStringLiteral("ر");    // radius on the circle and square sheets
inline const QString squareSide = QStringLiteral("ض");      // side of the square
inline const QString angle = QStringLiteral("يه");          // angle
inline const QString side = QStringLiteral("ل");            // side, edge, arc length
inline const QString slant = QStringLiteral("عا");          // slant height, apothem
inline const QString height = QStringLiteral("ع");          // height
inline const QString chord = QStringLiteral("و");           // chord
inline const QString boxLength = QStringLiteral("س");       // length of a box
inline const QString boxWidth = QStringLiteral("ع");        // width of a box
inline const QString boxHeight = QStringLiteral("ص");       // height of a box
inline const QString diagonal = QStringLiteral("ق");        // space diagonal
inline const QString hypotenuse = QStringLiteral("الوتر");  // hypotenuse
inline const QString opposite = QStringLiteral("المقابل");  // side opposite the angle
inline const QString adjacent = QStringLiteral("المجاور");  // side next to the angle

}  // namespace art::letters
