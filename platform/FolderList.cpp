#include "FolderList.h"

#include <algorithm>

#include <QDir>

#include "Cp1252.h"

namespace FolderList {
namespace {

bool caseBlindLess(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;  // a stable tie-break keeps the order repeatable
}

QStringList sortedUnique(QStringList names) {
    std::sort(names.begin(), names.end(), caseBlindLess);
    QStringList out;
    for (const QString& name : names) {
        if (!storable(name)) continue;
        if (!out.isEmpty() && out.last().compare(name, Qt::CaseInsensitive) == 0) continue;
        out.append(name);
    }
    return out;
}

}  // namespace

bool storable(const QString& name) {
    bool lossless = false;
    const QByteArray bytes = Cp1252::encode(name, &lossless);
    return lossless && !name.isEmpty() && bytes.size() <= kMaxStoredName;
}

QStringList subfolders(const QString& dir) {
    QStringList names = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& n) { return n.startsWith(QLatin1Char('.')); }),
                names.end());
    return sortedUnique(names);
}

QStringList filesWithSuffix(const QString& dir, const QString& suffix) {
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const QString& n) {
                                   return !n.endsWith(suffix, Qt::CaseInsensitive) ||
                                          n.size() == suffix.size();
                               }),
                names.end());
    return sortedUnique(names);
}

}  // namespace FolderList
