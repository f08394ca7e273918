#include "IcoWriter.h"

#include <cstdint>

#include "LittleEndian.h"

namespace {

QByteArray bitmap(const QImage& img) {
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    LittleEndian::append32(out, 40);
    LittleEndian::append32(out, static_cast<std::uint32_t>(w));
    LittleEndian::append32(out, static_cast<std::uint32_t>(2 * h));  // colour rows and mask rows
    LittleEndian::append16(out, 1);
    LittleEndian::append16(out, 32);
    LittleEndian::append32(out, 0);
    LittleEndian::append32(out, static_cast<std::uint32_t>(w * h * 4 + maskStride * h));
    LittleEndian::append32(out, 0);
    LittleEndian::append32(out, 0);
    LittleEndian::append32(out, 0);
    LittleEndian::append32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x];
            const char px[4] = {static_cast<char>(qBlue(c)), static_cast<char>(qGreen(c)),
                                static_cast<char>(qRed(c)), static_cast<char>(qAlpha(c))};
            out.append(px, 4);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray line(maskStride, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) < 128)
                line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
        out += line;
    }
    return out;
}

}  // namespace

QByteArray IcoWriter::encode(const QImage& image) {
    if (image.isNull() || image.width() > 256 || image.height() > 256) return {};
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray payload = bitmap(img);
    QByteArray out;
    LittleEndian::append16(out, 0);
    LittleEndian::append16(out, 1);                     // icon
    LittleEndian::append16(out, 1);                     // one image
    out.append(static_cast<char>(img.width() & 0xFF));  // 256 is stored as 0
    out.append(static_cast<char>(img.height() & 0xFF));
    out.append('\0');  // no palette
    out.append('\0');
    LittleEndian::append16(out, 1);
    LittleEndian::append16(out, 32);
    LittleEndian::append32(out, static_cast<std::uint32_t>(payload.size()));
    LittleEndian::append32(out, 22);
    return out + payload;
}
