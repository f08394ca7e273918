#include "MixCapture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include <SDL_mixer.h>

#include "EventWait.h"

namespace {
// Below this mean sample a bin counts as silence (full scale is 32767).
constexpr double kSilence = 40;
}  // namespace

MixCapture::MixCapture() {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) != 0) framesPerBin_ = rate * kBinMs / 1000;
    Mix_SetPostMix(&MixCapture::mixed, this);
}

MixCapture::~MixCapture() {
    Mix_SetPostMix(nullptr, nullptr);
}

void MixCapture::restart() {
    const std::lock_guard lock(mutex_);
    bins_.clear();
    sum_ = 0;
    frames_ = 0;
}

// The device runs 16-bit stereo: the left channel stands for both.
void MixCapture::mixed(void* self, unsigned char* stream, int length) {
    auto* capture = static_cast<MixCapture*>(self);
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    const std::lock_guard lock(capture->mutex_);
    for (int i = 0; i < length / 4; ++i) {
        capture->sum_ += std::abs(samples[2 * i]);
        if (++capture->frames_ < capture->framesPerBin_) continue;
        capture->bins_.push_back(capture->sum_ / capture->frames_);
        capture->sum_ = 0;
        capture->frames_ = 0;
    }
}

bool MixCapture::waitFor(int ms) {
    const std::size_t wanted = static_cast<std::size_t>(ms / kBinMs);
    return EventWait::until([&] { return envelope().size() >= wanted; }, ms + 10000);
}

std::vector<double> MixCapture::envelope() const {
    const std::lock_guard lock(mutex_);
    return bins_;
}

int MixCapture::longestSilenceMs() const {
    const std::vector<double> bins = envelope();
    const auto first =
        std::find_if(bins.begin(), bins.end(), [](double b) { return b >= kSilence; });
    int longest = 0, run = 0;
    for (auto it = first; it != bins.end(); ++it) {
        run = *it < kSilence ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest * kBinMs;
}

double MixCapture::correlation(const std::vector<double>& a, const std::vector<double>& b,
                               std::size_t bins) {
    const std::size_t n = std::min({a.size(), b.size(), bins});
    if (n < 2) return 0;
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= n;
    mb /= n;
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}
