#include "Songs.h"

#include "AppDirLayout.h"

std::vector<SongFile> Songs::all() {
    return {{AppDirLayout::kDefaultMusic, brightMorning()},
            {QStringLiteral("Night Walk.mid"), nightWalk()}};
}

// C major, intro - A - B - A - ending.
SongPlan Songs::brightMorning() {
    const SongSection intro{QStringLiteral("C | G7"), QStringLiteral("R:8 | R:8")};
    const SongSection a{
        QStringLiteral("C | Am | F | G | C | Am | F G | C"),
        QStringLiteral("E5:2 G5:2 C6:2 G5:2 | A5:3 G5:1 E5:2 C5:2 | F5:2 A5:2 C6:3 A5:1 | "
                       "G5:4 D5:2 B4:2 | E5:2 G5:2 C6:2 D6:2 | E6:3 D6:1 C6:2 A5:2 | "
                       "A5:2 F5:2 D5:2 B4:2 | C5:6 R:2")};
    const SongSection b{
        QStringLiteral("F | G | Em | Am | F | G | Dm7 | G7"),
        QStringLiteral("C6:2 A5:2 F5:2 A5:2 | B5:3 A5:1 G5:2 D5:2 | E5:2 G5:2 B5:2 G5:2 | "
                       "C6:3 B5:1 A5:4 | A5:2 C6:2 F6:2 E6:2 | D6:3 C6:1 B5:2 G5:2 | "
                       "F5:2 A5:2 C6:2 D6:2 | B5:3 A5:1 G5:2 F5:2")};
    const SongSection ending{QStringLiteral("F G | C"), QStringLiteral("A5:4 B5:4 | C6:8")};

    SongPlan p;
    p.title = "Bright Morning";
    p.bpm = 140;
    p.groove = Groove::Pop;
    p.melodyProgram = 80;  // square lead
    p.chordProgram = 4;    // electric piano
    p.bassProgram = 38;    // synth bass
    p.sections = {intro, a, b, a, ending};
    return p;
}

// A minor, a slow shuffle: intro - A - B - ending.
SongPlan Songs::nightWalk() {
    const SongSection intro{QStringLiteral("Am | Am"), QStringLiteral("R:8 | R:8")};
    const SongSection a{
        QStringLiteral("Am | Dm | G | C | F | Dm | E7 | Am"),
        QStringLiteral("R:2 E5:2 A5:2 C6:2 | D6:3 C6:1 A5:4 | B5:2 G5:2 D5:2 G5:2 | E5:6 R:2 | "
                       "F5:2 A5:2 C6:2 A5:2 | D6:2 F6:2 E6:2 D6:2 | B5:3 G#5:1 E5:2 D6:2 | "
                       "C6:4 A5:2 R:2")};
    const SongSection b{
        QStringLiteral("F | G | Em | Am | Dm | Em | F E7 | Am"),
        QStringLiteral("A5:4 C6:4 | B5:2 D6:2 G5:4 | G5:2 B5:2 E6:4 | C6:3 B5:1 A5:4 | "
                       "F5:2 A5:2 D6:2 C6:2 | B5:2 G5:2 E5:4 | A5:2 C6:2 B5:2 G#5:2 | A5:8")};
    const SongSection ending{QStringLiteral("Am | Am"),
                             QStringLiteral("E6:2 C6:2 B5:2 E5:2 | A5:8")};

    SongPlan p;
    p.title = "Night Walk";
    p.bpm = 100;
    p.groove = Groove::Swing;
    p.melodyProgram = 11;  // vibraphone
    p.chordProgram = 89;   // warm pad
    p.bassProgram = 32;    // acoustic bass
    p.sections = {intro, a, b, ending};
    return p;
}
