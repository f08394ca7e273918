#include "ReadOnlyFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>

namespace {
constexpr uid_t kNobody = 65534;
}

ReadOnlyFile::ReadOnlyFile(const QString& path) : path_(QFile::encodeName(path)) {
    struct stat st {};
    if (::stat(path_.constData(), &st) != 0 || ::chmod(path_.constData(), st.st_mode & 0444) != 0) {
        why_ = QStringLiteral("chmod: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mode_ = st.st_mode & 07777;
    if (::geteuid() == 0) {
        if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0) {
            why_ = QStringLiteral("seteuid: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            (void)::setegid(0);
            return;
        }
        dropped_ = true;
    }
    active_ = true;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (dropped_) {
        (void)::seteuid(0);
        (void)::setegid(0);
    }
    if (mode_ != 0) (void)::chmod(path_.constData(), mode_);
}
