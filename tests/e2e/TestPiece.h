#pragma once
// Standard MIDI files for the sound tests, one track at 500 ticks per quarter and the
// default tempo, so one tick lasts one millisecond.
#include <QByteArray>
#include <QString>

class TestPiece {
public:
    // One square-lead note, quick to start and to stop, held for the whole piece and
    // released at its last tick: any silence in a loop of it is the seam.
    static QByteArray sustained(int ms);
    // Notes of changing pitch and loudness, back to back, loudest first: where a play
    // starts in the piece shows in its loudness over time.
    static QByteArray steps(int ms);
    // Writes `bytes` as the whole file; false on failure.
    static bool write(const QString& path, const QByteArray& bytes);
};
