// JPEG pictures from memory: any bytes give a picture within the limits or a reason.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "JpegDecoder.h"

using FuzzSupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString error;
    const QImage image = JpegDecoder::decode(FuzzSupport::bytesOf(data, size), &error);
    if (image.isNull()) {
        check(!error.isEmpty(), "no picture and no reason");
        return 0;
    }
    check(image.width() <= JpegDecoder::kMaxSide && image.height() <= JpegDecoder::kMaxSide,
          "picture side over the limit");
    check(qint64(image.width()) * image.height() <= JpegDecoder::kMaxPixels,
          "picture area over the limit");
    return 0;
}
