#pragma once
// Windows icon files holding one 32-bit picture with its alpha channel.
#include <QByteArray>
#include <QImage>

class IcoWriter {
public:
    // The icon image: directory, then a bottom-up BGRA bitmap and its 1-bit AND mask.
    // Pictures larger than 256 x 256 are not representable and give an empty array.
    static QByteArray encode(const QImage& image);
};
