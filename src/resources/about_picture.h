#pragma once
#include <QImage>

// The about window's 32 x 32 picture: a framed portrait, the way into the credits.
QImage aboutPicture();
QString aboutPictureDescription();
