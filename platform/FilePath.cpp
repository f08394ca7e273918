#include "FilePath.h"

#include <QDir>
#include <QFileInfo>

namespace FilePath {

QString join(const QString& dir, const QString& name) {
    if (dir.isEmpty()) return name;
    if (dir.endsWith(QLatin1Char('/'))) return dir + name;
    return dir + QLatin1Char('/') + name;
}

QString findNoCase(const QString& dir, const QString& name) {
    QString exact = join(dir, name);
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return join(dir, entry);
    return QString();
}

bool isFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool isDir(const QString& path) {
    return QFileInfo(path).isDir();
}

}  // namespace FilePath
