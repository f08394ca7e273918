#include "MediaFiles.h"

#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
void putLe(QByteArray& out, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(char((v >> (8 * i)) & 0xff));
}

void putBe(QByteArray& out, quint32 v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.append(char((v >> (8 * i)) & 0xff));
}

// MIDI delta times are big-endian groups of seven bits.
QByteArray varLen(quint32 v) {
    QByteArray out(1, char(v & 0x7f));
    while ((v >>= 7) != 0) out.prepend(char(0x80 | (v & 0x7f)));
    return out;
}
}  // namespace

QByteArray MediaFiles::wave(int frames, int rate, int tone) {
    QByteArray pcm;
    for (int i = 0; i < frames; ++i)
        putLe(pcm, quint16(qint16(8000 * std::sin(2 * M_PI * tone * i / rate))), 2);
    QByteArray out("RIFF");
    putLe(out, 36 + pcm.size(), 4);
    out.append("WAVEfmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2);  // PCM
    putLe(out, 1, 2);  // mono
    putLe(out, rate, 4);
    putLe(out, rate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out.append("data");
    putLe(out, pcm.size(), 4);
    return out + pcm;
}

namespace {
QByteArray smf(const QByteArray& track) {
    QByteArray out("MThd");
    putBe(out, 6, 4);
    putBe(out, 0, 2);   // format 0
    putBe(out, 1, 2);   // one track
    putBe(out, 96, 2);  // ticks per quarter
    out.append("MTrk");
    putBe(out, track.size(), 4);
    return out + track;
}

QByteArray note(int delay, int key, int velocity, int length) {
    return varLen(delay) + QByteArray(1, char(0x90)) + char(key) + char(velocity) + varLen(length) +
           QByteArray(1, char(0x80)) + char(key) + char(64);
}
}  // namespace

QByteArray MediaFiles::midi(int ticks) {
    QByteArray track;
    track += QByteArray::fromHex("00c000");    // piano
    track += note(0, 60, 100, ticks);          // middle C
    track += QByteArray::fromHex("00ff2f00");  // end of track
    return smf(track);
}

QByteArray MediaFiles::melody(int seconds) {
    constexpr int kEighth = 24;  // an eighth of a second at 96 ticks per half-second quarter
    QByteArray track = QByteArray::fromHex("00c000");
    int rest = 0;
    for (int i = 0; i < seconds * 8; ++i) {
        if (i % 4 == 3) {
            rest += kEighth;
            continue;
        }
        track += note(rest, 60 + (i * 5) % 12, 30 + (i * 53) % 97, kEighth);
        rest = 0;
    }
    track += varLen(rest) + QByteArray::fromHex("ff2f00");
    return smf(track);
}

QByteArray MediaFiles::sustained(int ticks) {
    QByteArray track = QByteArray::fromHex("00c013");  // church organ: sounds while held
    track += note(0, 60, 110, ticks);
    track += QByteArray::fromHex("00ff2f00");
    return smf(track);
}

bool MediaFiles::write(const QString& path, const QByteArray& bytes) {
    if (!makeDir(QFileInfo(path).path())) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size();
}

bool MediaFiles::makeDir(const QString& path) {
    return QDir().mkpath(path);
}
