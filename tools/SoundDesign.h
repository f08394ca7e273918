#pragma once
// The recipes of the sound schemes and of the splash jingle.
#include <utility>
#include <vector>

#include <QString>

#include "GameSound.h"
#include "Synth.h"

struct SoundFile {
    GameSound sound;
    std::vector<float> samples;
};

struct SoundScheme {
    QString name;  // folder name under Sounds
    std::vector<SoundFile> files;
};

class SoundDesign {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr double kJingleSeconds = 2.5;
    // The splash's stored wave has a data chunk of 110338 bytes: 55169 16-bit samples.
    static constexpr int kJingleSamples = 55169;

    static SoundScheme defaultSounds();
    static SoundScheme chimes();
    static std::vector<float> logoJingle();

    // MIDI notes of board buttons 1..9 in each scheme: one major pentatonic scale, low to high.
    static std::vector<int> defaultNotes();
    static std::vector<int> chimeNotes();

private:
    static ToneShape malletShape();
    static ToneShape bellShape();
};
