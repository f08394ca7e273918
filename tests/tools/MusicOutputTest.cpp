// The Music folder: Standard MIDI Files that play for 20 to 60 seconds.
#include <gtest/gtest.h>

#include <QDir>

#include "AppDirFixture.h"
#include "MediaParse.h"

class ShippedMusic : public AppDirFixture {};

TEST_F(ShippedMusic, DefaultPieceAndAtLeastOneMoreExist) {
    const QStringList files =
        QDir(app() + "/Music").entryList({"*.mid", "*.MID"}, QDir::Files, QDir::Name);
    EXPECT_TRUE(files.contains("Default Music.MID"));
    EXPECT_GE(files.size(), 2);
}

TEST_F(ShippedMusic, EveryPieceIsWellFormedAndLasts20To60Seconds) {
    const QStringList files = QDir(app() + "/Music").entryList({"*.mid", "*.MID"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const MidiInfo m = MediaParse::midi(read("Music/" + name));
        const std::string what = name.toStdString();
        ASSERT_TRUE(m.ok) << what << ": " << m.error.toStdString();
        EXPECT_TRUE(m.format == 0 || m.format == 1) << what;
        EXPECT_EQ(m.tempoEvents, 1) << what;
        EXPECT_GE(m.seconds(), 20.0) << what;
        EXPECT_LE(m.seconds(), 60.0) << what;
    }
}

TEST_F(ShippedMusic, PiecesHaveMelodyBassChordsAndDrums) {
    for (const QString& name :
         {QStringLiteral("Default Music.MID"), QStringLiteral("Night Walk.mid")}) {
        const MidiInfo m = MediaParse::midi(read("Music/" + name));
        ASSERT_TRUE(m.ok) << m.error.toStdString();
        EXPECT_GE(m.trackCount, 4) << name.toStdString();
        EXPECT_GE(m.programs.size(), 3u) << name.toStdString();
        // A tune, not a scale: hundreds of notes across the parts.
        EXPECT_GT(m.noteOns, 300) << name.toStdString();
    }
}

TEST_F(ShippedMusic, PiecesAreDifferent) {
    EXPECT_NE(read("Music/Default Music.MID"), read("Music/Night Walk.mid"));
}
