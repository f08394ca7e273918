#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include <QFile>
#include <QTemporaryDir>

namespace FuzzSupport {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString scratchFile(const QString& name, const QByteArray& bytes) {
    // One folder per process, so parallel fuzzers never share a file.
    static QTemporaryDir folder;
    check(folder.isValid(), "no scratch folder");
    const QString path = folder.filePath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file not writable");
    check(file.write(bytes) == bytes.size(), "scratch file not written");
    return path;
}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace FuzzSupport
