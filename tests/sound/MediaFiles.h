#pragma once
// Small wave and MIDI files written by the tests themselves, so no sample is needed.
#include <QByteArray>
#include <QString>

class MediaFiles {
public:
    // A mono 16-bit PCM RIFF image of `frames` frames; `tone` changes the samples only.
    static QByteArray wave(int frames, int rate = 22050, int tone = 440);
    // A one-track standard MIDI file holding one note of `ticks` ticks at 96 ticks per
    // quarter and the default tempo (500 ms per quarter), so 96 ticks last half a second.
    static QByteArray midi(int ticks);
    // Eighth notes of changing pitch and loudness, with rests, for `seconds` seconds:
    // where a play starts in it shows in its loudness over time.
    static QByteArray melody(int seconds);
    // One organ note held for `ticks` ticks and ending with the piece: any silence in a
    // loop of it is the seam.
    static QByteArray sustained(int ticks);
    // Writes `bytes` as the whole file, creating missing folders; false on failure.
    static bool write(const QString& path, const QByteArray& bytes);
    static bool makeDir(const QString& path);
};
