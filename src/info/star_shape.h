#pragma once
// The credits window's outline: a 13-pointed star in a 400 x 300 pixel box.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>

namespace Star {
// Both ellipses of the star are centred here; the star fits this box.
inline QPoint centre() { return QPoint(200, 150); }
inline QRect box() { return QRect(0, 0, 400, 300); }
// Nearest integer, a half going to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
int roundHalfEven(double value);
// 26 points, inner corners (even) and tips (odd) in turn, from straight below the centre.
QList<QPoint> points();
// The star as a window shape, even-odd fill.
QRegion region();
} // namespace Star
