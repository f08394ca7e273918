// Skin pictures: the first byte picks the reader (BMP, ICO or JPEG) and, when it is 0xF0 or
// above, has the picture read from a file named with that extension instead of from
// memory; the rest is the picture. Files are the slow path, so they are the rare one.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "PictureLoader.h"

using FuzzSupport::check;
using PictureLoader::Kind;

namespace {
constexpr Kind kKinds[] = {Kind::Bmp, Kind::Ico, Kind::Jpeg};
const char* const kNames[] = {"Picture.bmp", "Picture.ico", "Picture.jpg"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int pick = data[0] % 3;
    const bool fromFile = data[0] >= 0xF0;
    const QByteArray bytes = FuzzSupport::bytesOf(data + 1, size - 1);
    QString error;
    QImage image;
    if (!fromFile) {
        image = PictureLoader::decode(bytes, kKinds[pick], &error);
    } else {
        const QString path = FuzzSupport::scratchFile(QString::fromLatin1(kNames[pick]), bytes);
        check(PictureLoader::kindOf(path) == kKinds[pick], "extension read wrongly");
        image = PictureLoader::load(path, &error);
        check(image == PictureLoader::decode(bytes, kKinds[pick]), "file and memory differ");
    }
    check(!image.isNull() || !error.isEmpty(), "no picture and no reason");
    return 0;
}
