#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "LittleEndian.h"

QByteArray WavWriter::pcm16Mono(const std::vector<float>& samples, int sampleRate) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(kHeaderSize + static_cast<int>(dataSize));
    out.append("RIFF", 4);
    LittleEndian::append32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    LittleEndian::append32(out, 16);
    LittleEndian::append16(out, 1);  // PCM
    LittleEndian::append16(out, 1);  // mono
    LittleEndian::append32(out, static_cast<std::uint32_t>(sampleRate));
    LittleEndian::append32(out, static_cast<std::uint32_t>(sampleRate) * 2);
    LittleEndian::append16(out, 2);
    LittleEndian::append16(out, 16);
    out.append("data", 4);
    LittleEndian::append32(out, dataSize);
    for (float s : samples) {
        const float c = std::clamp(s, -1.0f, 1.0f);
        LittleEndian::append16(
            out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32767.0f))));
    }
    return out;
}
