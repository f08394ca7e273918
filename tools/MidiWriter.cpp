#include "MidiWriter.h"

#include <algorithm>
#include <cstdint>

#include <QtEndian>

namespace {

void put16(QByteArray& out, std::uint16_t v) {
    char b[2];
    qToBigEndian(v, b);
    out.append(b, 2);
}

}  // namespace

QByteArray MidiWriter::format1(const std::vector<MidiTrack>& tracks, int ticksPerQuarter,
                               int endTick) {
    int end = endTick;
    for (const MidiTrack& t : tracks) end = std::max(end, t.endTick());

    QByteArray out("MThd");
    out.append("\0\0\0\x06", 4);
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(tracks.size()));
    put16(out, static_cast<std::uint16_t>(ticksPerQuarter & 0x7FFF));
    for (const MidiTrack& t : tracks) out += t.encode(end);
    return out;
}
