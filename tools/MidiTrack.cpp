#include "MidiTrack.h"

#include <algorithm>

#include <QtEndian>

namespace {

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v & 0xFF));
    return out;
}

}  // namespace

void MidiTrack::add(int tick, int order, QByteArray bytes) {
    events_.push_back({std::max(0, tick), order, std::move(bytes)});
}

void MidiTrack::name(const QByteArray& text) {
    add(0, 1, bytesOf({0xFF, 0x03}) + varLen(static_cast<std::uint32_t>(text.size())) + text);
}

void MidiTrack::tempo(int tick, int microsPerQuarter) {
    add(tick, 1,
        bytesOf(
            {0xFF, 0x51, 0x03, microsPerQuarter >> 16, microsPerQuarter >> 8, microsPerQuarter}));
}

void MidiTrack::timeSignature(int tick, int numerator, int denominatorPower) {
    add(tick, 1, bytesOf({0xFF, 0x58, 0x04, numerator, denominatorPower, 24, 8}));
}

void MidiTrack::program(int tick, int channel, int program) {
    add(tick, 1, bytesOf({0xC0 | (channel & 0x0F), program & 0x7F}));
}

void MidiTrack::controller(int tick, int channel, int number, int value) {
    add(tick, 1, bytesOf({0xB0 | (channel & 0x0F), number & 0x7F, value & 0x7F}));
}

void MidiTrack::note(int tick, int length, int channel, int key, int velocity) {
    add(tick, 2, bytesOf({0x90 | (channel & 0x0F), key & 0x7F, std::clamp(velocity, 1, 127)}));
    add(tick + std::max(1, length), 0, bytesOf({0x80 | (channel & 0x0F), key & 0x7F, 0x40}));
}

int MidiTrack::endTick() const {
    int end = 0;
    for (const Event& e : events_) end = std::max(end, e.tick);
    return end;
}

QByteArray MidiTrack::encode(int endAt) const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    int now = 0;
    for (const Event& e : sorted) {
        body += varLen(static_cast<std::uint32_t>(e.tick - now));
        body += e.bytes;
        now = e.tick;
    }
    body += varLen(static_cast<std::uint32_t>(std::max(0, endAt - now)));
    body += bytesOf({0xFF, 0x2F, 0x00});

    QByteArray chunk("MTrk");
    char size[4];
    qToBigEndian(static_cast<std::uint32_t>(body.size()), size);
    chunk.append(size, 4);
    return chunk + body;
}

QByteArray MidiTrack::varLen(std::uint32_t value) {
    QByteArray out;
    out.prepend(static_cast<char>(value & 0x7F));
    while (value >>= 7) out.prepend(static_cast<char>((value & 0x7F) | 0x80));
    return out;
}
