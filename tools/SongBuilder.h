#pragma once
// Arranges a lead sheet (chords and a melody, bar by bar) for melody, chords, bass and drums.
#include <stdexcept>
#include <vector>

#include <QByteArray>
#include <QString>

enum class Groove { Pop, Swing };

struct SongSection {
    QString chords;  // bars split by '|', chords inside a bar share it evenly: "C | F G"
    QString melody;  // "E5:2 G5:2 R:4 | ..." lengths in eighths, 8 to the bar
};

struct SongPlan {
    QByteArray title;
    int bpm = 120;
    Groove groove = Groove::Pop;
    int melodyProgram = 0;  // General MIDI programs, 0-based
    int chordProgram = 0;
    int bassProgram = 32;
    std::vector<SongSection> sections;
};

class SongError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SongBuilder {
public:
    static constexpr int kTicksPerQuarter = 480;
    static constexpr int kTicksPerBar = 4 * kTicksPerQuarter;

    // The whole Standard MIDI File; throws SongError on a malformed lead sheet.
    static QByteArray build(const SongPlan& plan);
    static int barCount(const SongPlan& plan);
    static double seconds(const SongPlan& plan);

    // "C#5" -> 73; "R" -> -1 (rest).
    static int parseNote(const QString& token);
    // Pitch classes of a chord symbol, root first: "Dm7" -> {2, 5, 9, 0}.
    static std::vector<int> chordTones(const QString& symbol);
};
