#include "TestPiece.h"

#include <QFile>

namespace {
constexpr int kNoteMs = 200;

// Delta times are big-endian groups of seven bits.
QByteArray varLen(quint32 v) {
    QByteArray out(1, char(v & 0x7f));
    while ((v >>= 7) != 0) out.prepend(char(0x80 | (v & 0x7f)));
    return out;
}

QByteArray bigEndian(quint32 v, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i) out.append(char((v >> (8 * i)) & 0xff));
    return out;
}

QByteArray note(int key, int velocity, int ms) {
    return varLen(0) + char(0x90) + char(key) + char(velocity) + varLen(ms) + char(0x80) +
           char(key) + char(0);
}

// Square lead: a note sounds at full strength at once and stops when released.
QByteArray smf(const QByteArray& notes) {
    const QByteArray track =
        QByteArray::fromHex("00c050") + notes + QByteArray::fromHex("00ff2f00");
    return "MThd" + bigEndian(6, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(500, 2) +
           "MTrk" + bigEndian(track.size(), 4) + track;
}
}  // namespace

QByteArray TestPiece::sustained(int ms) {
    return smf(note(69, 110, ms));
}

QByteArray TestPiece::steps(int ms) {
    QByteArray notes;
    for (int i = 0; i < ms / kNoteMs; ++i) {
        // Loudness and pitch wander without repeating within the piece.
        const int velocity = i == 0 ? 127 : 20 + (i * 71) % 108;
        notes += note(60 + (i * 7) % 17, velocity, kNoteMs);
    }
    return smf(notes);
}

bool TestPiece::write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
