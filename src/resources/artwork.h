#pragma once
#include <QIcon>
#include <QImage>

// The start-up window's artwork, drawn at run time so no binary art is needed.
QImage bannerPicture();       // 274 x 53: the maker's name in red script, possessive
QImage speechBubblePicture(); // 236 x 140: a speech bubble with the title in navy
QIcon programIcon();          // every window but the editor
QIcon editorIcon();           // the text editor's own icon
