#pragma once
#include <QImage>

// The 13 x 12 red tick on dark blue that every answered marker shows.
const QImage &answeredPicture();
