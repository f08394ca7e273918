#include "ConfigTestDir.h"

#include <random>

#include <QFile>

ConfigTestDir::ConfigTestDir() {
    // Readable by an unprivileged user, for the tests that drop root.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup);
}

QString ConfigTestDir::configFile() const {
    return dir_.path() + QStringLiteral("/Config.dat");
}

void ConfigTestDir::write(const ConfigRecord& rec, const QByteArray& trailer) const {
    writeBytes(rec.encode() + trailer);
}

void ConfigTestDir::writeBytes(const QByteArray& bytes) const {
    QFile file(configFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot create Config.dat");
    file.write(bytes);
}

QByteArray ConfigTestDir::bytes() const {
    QFile file(configFile());
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

ConfigRecord ConfigTestDir::read() const {
    return ConfigRecord::decode(bytes());
}

ConfigRecord ConfigTestDir::sample() {
    ConfigRecord rec = ConfigRecord::defaults();
    rec.PlayMusic = 0;
    return rec;
}

QByteArray ConfigTestDir::noise(int size, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray out(size, '\0');
    for (auto& c : out) c = char(byte(gen));
    return out;
}
