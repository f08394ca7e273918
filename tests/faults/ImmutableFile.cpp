#include "ImmutableFile.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>

ImmutableFile::ImmutableFile(const QString& path) : path_(QFile::encodeName(path)) {
    active_ = setFlag(true);
}

ImmutableFile::~ImmutableFile() {
    if (active_) setFlag(false);
}

bool ImmutableFile::setFlag(bool on) {
    const int fd = ::open(path_.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (!ok) why_ = QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return ok;
}
