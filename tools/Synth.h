#pragma once
// A small additive synthesiser for the game's short sounds.
#include <cstdint>
#include <vector>

struct Partial {
    double ratio;  // frequency relative to the fundamental
    double amp;
    double decay;  // time constant of the exponential decay, seconds
};

struct ToneShape {
    double attack = 0.005;  // seconds
    double length = 0.35;   // seconds
    std::vector<Partial> partials;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // relative frequency swing
};

class Synth {
public:
    explicit Synth(int sampleRate) : rate_(sampleRate) {}

    int sampleRate() const { return rate_; }
    int samplesFor(double seconds) const;

    std::vector<float> silence(double seconds) const;
    std::vector<float> tone(double freq, const ToneShape& shape) const;
    // Two detuned, low-passed sawtooth waves: a rough, low buzz.
    std::vector<float> buzz(double freq, double detune, double seconds) const;
    // Low-passed white noise with a fast decay.
    std::vector<float> noiseBurst(double seconds, double cutoffHz, std::uint32_t seed) const;
    // A triangle wave sliding exponentially from one frequency to another.
    std::vector<float> glide(double fromHz, double toHz, double seconds) const;

    // Adds `src` scaled by `gain` into `into` from `atSeconds` on, growing it as needed.
    void mix(std::vector<float>& into, const std::vector<float>& src, double atSeconds,
             double gain) const;

    static void normalize(std::vector<float>& samples, float peak);
    // Short linear ramps at both ends so playback starts and stops without a click.
    void fadeEdges(std::vector<float>& samples, double seconds) const;
    void fadeOut(std::vector<float>& samples, double seconds) const;
    static double noteFrequency(int midiNote);

private:
    void lowPass(std::vector<float>& samples, double cutoffHz) const;

    int rate_;
};
