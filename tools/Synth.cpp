#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

int Synth::samplesFor(double seconds) const {
    return std::max(0, static_cast<int>(std::lround(seconds * rate_)));
}

std::vector<float> Synth::silence(double seconds) const {
    return std::vector<float>(static_cast<size_t>(samplesFor(seconds)), 0.0f);
}

std::vector<float> Synth::tone(double freq, const ToneShape& shape) const {
    const int n = samplesFor(shape.length);
    std::vector<float> out(static_cast<size_t>(n), 0.0f);
    const double attack = std::max(shape.attack, 1.0 / rate_);
    for (const Partial& p : shape.partials) {
        const double f = freq * p.ratio;
        if (f >= rate_ / 2.0) continue;  // would alias
        double phase = 0.0;
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / rate_;
            const double vib = 1.0 + shape.vibratoDepth * std::sin(kTwoPi * shape.vibratoHz * t);
            phase += kTwoPi * f * vib / rate_;
            const double env = std::min(1.0, t / attack) * std::exp(-t / p.decay);
            out[static_cast<size_t>(i)] += static_cast<float>(p.amp * env * std::sin(phase));
        }
    }
    fadeEdges(out, 0.004);
    return out;
}

std::vector<float> Synth::buzz(double freq, double detune, double seconds) const {
    const int n = samplesFor(seconds);
    std::vector<float> out(static_cast<size_t>(n), 0.0f);
    double a = 0.0;
    double b = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate_;
        a = std::fmod(a + freq / rate_, 1.0);
        b = std::fmod(b + freq * detune / rate_, 1.0);
        const double env = std::min(1.0, t / 0.01) * (1.0 - 0.6 * t / seconds);
        out[static_cast<size_t>(i)] = static_cast<float>(env * ((2 * a - 1) + (2 * b - 1)) * 0.5);
    }
    lowPass(out, 900.0);
    lowPass(out, 1400.0);
    fadeEdges(out, 0.02);
    return out;
}

std::vector<float> Synth::noiseBurst(double seconds, double cutoffHz, std::uint32_t seed) const {
    const int n = samplesFor(seconds);
    std::vector<float> out(static_cast<size_t>(n), 0.0f);
    std::uint32_t state = seed ? seed : 1u;
    for (int i = 0; i < n; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state >> 8) / double(1u << 24) * 2.0 - 1.0;
        const double t = static_cast<double>(i) / rate_;
        out[static_cast<size_t>(i)] = static_cast<float>(white * std::exp(-t / (seconds / 5.0)));
    }
    lowPass(out, cutoffHz);
    return out;
}

std::vector<float> Synth::glide(double fromHz, double toHz, double seconds) const {
    const int n = samplesFor(seconds);
    std::vector<float> out(static_cast<size_t>(n), 0.0f);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate_;
        const double f = fromHz * std::pow(toHz / fromHz, t / seconds);
        phase = std::fmod(phase + f / rate_, 1.0);
        const double tri = 1.0 - 4.0 * std::abs(phase - 0.5);
        const double env = std::min(1.0, t / 0.01) * std::exp(-t / (seconds * 0.7));
        out[static_cast<size_t>(i)] = static_cast<float>(tri * env);
    }
    fadeEdges(out, 0.02);
    return out;
}

void Synth::mix(std::vector<float>& into, const std::vector<float>& src, double atSeconds,
                double gain) const {
    const size_t start = static_cast<size_t>(samplesFor(atSeconds));
    if (into.size() < start + src.size()) into.resize(start + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) into[start + i] += static_cast<float>(gain * src[i]);
}

void Synth::normalize(std::vector<float>& samples, float peak) {
    float max = 0.0f;
    for (float s : samples) max = std::max(max, std::abs(s));
    if (max <= 0.0f) return;
    const float k = peak / max;
    for (float& s : samples) s *= k;
}

void Synth::fadeEdges(std::vector<float>& samples, double seconds) const {
    const size_t n = std::min(samples.size() / 2, static_cast<size_t>(samplesFor(seconds)));
    for (size_t i = 0; i < n; ++i) {
        const float k = static_cast<float>(i) / static_cast<float>(n);
        samples[i] *= k;
        samples[samples.size() - 1 - i] *= k;
    }
}

void Synth::fadeOut(std::vector<float>& samples, double seconds) const {
    const size_t n = std::min(samples.size(), static_cast<size_t>(samplesFor(seconds)));
    for (size_t i = 0; i < n; ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(n);
}

double Synth::noteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

void Synth::lowPass(std::vector<float>& samples, double cutoffHz) const {
    const double alpha = 1.0 - std::exp(-kTwoPi * cutoffHz / rate_);
    double y = 0.0;
    for (float& s : samples) {
        y += alpha * (s - y);
        s = static_cast<float>(y);
    }
}
