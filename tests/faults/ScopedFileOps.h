#pragma once
// Replaces the system calls behind Config.dat for one scope and puts the real ones
// back however the scope ends.
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
