#pragma once
// Skin pictures from disk, decoded by what their file name says they are: ".bmp" as a
// Windows bitmap, ".ico" as a Windows icon, ".jpg"/".jpeg" as JPEG (letter case ignored).
// A file whose contents do not match its extension is an error, not a guess.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace PictureLoader {
enum class Kind { Unknown, Bmp, Ico, Jpeg };

// Files larger than this are refused unread.
constexpr qint64 kMaxFileBytes = qint64(64) * 1024 * 1024;

Kind kindOf(const QString& path);

// A null image on any failure, with the reason in `error` when given.
QImage load(const QString& path, QString* error = nullptr);
QImage decode(const QByteArray& bytes, Kind kind, QString* error = nullptr);
}  // namespace PictureLoader
