#pragma once
// JPEG pictures through libjpeg, for skin files and for pictures carried in memory.
// Any byte sequence is safe to pass: a broken picture gives a null image, never an exit.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace JpegDecoder {
// Pictures larger than this on either side are refused before any pixel memory is taken.
constexpr int kMaxSide = 16384;
// ... and so are pictures with more pixels than this (256 MB at four bytes a pixel).
constexpr qint64 kMaxPixels = qint64(8192) * 8192;

// Grayscale, RGB/YCbCr and (Adobe) CMYK/YCCK pictures are decoded; a file that ends
// early or breaks the format returns a null image and, when `error` is given, says why.
QImage decode(const QByteArray& bytes, QString* error = nullptr);
}  // namespace JpegDecoder
