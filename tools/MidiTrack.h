#pragma once
// One track of a Standard MIDI File, built from events at absolute tick times.
#include <cstdint>
#include <vector>

#include <QByteArray>

class MidiTrack {
public:
    void name(const QByteArray& text);
    void tempo(int tick, int microsPerQuarter);
    void timeSignature(int tick, int numerator, int denominatorPower);
    void program(int tick, int channel, int program);
    void controller(int tick, int channel, int number, int value);
    // A note from `tick` lasting `length` ticks.
    void note(int tick, int length, int channel, int key, int velocity);

    // The last tick at which anything happens.
    int endTick() const;
    // The MTrk chunk, with delta times and an end-of-track event at `endAt` (or the last event).
    QByteArray encode(int endAt = 0) const;

    static QByteArray varLen(std::uint32_t value);

private:
    struct Event {
        int tick;
        int order;  // note-offs before anything else at one tick, so repeated notes sound
        QByteArray bytes;
    };
    void add(int tick, int order, QByteArray bytes);

    std::vector<Event> events_;
};
