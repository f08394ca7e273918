// The stored form of an embedded wave: a size then the bytes. Whatever is read back
// is written out again byte for byte; whatever is refused leaves the holder empty.
#include <cstddef>
#include <cstdint>

#include <QBuffer>

#include "FuzzSupport.h"
#include "UWave.h"

using FuzzSupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray input = FuzzSupport::bytesOf(data, size);
    QBuffer source(&input);
    source.open(QIODevice::ReadOnly);
    TWaveData wave;
    if (!wave.ReadData(source)) {
        check(wave.isEmpty(), "refused form left bytes behind");
        return 0;
    }
    QByteArray output;
    QBuffer sink(&output);
    sink.open(QIODevice::WriteOnly);
    check(wave.WriteData(sink), "write failed");
    check(output == input.left(source.pos()), "round trip differs from what was read");
    check(wave.writeStored(sink) == !wave.isEmpty(), "stored form written for nothing");
    return 0;
}
