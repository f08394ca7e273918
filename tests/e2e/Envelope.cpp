#include "Envelope.h"

#include <algorithm>
#include <cmath>

Envelope Envelope::of(const std::vector<std::int16_t>& stereo) {
    Envelope e;
    constexpr size_t kBlockSamples = 2 * kBlockFrames;
    for (size_t start = 0; start + kBlockSamples <= stereo.size(); start += kBlockSamples) {
        double sum = 0;
        for (size_t i = start; i < start + kBlockSamples; ++i) sum += double(stereo[i]) * stereo[i];
        e.blocks_.push_back(std::sqrt(sum / kBlockSamples));
    }
    return e;
}

int Envelope::longestSilenceMs() const {
    int longest = 0, run = 0;
    for (double rms : blocks_) {
        run = rms < kSilentRms ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest * kBlockMs;
}

Envelope Envelope::slice(int fromMs, int lengthMs) const {
    Envelope e;
    const size_t from = std::min(blocks_.size(), size_t(std::max(0, fromMs / kBlockMs)));
    const size_t to = std::min(blocks_.size(), from + size_t(std::max(0, lengthMs / kBlockMs)));
    e.blocks_.assign(blocks_.begin() + from, blocks_.begin() + to);
    return e;
}

double Envelope::correlation(const Envelope& a, const Envelope& b, int maxShiftMs) {
    double best = -1;
    const int maxShift = maxShiftMs / kBlockMs;
    for (int shift = -maxShift; shift <= maxShift; ++shift)
        best = std::max(best, pearson(a.blocks_, b.blocks_, shift));
    return best;
}

// Block i of `a` against block i + shift of `b`, over the blocks both have.
double Envelope::pearson(const std::vector<double>& a, const std::vector<double>& b, int shift) {
    std::vector<std::pair<double, double>> pairs;
    for (int i = 0; i < int(a.size()); ++i)
        if (i + shift >= 0 && i + shift < int(b.size())) pairs.emplace_back(a[i], b[i + shift]);
    if (pairs.size() < 2) return 0;
    double meanA = 0, meanB = 0;
    for (const auto& [x, y] : pairs) meanA += x, meanB += y;
    meanA /= pairs.size();
    meanB /= pairs.size();
    double ab = 0, aa = 0, bb = 0;
    for (const auto& [x, y] : pairs) {
        ab += (x - meanA) * (y - meanB);
        aa += (x - meanA) * (x - meanA);
        bb += (y - meanB) * (y - meanB);
    }
    // A flat envelope has no shape to compare.
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}
