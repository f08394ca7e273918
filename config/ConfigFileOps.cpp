#include "ConfigFileOps.h"

#include <unistd.h>

#include <cerrno>

namespace {
ConfigFileOps& inUse() {
    static ConfigFileOps ops = ConfigFileOps::system();
    return ops;
}
}  // namespace

ConfigFileOps ConfigFileOps::system() {
    return {::pread, ::pwrite, ::fsync};
}

const ConfigFileOps& ConfigFileOps::current() {
    return inUse();
}

ConfigFileOps ConfigFileOps::install(const ConfigFileOps& ops) {
    const ConfigFileOps previous = inUse();
    inUse() = ops;
    return previous;
}

QString ConfigFileOps::errorText(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("File not found");
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return QStringLiteral("File access denied");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("Too many open files");
        case ENAMETOOLONG:
            return QStringLiteral("Invalid filename");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Disk full");
        default:
            return QStringLiteral("I/O error %1").arg(err);
    }
}
