#include "SkinMaker.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "JpegEncoder.h"

SkinMaker::SkinMaker(const QString& skinsDir, const QString& name, const QString& ext)
    : dir_(skinsDir + QLatin1Char('/') + name), ext_(ext) {
    QDir().mkpath(dir_);
    for (const QString& file : pictureNames(ext)) writePicture(file, widthOf(file, ext));
    writeBytes(QStringLiteral("Labels.txt"), "MBI\r\n");
}

QStringList SkinMaker::pictureNames(const QString& ext) {
    QStringList names{QStringLiteral("Background.") + ext};
    const auto pair = [&](const QString& family, int count) {
        for (int n = 1; n <= count; ++n) {
            names << QStringLiteral("%1%2Up.%3").arg(family).arg(n).arg(ext);
            names << QStringLiteral("%1%2Down.%3").arg(family).arg(n).arg(ext);
        }
    };
    pair(QStringLiteral("Button"), 9);
    pair(QStringLiteral("Control"), 8);
    pair(QStringLiteral("Icon"), 3);
    names << QStringLiteral("WrongButton.ico") << QStringLiteral("RightButton.ico")
          << QStringLiteral("TimeOver.ico");
    return names;
}

int SkinMaker::widthOf(const QString& fileName, const QString& ext) {
    const QStringList names = pictureNames(ext);
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(fileName, Qt::CaseInsensitive) == 0) return int(i) + 4;
    return 3;
}

QByteArray SkinMaker::encode(const QImage& image, const QString& ext) {
    const QString lower = ext.toLower();
    if (lower == QLatin1String("jpg"))
        return JpegEncoder::solid(image.width(), image.height(), image.pixel(0, 0),
                                  JpegEncoder::Space::Rgb);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, lower == QLatin1String("ico") ? "ICO" : "BMP");
    return out;
}

void SkinMaker::writePicture(const QString& fileName, int width) const {
    // Icons keep the square cell the marks are drawn in.
    const bool icon =
        QFileInfo(fileName).suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0;
    QImage image(icon ? 32 : width, icon ? 32 : 6, QImage::Format_RGB32);
    image.fill(qRgb(40, 90, 200));
    writeBytes(fileName, encode(image, QFileInfo(fileName).suffix()));
}

void SkinMaker::writeBytes(const QString& fileName, const QByteArray& bytes) const {
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write skin file");
    file.write(bytes);
}

QByteArray SkinMaker::bytes(const QString& fileName) const {
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SkinMaker::remove(const QString& fileName) const {
    QFile::remove(path(fileName));
}

void SkinMaker::rename(const QString& from, const QString& to) const {
    QFile::rename(path(from), path(to));
}
