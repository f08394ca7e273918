#pragma once
// Mono 16-bit PCM RIFF/WAVE images.
#include <vector>

#include <QByteArray>

class WavWriter {
public:
    // Samples are clipped to [-1, 1] before they are quantised.
    static QByteArray pcm16Mono(const std::vector<float>& samples, int sampleRate);
    static constexpr int kHeaderSize = 44;
};
