#pragma once
// Window geometry is given in twips; at 96 dpi there are 15 twips to a pixel.

#include <QRect>
#include <QtMath>

constexpr int kTwipsPerPixel = 15;

constexpr int twips(int t) { return (t + (t >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel; }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
