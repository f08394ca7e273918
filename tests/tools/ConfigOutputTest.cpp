// Config.dat as shipped, and the rule that the player's copy is never replaced.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ConfigRecord.h"
#include "ToolRun.h"

namespace {

QString configPath(const QTemporaryDir& d) {
    return d.path() + QStringLiteral("/Config.dat");
}

}  // namespace

TEST(ShippedConfig, HasTheStatedDefaults) {
    QTemporaryDir d;
    ASSERT_EQ(ToolRun::run({d.path()}).exitCode, 0);
    const QByteArray bytes = ToolRun::readAll(configPath(d));
    ASSERT_EQ(bytes.size(), kConfigRecordSize);
    const ConfigRecord r = ConfigRecord::decode(bytes);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(r.ButtonEnabled[n - 1], 1) << "button " << n;
    EXPECT_EQ(r.PlayerTime, 0);
    EXPECT_EQ(r.MistakesAllowed, 3);
    EXPECT_EQ(r.AltSeqMode, 0);
    EXPECT_EQ(r.Delay, 500);
    EXPECT_EQ(r.PlaySounds, 1);
    EXPECT_EQ(r.PlayMusic, 1);
    EXPECT_EQ(r.SoundScheme.text(), QStringLiteral("Default Sounds"));
    EXPECT_EQ(r.MusicFile.text(), QStringLiteral("Default Music.MID"));
    EXPECT_EQ(r.SkinName.text(), QStringLiteral("Default Skin"));
    EXPECT_EQ(r.Reserved[0], 0);
    EXPECT_EQ(r.Reserved[1], 0);
    for (int i = 0; i < kTop10Entries; ++i) {
        ASSERT_EQ(r.Top10Scores[i], 0) << "entry " << i;
        ASSERT_EQ(r.Top10Names[i].length(), 0) << "entry " << i;
    }
    // Names of empty ranks are zero bytes throughout, not leftovers.
    EXPECT_EQ(bytes.mid(13588).count('\0'), 67200);
    EXPECT_EQ(bytes.mid(788, 12800).count('\0'), 12800);
}

TEST(ShippedConfig, SettingsNameFoldersTheToolWrote) {
    QTemporaryDir d;
    ASSERT_EQ(ToolRun::run({d.path()}).exitCode, 0);
    const ConfigRecord r = ConfigRecord::decode(ToolRun::readAll(configPath(d)));
    EXPECT_TRUE(QFile::exists(d.path() + "/Skins/" + r.SkinName.text() + "/Background.bmp"));
    EXPECT_TRUE(QFile::exists(d.path() + "/Sounds/" + r.SoundScheme.text() + "/Click.wav"));
    EXPECT_TRUE(QFile::exists(d.path() + "/Music/" + r.MusicFile.text()));
}

TEST(ShippedConfig, SecondRunLeavesAPlayersFileUntouched) {
    QTemporaryDir d;
    ASSERT_EQ(ToolRun::run({d.path()}).exitCode, 0);
    ConfigRecord r = ConfigRecord::decode(ToolRun::readAll(configPath(d)));
    r.Delay = 800;
    r.Top10Scores[5] = 42;
    r.Top10Names[5].setText(QStringLiteral("Ada"));
    QByteArray bytes = r.encode() + QByteArray("tail past the record");
    {
        QFile f(configPath(d));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const ToolResult second = ToolRun::run({d.path()});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(ToolRun::readAll(configPath(d)), bytes);
    EXPECT_TRUE(second.out.contains("kept")) << second.out.toStdString();
}

TEST(ShippedConfig, EvenAShortOrEmptyFileIsKept) {
    QTemporaryDir d;
    {
        QFile f(configPath(d));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_EQ(ToolRun::run({d.path()}).exitCode, 0);
    EXPECT_EQ(QFile(configPath(d)).size(), 0);
    EXPECT_FALSE(QFile::exists(configPath(d) + ".new"));
}

TEST(DataFiles, SecondRunRepairsADamagedDataFile) {
    QTemporaryDir d;
    ASSERT_EQ(ToolRun::run({d.path()}).exitCode, 0);
    const QString wave = d.path() + "/Sounds/Default Sounds/Sound5.wav";
    const QByteArray good = ToolRun::readAll(wave);
    {
        QFile f(wave);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("junk");
    }
    ASSERT_EQ(ToolRun::run({d.path()}).exitCode, 0);
    EXPECT_EQ(ToolRun::readAll(wave), good);
}
