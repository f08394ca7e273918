#pragma once
// The system calls behind ReadConfig/WriteConfig, replaceable so that tests can
// simulate a full disk or a flaky device without one.
#include <sys/types.h>

#include <QString>

struct ConfigFileOps {
    ssize_t (*pread)(int fd, void* buf, size_t count, off_t offset);
    ssize_t (*pwrite)(int fd, const void* buf, size_t count, off_t offset);
    int (*fsync)(int fd);

    // The real calls.
    static ConfigFileOps system();
    // The calls ReadConfig and WriteConfig use now.
    static const ConfigFileOps& current();
    // Replaces the calls in use; returns the previous set so a test can put it back.
    static ConfigFileOps install(const ConfigFileOps& ops);

    // The text the player is shown for a failed call that left `err` in errno.
    static QString errorText(int err);
};
