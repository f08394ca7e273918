#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <QtEndian>

namespace {

void put16(QByteArray& out, std::uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, std::uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

}  // namespace

QByteArray WavWriter::pcm16Mono(const std::vector<float>& samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(kHeaderSize + static_cast<int>(dataSize));
    out.append("RIFF", 4);
    put32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data", 4);
    put32(out, dataSize);
    for (float s : samples) {
        const float c = std::clamp(s, -1.0f, 1.0f);
        put16(out,
              static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32767.0f))));
    }
    return out;
}
