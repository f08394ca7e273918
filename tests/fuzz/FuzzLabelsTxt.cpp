// Labels.txt as any bytes: only the first three count, from memory and from disk alike.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "LabelStyle.h"

using FuzzSupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);
    const std::optional<LabelStyle> style = LabelStyle::parse(bytes);
    check(style.has_value() == (bytes.size() >= 3), "style present for the wrong sizes");
    check(LabelStyle::parse(bytes.left(3)) == style, "bytes past the third changed the style");

    QString error;
    const std::optional<LabelStyle> read =
        LabelStyle::read(FuzzSupport::scratchFile(QStringLiteral("Labels.txt"), bytes), &error);
    check(read == style, "file and memory give different styles");
    check(read.has_value() || !error.isEmpty(), "no style and no reason");
    return 0;
}
