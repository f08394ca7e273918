#include "SoundDesign.h"

#include "AppDirLayout.h"

namespace {

// Every board sound is in C major, so any two that follow each other sound well together.
std::vector<float> boardSound(const Synth& synth, int note, const ToneShape& shape) {
    std::vector<float> s = synth.tone(Synth::noteFrequency(note), shape);
    Synth::normalize(s, 0.7f);
    return s;
}

std::vector<float> softClick(const Synth& synth) {
    std::vector<float> s = synth.noiseBurst(0.025, 3500.0, 7u);
    ToneShape blip{0.001, 0.03, {{1.0, 0.6, 0.006}}};
    synth.mix(s, synth.tone(1800.0, blip), 0.0, 1.0);
    Synth::normalize(s, 0.35f);
    synth.fadeEdges(s, 0.002);
    return s;
}

std::vector<float> woodTick(const Synth& synth) {
    ToneShape tick{0.0005, 0.05, {{1.0, 1.0, 0.012}, {2.7, 0.4, 0.006}}};
    std::vector<float> s = synth.tone(1200.0, tick);
    Synth::normalize(s, 0.4f);
    return s;
}

std::vector<float> lowBuzz(const Synth& synth) {
    std::vector<float> s = synth.buzz(98.0, 1.06, 0.45);
    Synth::normalize(s, 0.6f);
    return s;
}

std::vector<float> sourBells(const Synth& synth) {
    ToneShape dull{0.004, 0.55, {{1.0, 1.0, 0.25}, {2.0, 0.3, 0.08}, {3.0, 0.2, 0.05}}};
    std::vector<float> s = synth.tone(Synth::noteFrequency(47), dull);   // B2
    synth.mix(s, synth.tone(Synth::noteFrequency(53), dull), 0.0, 0.9);  // F3: a tritone
    synth.mix(s, synth.buzz(61.7, 1.03, 0.4), 0.0, 0.5);
    Synth::normalize(s, 0.6f);
    return s;
}

std::vector<float> fallingTriangle(const Synth& synth) {
    std::vector<float> s = synth.glide(660.0, 165.0, 0.75);
    Synth::normalize(s, 0.55f);
    return s;
}

std::vector<float> fallingBells(const Synth& synth, const ToneShape& shape) {
    std::vector<float> s;
    const int notes[] = {79, 76, 72, 67};  // G5 E5 C5 G4
    for (int i = 0; i < 4; ++i)
        synth.mix(s, synth.tone(Synth::noteFrequency(notes[i]), shape), 0.14 * i, 1.0);
    Synth::normalize(s, 0.6f);
    synth.fadeEdges(s, 0.01);
    return s;
}

SoundScheme buildScheme(const QString& name, const Synth& synth, const std::vector<int>& notes,
                        const ToneShape& shape) {
    SoundScheme scheme{name, {}};
    for (int n = 1; n <= 9; ++n)
        scheme.files.push_back(
            {buttonSound(n), boardSound(synth, notes[static_cast<size_t>(n - 1)], shape)});
    return scheme;
}

}  // namespace

std::vector<int> SoundDesign::defaultNotes() {
    return {67, 69, 72, 74, 76, 79, 81, 84, 86};  // G4 A4 C5 D5 E5 G5 A5 C6 D6
}

std::vector<int> SoundDesign::chimeNotes() {
    return {72, 74, 76, 79, 81, 84, 86, 88, 91};  // C5 .. G6
}

ToneShape SoundDesign::malletShape() {
    return {0.004,
            0.36,
            {{1.0, 1.0, 0.16}, {2.0, 0.18, 0.05}, {3.0, 0.08, 0.03}, {4.0, 0.05, 0.02}},
            5.0,
            0.002};
}

ToneShape SoundDesign::bellShape() {
    return {0.002,
            0.42,
            {{1.0, 1.0, 0.3}, {2.0, 0.22, 0.15}, {2.76, 0.12, 0.08}, {5.4, 0.04, 0.04}},
            0.0,
            0.0};
}

SoundScheme SoundDesign::defaultSounds() {
    const Synth synth(kSampleRate);
    SoundScheme s = buildScheme(AppDirLayout::kDefaultSounds, synth, defaultNotes(), malletShape());
    s.files.push_back({GameSound::Click, softClick(synth)});
    s.files.push_back({GameSound::Mistake, lowBuzz(synth)});
    s.files.push_back({GameSound::TimeOver, fallingTriangle(synth)});
    return s;
}

SoundScheme SoundDesign::chimes() {
    const Synth synth(kSampleRate);
    SoundScheme s = buildScheme(QStringLiteral("Chimes"), synth, chimeNotes(), bellShape());
    s.files.push_back({GameSound::Click, woodTick(synth)});
    s.files.push_back({GameSound::Mistake, sourBells(synth)});
    s.files.push_back({GameSound::TimeOver, fallingBells(synth, bellShape())});
    return s;
}

std::vector<float> SoundDesign::logoJingle() {
    const Synth synth(kSampleRate);
    ToneShape pluck = malletShape();
    pluck.length = 0.5;
    ToneShape ring = bellShape();
    ring.length = 1.5;
    ring.partials[0].decay = 0.6;

    std::vector<float> out = synth.silence(kJingleSeconds);
    const int rising[] = {72, 76, 79, 84};  // C5 E5 G5 C6
    for (int i = 0; i < 4; ++i)
        synth.mix(out, synth.tone(Synth::noteFrequency(rising[i]), pluck), 0.05 + 0.16 * i, 0.8);
    const int chord[] = {60, 67, 72, 76, 79, 84};  // C major, spread wide
    for (int note : chord) synth.mix(out, synth.tone(Synth::noteFrequency(note), ring), 0.75, 0.45);
    out.resize(static_cast<size_t>(kJingleSamples));
    Synth::normalize(out, 0.75f);
    synth.fadeOut(out, 0.3);
    return out;
}
