#pragma once
// Standard MIDI File (format 1) from a list of tracks.
#include <vector>

#include <QByteArray>

#include "MidiTrack.h"

class MidiWriter {
public:
    // Every track ends at the same tick: the end of the last event of any track, or `endTick`.
    static QByteArray format1(const std::vector<MidiTrack>& tracks, int ticksPerQuarter,
                              int endTick = 0);
};
