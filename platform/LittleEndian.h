#pragma once
// Appends integers in the little-endian byte order of RIFF, ICO and Config.dat.
#include <cstdint>

#include <QByteArray>
#include <QtEndian>

class LittleEndian {
public:
    static void append16(QByteArray& out, std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    }
    static void append32(QByteArray& out, std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
};
