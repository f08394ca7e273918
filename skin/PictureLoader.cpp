#include "PictureLoader.h"

#include "BoundedRead.h"

#include <algorithm>
#include <cstdlib>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "JpegDecoder.h"

namespace PictureLoader {
namespace {

// Marks are drawn unscaled in 32 x 32 cells, so that entry of an icon is preferred.
constexpr QSize kIconCell{32, 32};
// An icon directory can claim 65535 entries; no real icon has more than a handful.
constexpr int kMaxIconEntries = 64;
constexpr int kAllocationLimitMb = 256;

QImage fail(QString* error, const QString& why) {
    if (error != nullptr) *error = why;
    return QImage();
}

quint32 le(const QByteArray& bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// Qt's reader makes a picture of a bitmap whose pixel rows were cut off; a skin file
// like that is broken. Only uncompressed rows have a size known from the header.
bool bitmapCutShort(const QByteArray& bytes) {
    constexpr qsizetype kFileHeader = 14;
    if (bytes.size() < kFileHeader + 16) return false;  // too short for Qt to accept anyway
    const qint64 pixelsAt = le(bytes, 10, 4);
    const quint32 infoSize = le(bytes, kFileHeader, 4);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (infoSize == 12) {
        width = le(bytes, kFileHeader + 4, 2);
        height = le(bytes, kFileHeader + 6, 2);
        bits = le(bytes, kFileHeader + 10, 2);
    } else if (infoSize >= 40 && bytes.size() >= kFileHeader + 20) {
        width = qint32(le(bytes, kFileHeader + 4, 4));
        height = qint32(le(bytes, kFileHeader + 8, 4));
        bits = le(bytes, kFileHeader + 14, 2);
        compression = le(bytes, kFileHeader + 16, 4);
    } else {
        return false;
    }
    const bool plainRows = compression == 0 || compression == 3 || compression == 6;
    if (!plainRows || width <= 0 || bits <= 0) return false;
    const qint64 rowBytes = (width * std::min<qint64>(bits, 64) + 31) / 32 * 4;
    const qint64 available = bytes.size() - pixelsAt;
    return available < 0 || available / rowBytes < std::abs(height);
}

qint64 area(const QImage& image) {
    return qint64(image.width()) * image.height();
}

bool better(const QImage& candidate, const QImage& best) {
    if (best.isNull()) return true;
    if (best.size() == kIconCell) return false;
    return candidate.size() == kIconCell || area(candidate) > area(best);
}

QImage readIcon(QImageReader& reader) {
    const int count = std::min(reader.imageCount(), kMaxIconEntries);
    QImage best;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (!image.isNull() && better(image, best)) best = image;
    }
    return best;
}

QImage readWithQt(const QByteArray& bytes, const char* format, bool icon, QString* error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Only the format the extension names: no second guess from the contents.
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    // Process-wide in Qt 6; every picture the game reads shares the one limit.
    QImageReader::setAllocationLimit(kAllocationLimitMb);
    if (!icon && bitmapCutShort(bytes))
        return fail(error, QStringLiteral("Not a valid BMP picture (data cut short)"));
    QImage image = icon ? readIcon(reader) : reader.read();
    if (!image.isNull()) return image;
    const QString why = reader.errorString();
    return fail(error, QStringLiteral("Not a valid %1 picture (%2)")
                           .arg(QString::fromLatin1(format).toUpper(), why));
}

}  // namespace

Kind kindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) return Kind::Bmp;
    if (suffix == QLatin1String("ico")) return Kind::Ico;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return Kind::Jpeg;
    return Kind::Unknown;
}

QImage decode(const QByteArray& bytes, Kind kind, QString* error) {
    switch (kind) {
        case Kind::Bmp:
            return readWithQt(bytes, "bmp", false, error);
        case Kind::Ico:
            return readWithQt(bytes, "ico", true, error);
        case Kind::Jpeg:
            return JpegDecoder::decode(bytes, error);
        case Kind::Unknown:
            break;
    }
    return fail(error, QStringLiteral("Unknown picture type"));
}

QImage load(const QString& path, QString* error) {
    const Kind kind = kindOf(path);
    if (kind == Kind::Unknown) return fail(error, QStringLiteral("Unknown picture type"));
    const QFileInfo info(path);
    if (!info.exists()) return fail(error, QStringLiteral("File not found"));
    if (!info.isFile()) return fail(error, QStringLiteral("Not a file"));
    if (info.size() > kMaxFileBytes) return fail(error, QStringLiteral("File too large"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(error, file.errorString());
    const QByteArray bytes = BoundedRead::upTo(file, kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return fail(error, file.errorString());
    if (bytes.size() > kMaxFileBytes) return fail(error, QStringLiteral("File too large"));
    return decode(bytes, kind, error);
}

}  // namespace PictureLoader
