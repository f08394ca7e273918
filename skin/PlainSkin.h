#pragma once
// A plain look drawn in code, for when even the default skin cannot be read: the game
// stays playable instead of ending or looping on the same broken files.
#include <QImage>

#include "PictureKind.h"
#include "SkinFolder.h"

namespace PlainSkin {
QImage background();
QImage button(int n, Picture picture);   // n = 1..9
QImage control(int n, Picture picture);  // n = 1..8
QImage icon(int n, Picture picture);     // n = 1..3
QImage mark(MarkKind kind);
// Every picture of the plain look, with black plain info lines.
SkinPictures pictures();
}  // namespace PlainSkin
