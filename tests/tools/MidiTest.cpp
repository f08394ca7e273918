// MIDI tracks and files, and the lead-sheet arranger.
#include <gtest/gtest.h>

#include "MediaParse.h"
#include "MidiTrack.h"
#include "MidiWriter.h"
#include "SongBuilder.h"

TEST(MidiTrack, VariableLengthQuantitiesMatchTheStandardExamples) {
    EXPECT_EQ(MidiTrack::varLen(0), QByteArray::fromHex("00"));
    EXPECT_EQ(MidiTrack::varLen(0x7F), QByteArray::fromHex("7f"));
    EXPECT_EQ(MidiTrack::varLen(0x80), QByteArray::fromHex("8100"));
    EXPECT_EQ(MidiTrack::varLen(0x2000), QByteArray::fromHex("c000"));
    EXPECT_EQ(MidiTrack::varLen(0x1FFFFF), QByteArray::fromHex("ffff7f"));
    EXPECT_EQ(MidiTrack::varLen(0x0FFFFFFF), QByteArray::fromHex("ffffff7f"));
}

TEST(MidiTrack, RepeatedNoteEndsBeforeItStartsAgain) {
    MidiTrack t;
    t.note(0, 100, 0, 60, 90);
    t.note(100, 100, 0, 60, 90);
    const QByteArray chunk = t.encode();
    // MTrk, size, then: 00 90 3c 5a | 64 80 3c 40 | 00 90 3c 5a | 64 80 3c 40 | 00 ff 2f 00
    EXPECT_EQ(chunk.mid(8).toHex(), QByteArray("00903c5a64803c4000903c5a64803c4000ff2f00"));
}

TEST(MidiTrack, EndOfTrackWaitsForTheGivenTick) {
    MidiTrack t;
    t.note(0, 10, 0, 60, 90);
    EXPECT_EQ(t.endTick(), 10);
    EXPECT_TRUE(t.encode(200).endsWith(QByteArray::fromHex("813eff2f00")));  // 190 ticks later
}

TEST(MidiWriter, FileHasHeaderAndOneChunkPerTrack) {
    MidiTrack a, b;
    a.tempo(0, 500000);
    b.note(0, 480, 1, 64, 100);
    const MidiInfo m = MediaParse::midi(MidiWriter::format1({a, b}, 480, 960));
    ASSERT_TRUE(m.ok) << m.error.toStdString();
    EXPECT_EQ(m.format, 1);
    EXPECT_EQ(m.trackCount, 2);
    EXPECT_EQ(m.division, 480);
    EXPECT_EQ(m.lastTick, 960);
    EXPECT_DOUBLE_EQ(m.seconds(), 1.0);
}

TEST(SongBuilder, ParsesNotesWithAccidentals) {
    EXPECT_EQ(SongBuilder::parseNote("C4"), 60);
    EXPECT_EQ(SongBuilder::parseNote("A4"), 69);
    EXPECT_EQ(SongBuilder::parseNote("G#5"), 80);
    EXPECT_EQ(SongBuilder::parseNote("Bb3"), 58);
    EXPECT_EQ(SongBuilder::parseNote("R"), -1);
    EXPECT_THROW(SongBuilder::parseNote("H4"), SongError);
    EXPECT_THROW(SongBuilder::parseNote("C"), SongError);
    EXPECT_THROW(SongBuilder::parseNote("Cx"), SongError);
}

TEST(SongBuilder, ChordSymbolsGiveTheirPitchClasses) {
    EXPECT_EQ(SongBuilder::chordTones("C"), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(SongBuilder::chordTones("Am"), (std::vector<int>{9, 0, 4}));
    EXPECT_EQ(SongBuilder::chordTones("G7"), (std::vector<int>{7, 11, 2, 5}));
    EXPECT_EQ(SongBuilder::chordTones("Dm7"), (std::vector<int>{2, 5, 9, 0}));
    EXPECT_EQ(SongBuilder::chordTones("Bb"), (std::vector<int>{10, 2, 5}));
    EXPECT_THROW(SongBuilder::chordTones("Csus9"), SongError);
}

TEST(SongBuilder, MelodyThatDoesNotFillItsBarsIsRejected) {
    SongPlan p;
    p.sections = {{QStringLiteral("C | G"), QStringLiteral("C5:8 | D5:4")}};
    EXPECT_THROW(SongBuilder::build(p), SongError);
    p.sections = {{QStringLiteral("C | G"), QStringLiteral("C5:8 | D5:x")}};
    EXPECT_THROW(SongBuilder::build(p), SongError);
}

TEST(SongBuilder, LengthFollowsBarsAndTempo) {
    SongPlan p;
    p.bpm = 120;
    p.sections = {{QStringLiteral("C | F G | C"), QStringLiteral("C5:8 | F5:4 G5:4 | C5:8")}};
    EXPECT_EQ(SongBuilder::barCount(p), 3);
    EXPECT_DOUBLE_EQ(SongBuilder::seconds(p), 6.0);
    const MidiInfo m = MediaParse::midi(SongBuilder::build(p));
    ASSERT_TRUE(m.ok) << m.error.toStdString();
    EXPECT_NEAR(m.seconds(), 6.0, 1e-9);
}
