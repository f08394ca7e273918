#pragma once
// Replaces the system calls behind Config.dat for one scope and puts the real ones
// back however the scope ends.
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "ConfigFileOps.h"

class ScopedFileOps {
public:
    explicit ScopedFileOps(const ConfigFileOps& ops) : previous_(ConfigFileOps::install(ops)) {}
    ~ScopedFileOps() { ConfigFileOps::install(previous_); }
    ScopedFileOps(const ScopedFileOps&) = delete;
    ScopedFileOps& operator=(const ScopedFileOps&) = delete;

private:
    ConfigFileOps previous_;
};

// Writes that fail part way, for ScopedFileOps. `writes` counts the writes since a test
// set it back to 0.
namespace ShortWrites {
inline int writes = 0;

// Stores the first 1000 bytes, then nothing more: a device that ran out of room.
inline ssize_t stopAfter1000(int fd, const void* buf, size_t count, off_t offset) {
    if (writes++ == 0) return ::pwrite(fd, buf, std::min<size_t>(count, 1000), offset);
    return 0;
}

// Stores 1000 bytes, then finds the disk full.
inline ssize_t fullAfter1000(int fd, const void* buf, size_t count, off_t offset) {
    if (writes++ == 0) return ::pwrite(fd, buf, std::min<size_t>(count, 1000), offset);
    errno = ENOSPC;
    return -1;
}
}  // namespace ShortWrites
