#include "resources/about_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QImage aboutPicture()
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Wooden frame around a pale mount.
    p.setPen(QPen(QColor(70, 40, 10), 1));
    p.setBrush(QColor(150, 95, 40));
    p.drawRect(QRectF(1.5, 1.5, 29, 29));
    p.setBrush(QColor(250, 244, 225));
    p.drawRect(QRectF(5.5, 5.5, 21, 21));
    // Head and shoulders in navy.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(QRectF(12, 8, 8, 9));
    QPainterPath shoulders;
    shoulders.moveTo(7, 26);
    shoulders.cubicTo(7, 19, 25, 19, 25, 26);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    // A small gold star in the corner of the frame.
    p.setBrush(QColor(230, 180, 30));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 1.6 : 3.6;
        const double a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(26 + r * std::cos(a), 6 + r * std::sin(a));
    }
    p.drawPolygon(star);
    return img;
}

QString aboutPictureDescription() { return QStringLiteral("A framed portrait"); }
