#pragma once
// Small JPEG pictures written with libjpeg, in the colour spaces the decoder must handle.
#include <QByteArray>
#include <QImage>

namespace JpegEncoder {
enum class Space { Gray, Rgb, Cmyk };
// Every pixel of the picture is `colour`; CMYK is written inverted as Adobe does.
QByteArray solid(int width, int height, QRgb colour, Space space, bool progressive = false);
}  // namespace JpegEncoder
