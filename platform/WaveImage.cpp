#include "WaveImage.h"

#include "BoundedRead.h"

#include <algorithm>

#include <QFile>

namespace {
constexpr qsizetype kHeader = 12;  // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeader = 8;

quint32 get32(const QByteArray& b, qsizetype at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | quint8(b[at + i]);
    return v;
}

void set32(QByteArray& b, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xff);
}
}  // namespace

QByteArray WaveImage::clamped(const QByteArray& image) {
    if (image.size() < kHeader || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return QByteArray();
    QByteArray out = image;
    set32(out, 4, quint32(out.size() - 8));
    qsizetype at = kHeader;
    while (out.size() - at >= kChunkHeader) {
        const qsizetype room = out.size() - at - kChunkHeader;
        const qsizetype size = std::min<qsizetype>(get32(out, at + 4), room);
        set32(out, at + 4, quint32(size));
        at += kChunkHeader + size + (size & 1);
    }
    return out;
}

QByteArray WaveImage::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return QByteArray();
    return clamped(BoundedRead::upTo(file, kMaxFileBytes));
}
