#include "UWave.h"

#include <QFile>
#include <QIODevice>
#include <QtEndian>

#include "WaveOutput.h"

namespace {
// Reads in pieces, so a stream that lies about what follows costs no more memory
// than it really delivers.
QByteArray readUpTo(QIODevice& stream, qint32 size) {
    constexpr qint64 kPiece = qint64{64} * 1024;
    QByteArray image;
    while (image.size() < size) {
        const QByteArray piece = stream.read(std::min<qint64>(kPiece, size - image.size()));
        if (piece.isEmpty()) break;
        image += piece;
    }
    return image;
}
}  // namespace

void TWaveData::Clear() {
    bytes_.clear();
}

void TWaveData::SetData(qint32 size, const void* source) {
    Clear();
    if (size <= 0 || source == nullptr) return;
    bytes_ = QByteArray(static_cast<const char*>(source), size);
}

void TWaveData::Assign(const TWaveData* source) {
    if (source == this) return;
    if (source == nullptr) {
        Clear();
        return;
    }
    SetData(source->size(), source->bytes_.constData());
}

bool TWaveData::ReadData(QIODevice& stream) {
    Clear();
    char field[4];
    if (stream.read(field, 4) != 4) return false;
    const qint32 size = qFromLittleEndian<qint32>(field);
    if (size == 0) return true;
    if (size < 0 || size > kMaxSize) return false;
    // On a file or buffer the size can be checked before any memory is taken.
    if (!stream.isSequential() && size > stream.size() - stream.pos()) return false;
    QByteArray image = readUpTo(stream, size);
    if (image.size() != size) return false;
    bytes_ = std::move(image);
    return true;
}

bool TWaveData::WriteData(QIODevice& stream) const {
    char field[4];
    qToLittleEndian<qint32>(size(), field);
    if (stream.write(field, 4) != 4) return false;
    return bytes_.isEmpty() || stream.write(bytes_) == bytes_.size();
}

bool TWaveData::writeStored(QIODevice& stream) const {
    if (!hasStoredData()) return false;
    return WriteData(stream);
}

bool TWaveData::LoadFromFile(const QString& name) {
    Clear();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 length = file.size();
    if (length <= 0 || length > kMaxSize) return false;
    QByteArray image = file.read(length);
    if (image.size() != length) return false;
    bytes_ = std::move(image);
    return true;
}

void TWaveData::Play() const {
    if (isEmpty() || output_ == nullptr) return;
    output_->playMemory(bytes_);
}

void TWave::Play() {
    if (OnPlay) OnPlay(this);
    data_.Play();
}
