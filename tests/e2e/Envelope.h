#pragma once
// The loudness of a recording over time: the RMS of each 10 ms block of 44.1 kHz
// 16-bit stereo, which is enough to tell where a piece starts, where it is silent and
// whether two plays sound alike.
#include <cstdint>
#include <vector>

class Envelope {
public:
    static constexpr int kBlockMs = 10;
    static constexpr int kBlockFrames = 441;
    // Below this a block counts as silence: about -60 dBFS, under any synthesizer's hiss.
    static constexpr double kSilentRms = 32.0;

    Envelope() = default;
    // From interleaved stereo samples; a last incomplete block is left out.
    static Envelope of(const std::vector<std::int16_t>& stereo);

    const std::vector<double>& blocks() const { return blocks_; }
    int ms() const { return static_cast<int>(blocks_.size()) * kBlockMs; }
    bool silent() const { return longestSilenceMs() == ms(); }
    int longestSilenceMs() const;
    // A stretch of this envelope, in milliseconds from its start.
    Envelope slice(int fromMs, int lengthMs) const;

    // The normalized correlation of the blocks both have, at the best of the shifts of
    // up to `maxShiftMs` either way: 1 for the same shape of loudness over time.
    static double correlation(const Envelope& a, const Envelope& b, int maxShiftMs = 0);

private:
    static double pearson(const std::vector<double>& a, const std::vector<double>& b, int shift);

    std::vector<double> blocks_;
};
