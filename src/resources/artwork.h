#pragma once
#include <QIcon>
#include <QImage>

// The start-up window's artwork. The drawings are made once by tools/make-artwork and
// embedded as PNG files; start-up only loads them.
QImage bannerPicture();       // 274 x 53: the maker's name in red script, possessive
QImage speechBubblePicture(); // 236 x 140: a speech bubble with the title in navy
// What the two pictures show, for screen readers.
QString bannerDescription();
QString speechBubbleDescription();
QImage drawBannerPicture();
QImage drawSpeechBubblePicture();
QIcon programIcon();          // every window but the editor
QIcon editorIcon();           // the text editor's own icon
