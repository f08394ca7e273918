#include "ConfigFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "AppDirLayout.h"
#include "ConfigFileOps.h"

namespace {

[[noreturn]] void fail(int err) {
    throw ConfigIoError(ConfigFileOps::errorText(err));
}

// Owns the descriptor of one transfer; closes it on every way out.
class OpenFile {
public:
    explicit OpenFile(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        // A NUL inside the name would silently open a different file.
        if (name.contains('\0')) throw ConfigIoError(QStringLiteral("Invalid filename"));
        do {
            fd_ = ::open(name.constData(), O_RDWR | O_CLOEXEC);
        } while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) fail(errno);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }

    int fd() const { return fd_; }

    // Closes now so that a failing close is reported, not lost in the destructor.
    void close() {
        const int fd = fd_;
        fd_ = -1;
        // Linux frees the descriptor even when close fails, so it is never retried.
        if (::close(fd) != 0 && errno != EINTR) fail(errno);
    }

private:
    int fd_ = -1;
};

void readAll(int fd, char* into, qsizetype size) {
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n =
            ConfigFileOps::current().pread(fd, into + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        if (n == 0) throw ConfigIoError(QStringLiteral("Read beyond end of file"));
        done += n;
    }
}

void writeAll(int fd, const char* from, qsizetype size) {
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n =
            ConfigFileOps::current().pwrite(fd, from + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        // A write that makes no progress will not make any on retry.
        if (n == 0) throw ConfigIoError(QStringLiteral("Disk full"));
        done += n;
    }
}

// Takes the blocks the record needs before a byte changes. A file with holes (a sparse
// copy) needs new blocks to be rewritten; on a full disk the save then fails whole
// instead of leaving the record half old, half new.
void reserveSpace(int fd, qsizetype size) {
    int rc;
    do {
        rc = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size));
    } while (rc != 0 && errno == EINTR);
    // File systems that cannot reserve report a shortage while writing instead.
    if (rc != 0 && (errno == ENOSPC || errno == EDQUOT)) fail(errno);
}

void syncAll(int fd) {
    int rc;
    do {
        rc = ConfigFileOps::current().fsync(fd);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) fail(errno);
}

}  // namespace

void ReadConfig(const QString& appDir, ConfigRecord& rec) {
    OpenFile file(AppDirLayout(appDir).configFile());
    QByteArray bytes(kConfigRecordSize, Qt::Uninitialized);
    readAll(file.fd(), bytes.data(), bytes.size());
    file.close();
    rec = ConfigRecord::decode(bytes);
}

void WriteConfig(const QString& appDir, const ConfigRecord& rec) {
    const QByteArray bytes = rec.encode();
    OpenFile file(AppDirLayout(appDir).configFile());
    reserveSpace(file.fd(), bytes.size());
    writeAll(file.fd(), bytes.constData(), bytes.size());
    syncAll(file.fd());
    file.close();
}
