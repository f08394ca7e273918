#pragma once
// A throw-away application directory holding a Config.dat for one test.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "ConfigRecord.h"

class ConfigTestDir {
public:
    ConfigTestDir();

    QString path() const { return dir_.path(); }
    QString configFile() const;

    // Writes `rec` followed by `trailer` as the whole file.
    void write(const ConfigRecord& rec, const QByteArray& trailer = QByteArray()) const;
    void writeBytes(const QByteArray& bytes) const;
    QByteArray bytes() const;
    ConfigRecord read() const;

    // The record as the installation ships it, with the music off: tests stay silent.
    static ConfigRecord sample();
    // `size` bytes from a fixed seed, so every run sees the same "random" file.
    static QByteArray noise(int size, unsigned seed = 2000);

private:
    QTemporaryDir dir_;
};
