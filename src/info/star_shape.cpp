#include "info/star_shape.h"

#include <QPolygon>
#include <cmath>

namespace Star {

int roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return int(below) + 1;
    if (fraction < 0.5)
        return int(below);
    return std::fmod(below, 2.0) == 0.0 ? int(below) : int(below) + 1;
}

QList<QPoint> points()
{
    // The angle advances in single precision; each corner is rounded on its own.
    const float step = float(6.2831853 / 26);
    float angle = float(3.14159265 / 2);
    const auto at = [&angle](double rx, double ry) {
        return QPoint(roundHalfEven(centre().x() + rx * std::cos(double(angle))),
                      roundHalfEven(centre().y() + ry * std::sin(double(angle))));
    };
    QList<QPoint> pts;
    for (int i = 0; i < 13; ++i) {
        pts << at(100, 75);
        angle += step;
        pts << at(200, 150);
        angle += step;
    }
    return pts;
}

QRegion region() { return QRegion(QPolygon(points()), Qt::OddEvenFill); }

} // namespace Star
