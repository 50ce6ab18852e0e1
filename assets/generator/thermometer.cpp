// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermometer.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace art {

QFont thermometerFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    return font;
}

QImage drawThermometer(qreal scale)
{
    QImage image(qCeil(44 * scale), qCeil(72 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor glass(0xE4, 0xF1, 0xFB), outline(0x30, 0x30, 0x30), red(0xD8, 0x10, 0x10);
    const QPointF bulb(22, 56);
    const qreal bulbRadius = 7.5, tubeHalf = 4.0, tubeTop = 4.0;

    // Glass: a tube with a rounded top, joined to the bulb.
    QPainterPath glassShape;
    glassShape.addRoundedRect(QRectF(bulb.x() - tubeHalf, tubeTop, 2 * tubeHalf, bulb.y() - tubeTop), tubeHalf, tubeHalf);
    glassShape.addEllipse(bulb, bulbRadius, bulbRadius);
    glassShape = glassShape.simplified();
    p.setPen(QPen(outline, 1.2));
    p.setBrush(glass);
    p.drawPath(glassShape);

    // Scale marks: Celsius on the left, Fahrenheit on the right.
    p.setPen(QPen(outline, 1.0));
    for (int i = 0; i <= 7; ++i) {
        const qreal y = 9.5 + i * 5;
        const qreal len = (i % 2 == 0) ? 5 : 3;
        p.drawLine(QPointF(bulb.x() - tubeHalf - 2, y), QPointF(bulb.x() - tubeHalf - 2 - len, y));
    }
    for (int i = 0; i <= 9; ++i) {
        const qreal y = 9.5 + i * 4;
        const qreal len = (i % 2 == 0) ? 5 : 3;
        p.drawLine(QPointF(bulb.x() + tubeHalf + 2, y), QPointF(bulb.x() + tubeHalf + 2 + len, y));
    }

    // The red column and the filled bulb.
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(QRectF(bulb.x() - 1.6, 22, 3.2, bulb.y() - 22), 1.6, 1.6);
    p.drawEllipse(bulb, bulbRadius - 2.2, bulbRadius - 2.2);
    // A glint on the bulb.
    p.setBrush(QColor(255, 170, 170));
    p.drawEllipse(bulb + QPointF(-2, -2), 1.3, 1.3);

    // °C and °F at the foot, either side of the bulb.
    const QFont font = thermometerFont();
    p.setFont(font);
    p.setPen(QColor(0x00, 0x00, 0xA0));
    const QFontMetrics fm(font);
    const QString celsius = QStringLiteral("°C"), fahrenheit = QStringLiteral("°F");
    const int baseline = 69;
    p.drawText(QPoint(int(bulb.x() - bulbRadius) - 2 - fm.horizontalAdvance(celsius), baseline), celsius);
    p.drawText(QPoint(int(bulb.x() + bulbRadius) + 3, baseline), fahrenheit);
    p.end();
    return image;
}

}  // namespace art
