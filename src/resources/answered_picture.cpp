#include "resources/answered_picture.h"

#include <array>
#include <utility>

namespace {
// Red columns [from, to] of each row; a row may hold two runs.
struct Run { int row, from, to; };
constexpr std::array<Run, 11> kTick{{
    {1, 10, 11}, {2, 8, 10}, {3, 7, 9}, {4, 6, 8}, {5, 5, 7}, {6, 1, 2}, {6, 4, 6},
    {7, 1, 5}, {8, 1, 5}, {9, 2, 4}, {10, 2, 3},
}};

QImage makePicture()
{
    QImage img(13, 12, QImage::Format_RGB32);
    img.fill(qRgb(19, 6, 121));
    for (const Run &r : kTick) {
        for (int c = r.from; c <= r.to; ++c)
            img.setPixel(c, r.row, qRgb(225, 1, 15));
    }
    img.setPixel(3, 8, qRgb(255, 0, 0));
    return img;
}
} // namespace

const QImage &answeredPicture()
{
    static const QImage picture = makePicture();
    return picture;
}
