#pragma once
// Independent readers of the wave and MIDI files the tool writes, for checking them.
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

struct WaveInfo {
    bool ok = false;
    QString error;
    std::uint32_t riffSize = 0;
    int format = 0, channels = 0, sampleRate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0.0; }
};

struct MidiInfo {
    bool ok = false;
    QString error;
    int format = -1, trackCount = 0, division = 0;
    int tracksFound = 0;
    int noteOns = 0;
    int lastTick = 0;  // the latest end-of-track or event tick of any track
    int microsPerQuarter = 500000;
    int tempoEvents = 0;
    std::vector<int> programs;  // every program change seen
    double seconds() const { return double(lastTick) / division * microsPerQuarter / 1e6; }
};

class MediaParse {
public:
    static WaveInfo wave(const QByteArray& bytes);
    static MidiInfo midi(const QByteArray& bytes);
    // Fundamental frequency from zero crossings between `from` and `to` seconds.
    static double zeroCrossingPitch(const WaveInfo& w, double from, double to);
};
