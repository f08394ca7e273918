#include "EmbeddedData.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include "JpegDecoder.h"
#include "UWave.h"

namespace EmbeddedData {

QString path(const QString& name) {
    return QStringLiteral(":/embedded/") + name;
}

QByteArray read(const QString& name) {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

QPixmap picture(const QString& name, QSize size) {
    const QByteArray bytes = read(name);
    if (bytes.isEmpty()) return QPixmap();
    const QImage image = JpegDecoder::decode(bytes);
    if (image.isNull()) return QPixmap();
    if (image.size() == size) return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool readWave(const QString& name, TWaveData& data) {
    QByteArray stored = read(name);
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    if (stored.isEmpty()) {
        data.Clear();
        return false;
    }
    return data.ReadData(buffer);
}

}  // namespace EmbeddedData
