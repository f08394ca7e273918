#pragma once
// What the mixer sends to the device, as a loudness envelope (mean absolute sample of
// each 10 ms), so tests can hear where a piece starts and whether it falls silent.
#include <mutex>
#include <vector>

class MixCapture {
public:
    static constexpr int kBinMs = 10;

    MixCapture();  // the device must be open
    ~MixCapture();
    MixCapture(const MixCapture&) = delete;
    MixCapture& operator=(const MixCapture&) = delete;

    void restart();  // forgets what was heard so far
    // Waits on the event loop until `ms` of output have been captured since restart.
    bool waitFor(int ms);
    std::vector<double> envelope() const;
    // The longest run of silent bins after the first loud one, in milliseconds.
    int longestSilenceMs() const;

    // Pearson correlation of the first `bins` bins of two envelopes.
    static double correlation(const std::vector<double>& a, const std::vector<double>& b,
                              std::size_t bins);

private:
    static void mixed(void* self, unsigned char* stream, int length);

    mutable std::mutex mutex_;
    std::vector<double> bins_;
    double sum_ = 0;
    int frames_ = 0;
    int framesPerBin_ = 441;
};
