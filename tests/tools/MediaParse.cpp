#include "MediaParse.h"

#include <algorithm>

#include <QtEndian>

namespace {

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t le16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}
std::uint32_t be32(const QByteArray& b, qsizetype at) {
    return qFromBigEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t be16(const QByteArray& b, qsizetype at) {
    return qFromBigEndian<std::uint16_t>(b.constData() + at);
}

bool readVarLen(const QByteArray& b, qsizetype& pos, qsizetype end, std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) return false;
        const auto c = static_cast<std::uint8_t>(b[pos++]);
        out = (out << 7) | (c & 0x7F);
        if (!(c & 0x80)) return true;
    }
    return false;
}

// Walks one MTrk body; false with `error` set when it is malformed.
bool walkTrack(const QByteArray& b, qsizetype pos, qsizetype end, MidiInfo& info, QString& error) {
    int tick = 0;
    int status = 0;
    bool ended = false;
    while (pos < end) {
        std::uint32_t delta = 0;
        if (!readVarLen(b, pos, end, delta) || pos >= end) return error = "bad delta", false;
        tick += static_cast<int>(delta);
        auto c = static_cast<std::uint8_t>(b[pos]);
        if (c & 0x80)
            status = c, ++pos;
        else if (!status)
            return error = "running status without status", false;
        if (status == 0xFF) {
            if (pos >= end) return error = "short meta", false;
            const auto type = static_cast<std::uint8_t>(b[pos++]);
            std::uint32_t len = 0;
            if (!readVarLen(b, pos, end, len) || pos + len > end) return error = "bad meta", false;
            if (type == 0x51 && len == 3) {
                info.microsPerQuarter = (static_cast<std::uint8_t>(b[pos]) << 16) |
                                        (static_cast<std::uint8_t>(b[pos + 1]) << 8) |
                                        static_cast<std::uint8_t>(b[pos + 2]);
                ++info.tempoEvents;
            }
            pos += len;
            status = 0;
            if (type == 0x2F) {
                info.lastTick = std::max(info.lastTick, tick);
                ended = true;
                break;
            }
        } else if (status == 0xF0 || status == 0xF7) {
            std::uint32_t len = 0;
            if (!readVarLen(b, pos, end, len) || pos + len > end) return error = "bad sysex", false;
            pos += len;
            status = 0;
        } else {
            const int kind = status & 0xF0;
            const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (pos + dataBytes > end) return error = "short channel event", false;
            if (kind == 0x90 && static_cast<std::uint8_t>(b[pos + 1]) > 0) ++info.noteOns;
            if (kind == 0xC0) info.programs.push_back(static_cast<std::uint8_t>(b[pos]));
            pos += dataBytes;
        }
        info.lastTick = std::max(info.lastTick, tick);
    }
    if (!ended) return error = "no end of track", false;
    if (pos != end) return error = "bytes after end of track", false;
    return true;
}

}  // namespace

WaveInfo MediaParse::wave(const QByteArray& b) {
    WaveInfo w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        w.error = "not RIFF/WAVE";
        return w;
    }
    w.riffSize = le32(b, 4);
    qsizetype pos = 12;
    bool haveFmt = false;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const std::uint32_t size = le32(b, pos + 4);
        pos += 8;
        if (pos + size > static_cast<std::uint32_t>(b.size())) {
            w.error = "chunk runs past the end";
            return w;
        }
        if (id == "fmt " && size >= 16) {
            w.format = le16(b, pos);
            w.channels = le16(b, pos + 2);
            w.sampleRate = static_cast<int>(le32(b, pos + 4));
            w.byteRate = static_cast<int>(le32(b, pos + 8));
            w.blockAlign = le16(b, pos + 12);
            w.bits = le16(b, pos + 14);
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt || w.bits != 16) {
                w.error = "data before fmt, or not 16-bit";
                return w;
            }
            for (std::uint32_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le16(b, pos + i)));
        }
        pos += size + (size & 1);
    }
    w.ok = haveFmt && !w.samples.empty();
    if (!w.ok) w.error = "missing fmt or data";
    return w;
}

MidiInfo MediaParse::midi(const QByteArray& b) {
    MidiInfo m;
    if (b.size() < 14 || !b.startsWith("MThd") || be32(b, 4) != 6) {
        m.error = "no MThd";
        return m;
    }
    m.format = be16(b, 8);
    m.trackCount = be16(b, 10);
    m.division = be16(b, 12);
    qsizetype pos = 14;
    while (pos + 8 <= b.size()) {
        if (b.mid(pos, 4) != "MTrk") {
            m.error = "chunk is not MTrk";
            return m;
        }
        const std::uint32_t size = be32(b, pos + 4);
        if (pos + 8 + size > static_cast<std::uint32_t>(b.size())) {
            m.error = "MTrk runs past the end";
            return m;
        }
        if (!walkTrack(b, pos + 8, pos + 8 + size, m, m.error)) return m;
        ++m.tracksFound;
        pos += 8 + size;
    }
    m.ok = pos == b.size() && m.tracksFound == m.trackCount && m.division > 0 &&
           !(m.division & 0x8000);
    if (!m.ok && m.error.isEmpty()) m.error = "track count, division or trailing bytes wrong";
    return m;
}

double MediaParse::zeroCrossingPitch(const WaveInfo& w, double from, double to) {
    const auto a = static_cast<size_t>(from * w.sampleRate);
    const auto z = std::min(w.samples.size(), static_cast<size_t>(to * w.sampleRate));
    int crossings = 0;
    for (size_t i = a + 1; i < z; ++i)
        if ((w.samples[i - 1] < 0) != (w.samples[i] < 0)) ++crossings;
    return z > a ? crossings / 2.0 / (double(z - a) / w.sampleRate) : 0.0;
}
