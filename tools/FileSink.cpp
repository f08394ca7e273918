#include "FileSink.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {

[[noreturn]] void fail(const QString& path, const QString& why) {
    throw FileSinkError(QStringLiteral("cannot write %1: %2").arg(path, why).toStdString());
}

}  // namespace

void FileSink::write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) fail(path, file.errorString());
    if (file.write(bytes) != bytes.size()) fail(path, file.errorString());
    if (!file.commit()) fail(path, file.errorString());
}

bool FileSink::create(const QString& path, const QByteArray& bytes) {
    if (QFileInfo::exists(path)) return false;
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    {
        QFile file(temp);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) fail(temp, file.errorString());
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            const QString why = file.errorString();
            file.close();
            QFile::remove(temp);
            fail(temp, why);
        }
    }
    // QFile::rename never replaces an existing file, so a file that appeared meanwhile wins.
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        if (QFileInfo::exists(path)) return false;
        fail(path, QStringLiteral("rename failed"));
    }
    return true;
}

void FileSink::writeImage(const QString& path, const QImage& image, const char* format,
                          int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) fail(path, writer.errorString());
    write(path, bytes);
}

void FileSink::makeDir(const QString& path) {
    if (!QDir().mkpath(path)) fail(path, QStringLiteral("cannot create the folder"));
}
