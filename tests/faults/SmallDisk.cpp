#include "SmallDisk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>

namespace {
constexpr int kPage = 4096;

QString errorText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}
}  // namespace

SmallDisk::SmallDisk(const QString& mountPoint, qint64 bytes)
    : mountPoint_(QFile::encodeName(mountPoint)), filler_(mountPoint + QStringLiteral("/.filler")) {
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("zelto-test", mountPoint_.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
        why_ = QStringLiteral("mount tmpfs: ") + errorText();
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(mountPoint_.constData(), MNT_DETACH);
}

qint64 SmallDisk::fill() {
    const int fd = ::open(QFile::encodeName(filler_).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return 0;
    const QByteArray page(kPage, 'f');
    qint64 total = 0;
    while (true) {
        const ssize_t n = ::write(fd, page.constData(), page.size());
        if (n <= 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += n;
    }
    ::close(fd);
    return total;
}

void SmallDisk::unfill() {
    QFile::remove(filler_);
}

int SmallDisk::makeSparse(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return -1;
    int holes = 0;
    QByteArray page(kPage, '\0');
    for (off_t at = 0;; at += kPage) {
        const ssize_t n = ::pread(fd, page.data(), kPage, at);
        if (n <= 0) break;
        if (n == kPage && page.count('\0') == kPage &&
            ::fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, at, kPage) == 0)
            ++holes;
    }
    ::close(fd);
    return holes;
}

qint64 SmallDisk::allocatedBlocks(const QString& file) {
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0) return -1;
    return st.st_blocks;
}
