#include "SongBuilder.h"

#include <algorithm>
#include <cmath>

#include <QRegularExpression>
#include <QStringList>

#include "MidiWriter.h"

namespace {

constexpr int kEighth = SongBuilder::kTicksPerQuarter / 2;
constexpr int kMelodyCh = 0, kChordCh = 1, kBassCh = 2, kDrumCh = 9;
constexpr int kKick = 36, kRim = 37, kSnare = 38, kHatClosed = 42, kHatPedal = 44, kTomLow = 45,
              kTomHigh = 50, kCrash = 49, kRide = 51;

struct Chord {
    int tick;
    int length;
    std::vector<int> tones;
};

QStringList bars(const QString& text) {
    QStringList out = text.split(QLatin1Char('|'));
    for (QString& b : out) b = b.simplified();
    return out;
}

std::vector<Chord> chordsOf(const SongSection& s, int startTick) {
    std::vector<Chord> out;
    int tick = startTick;
    for (const QString& bar : bars(s.chords)) {
        const QStringList symbols = bar.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (symbols.isEmpty()) throw SongError("empty bar in chords: " + s.chords.toStdString());
        const int len = SongBuilder::kTicksPerBar / static_cast<int>(symbols.size());
        for (const QString& sym : symbols) {
            out.push_back({tick, len, SongBuilder::chordTones(sym)});
            tick += len;
        }
    }
    return out;
}

// Keeps the onsets on the beat and pushes the off-beat eighths late, as in a shuffle.
int swing(int tick, Groove g) {
    if (g != Groove::Swing || (tick / kEighth) % 2 == 0 || tick % kEighth != 0) return tick;
    return tick + kEighth / 3;
}

void addMelody(MidiTrack& t, const SongSection& s, int start, int barCountOfSection, Groove g) {
    int tick = start;
    for (const QString& token :
         s.melody.split(QRegularExpression(QStringLiteral("[\\s|]+")), Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(QLatin1Char(':'));
        bool ok = false;
        const int eighths = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
        if (!ok || eighths <= 0) throw SongError("bad melody token: " + token.toStdString());
        const int key = SongBuilder::parseNote(parts[0]);
        const int len = eighths * kEighth;
        if (key >= 0) {
            const int on = swing(tick, g);
            const int velocity = (tick % SongBuilder::kTicksPerBar == 0) ? 100 : 88;
            t.note(on, tick + len - on - kEighth / 6, kMelodyCh, key, velocity);
        }
        tick += len;
    }
    if (tick - start != barCountOfSection * SongBuilder::kTicksPerBar)
        throw SongError("melody does not fill its bars: " + s.melody.toStdString());
}

// Chord tones voiced close together around middle C.
std::vector<int> voicing(const Chord& c) {
    std::vector<int> keys;
    for (int pc : c.tones) keys.push_back(55 + ((pc - 55) % 12 + 12) % 12);
    std::sort(keys.begin(), keys.end());
    return keys;
}

void addChords(MidiTrack& t, const Chord& c, Groove g, bool last) {
    const std::vector<int> keys = voicing(c);
    if (last || g == Groove::Swing) {
        for (int k : keys) t.note(c.tick, c.length - 10, kChordCh, k, last ? 80 : 64);
        return;
    }
    for (int at : {0, 3, 6}) {  // a syncopated stab pattern
        if (at * kEighth >= c.length) break;
        const int length = std::min(2 * kEighth, c.length - at * kEighth) - 30;
        for (int k : keys) t.note(c.tick + at * kEighth, length, kChordCh, k, 72);
    }
}

void addBass(MidiTrack& t, const Chord& c, int nextRoot, Groove g, bool last) {
    const int root = 36 + c.tones[0];
    const int fifth = root + 7;
    if (last) {
        t.note(c.tick, c.length - 10, kBassCh, root, 96);
        return;
    }
    if (g == Groove::Pop) {
        const int pattern[] = {root, root, root + 12, root, fifth, root, root + 12, fifth};
        for (int i = 0; i * kEighth < c.length && i < 8; ++i)
            t.note(c.tick + i * kEighth, kEighth - 40, kBassCh, pattern[i], i % 2 ? 78 : 96);
        return;
    }
    const int third = root + ((c.tones[1] - c.tones[0] + 12) % 12);
    const int next = 36 + nextRoot;
    const int approach = next > root ? next - 1 : next + 1;
    const int walk[] = {root, third, fifth, approach};
    const int beats = c.length / SongBuilder::kTicksPerQuarter;
    for (int i = 0; i < beats; ++i) {
        const int key = (i == beats - 1 && beats > 1) ? walk[3] : walk[i * 4 / std::max(beats, 1)];
        t.note(c.tick + i * SongBuilder::kTicksPerQuarter, SongBuilder::kTicksPerQuarter - 30,
               kBassCh, key, i == 0 ? 96 : 84);
    }
}

void addDrumBar(MidiTrack& t, int bar, Groove g, bool sectionStart, bool fill) {
    const int at = bar;
    if (sectionStart) t.note(at, kEighth, kDrumCh, kCrash, 90);
    for (int i = 0; i < 8; ++i) {
        const int tick = at + i * kEighth;
        if (g == Groove::Pop) {
            if (fill && i >= 4) {
                t.note(tick, kEighth / 2, kDrumCh, i < 6 ? kTomHigh : kTomLow, 96);
                continue;
            }
            t.note(tick, kEighth / 2, kDrumCh, kHatClosed, i % 2 ? 52 : 70);
            if (i == 0 || i == 4 || i == 5) t.note(tick, kEighth / 2, kDrumCh, kKick, 100);
            if (i == 2 || i == 6) t.note(tick, kEighth / 2, kDrumCh, kSnare, 92);
        } else {
            const int swung = swing(tick, g);
            if (i % 2 == 0 || i == 3 || i == 7)
                t.note(swung, kEighth / 2, kDrumCh, kRide, i % 2 ? 56 : 74);
            if (i == 0 || i == 4) t.note(tick, kEighth / 2, kDrumCh, kKick, 64);
            if (i == 2 || i == 6) {
                t.note(tick, kEighth / 2, kDrumCh, kHatPedal, 60);
                t.note(tick, kEighth / 2, kDrumCh, fill && i == 6 ? kSnare : kRim, 70);
            }
        }
    }
}

}  // namespace

int SongBuilder::parseNote(const QString& token) {
    static const int kPitch[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    const QString t = token.trimmed();
    if (t == QLatin1String("R")) return -1;
    if (t.size() < 2 || t[0] < QLatin1Char('A') || t[0] > QLatin1Char('G'))
        throw SongError("bad note: " + t.toStdString());
    int pc = kPitch[t[0].unicode() - 'A'];
    int pos = 1;
    if (t[pos] == QLatin1Char('#'))
        ++pc, ++pos;
    else if (t[pos] == QLatin1Char('b'))
        --pc, ++pos;
    bool ok = false;
    const int octave = t.mid(pos).toInt(&ok);
    if (!ok || octave < 0 || octave > 8) throw SongError("bad octave: " + t.toStdString());
    return 12 * (octave + 1) + pc;
}

std::vector<int> SongBuilder::chordTones(const QString& symbol) {
    const bool accidental =
        symbol.size() > 1 && (symbol[1] == QLatin1Char('#') || symbol[1] == QLatin1Char('b'));
    const int rootLength = accidental ? 2 : 1;
    const int root = (parseNote(symbol.left(rootLength) + QLatin1Char('4')) + 12) % 12;
    const QString quality = symbol.mid(rootLength);
    std::vector<int> steps;
    if (quality.isEmpty())
        steps = {0, 4, 7};
    else if (quality == QLatin1String("m"))
        steps = {0, 3, 7};
    else if (quality == QLatin1String("7"))
        steps = {0, 4, 7, 10};
    else if (quality == QLatin1String("m7"))
        steps = {0, 3, 7, 10};
    else if (quality == QLatin1String("maj7"))
        steps = {0, 4, 7, 11};
    else if (quality == QLatin1String("dim"))
        steps = {0, 3, 6};
    else
        throw SongError("unknown chord: " + symbol.toStdString());
    std::vector<int> tones;
    tones.reserve(steps.size());
    for (int s : steps) tones.push_back((root + s) % 12);
    return tones;
}

int SongBuilder::barCount(const SongPlan& plan) {
    int n = 0;
    for (const SongSection& s : plan.sections) n += static_cast<int>(bars(s.chords).size());
    return n;
}

double SongBuilder::seconds(const SongPlan& plan) {
    return barCount(plan) * 4 * 60.0 / plan.bpm;
}

QByteArray SongBuilder::build(const SongPlan& plan) {
    MidiTrack conductor, melody, chords, bass, drums;
    conductor.name(plan.title);
    conductor.timeSignature(0, 4, 2);
    conductor.tempo(0, static_cast<int>(std::lround(60'000'000.0 / plan.bpm)));
    melody.name("Melody");
    chords.name("Chords");
    bass.name("Bass");
    drums.name("Drums");
    melody.program(0, kMelodyCh, plan.melodyProgram);
    chords.program(0, kChordCh, plan.chordProgram);
    bass.program(0, kBassCh, plan.bassProgram);
    chords.controller(0, kChordCh, 7, 88);  // keep the accompaniment under the tune

    std::vector<Chord> all;
    const int total = barCount(plan) * kTicksPerBar;
    int tick = 0;
    for (const SongSection& s : plan.sections) {
        const int nBars = static_cast<int>(bars(s.chords).size());
        addMelody(melody, s, tick, nBars, plan.groove);
        for (const Chord& c : chordsOf(s, tick)) all.push_back(c);
        for (int b = 0; b < nBars; ++b)
            if (tick + (b + 1) * kTicksPerBar < total)
                addDrumBar(drums, tick + b * kTicksPerBar, plan.groove, b == 0, b == nBars - 1);
        tick += nBars * kTicksPerBar;
    }
    const int end = tick;
    drums.note(end - kTicksPerBar, kTicksPerQuarter, kDrumCh, kCrash, 100);
    drums.note(end - kTicksPerBar, kTicksPerQuarter, kDrumCh, kKick, 100);
    for (size_t i = 0; i < all.size(); ++i) {
        const bool last = all[i].tick + all[i].length >= end && all[i].tick >= end - kTicksPerBar;
        const int nextRoot = i + 1 < all.size() ? all[i + 1].tones[0] : all[i].tones[0];
        addChords(chords, all[i], plan.groove, last);
        addBass(bass, all[i], nextRoot, plan.groove, last);
    }
    return MidiWriter::format1({conductor, melody, chords, bass, drums}, kTicksPerQuarter, end);
}
