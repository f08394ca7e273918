// Values in Config.dat that the rules cannot work with: what is reported and what the
// game plays with instead.
#include <gtest/gtest.h>

#include "ConfigCheck.h"
#include "ConfigTestDir.h"

namespace {
bool mentions(const QStringList& problems, const QString& part) {
    for (const QString& p : problems)
        if (p.contains(part)) return true;
    return false;
}
}  // namespace

TEST(ConfigCheckProblems, ShippedRecordHasNone) {
    EXPECT_TRUE(ConfigCheck::problems(ConfigTestDir::sample()).isEmpty());
    EXPECT_EQ(ConfigCheck::makeSafe(ConfigTestDir::sample()), ConfigTestDir::sample());
}

TEST(ConfigCheckProblems, RangeLimitsThemselvesAreAccepted) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.ButtonEnabled = {0, 0, 0, 0, 0, 0, 0, 1, 1};
    rec.MistakesAllowed = 9;
    rec.Delay = 100;
    EXPECT_TRUE(ConfigCheck::problems(rec).isEmpty());
    rec.MistakesAllowed = 0;
    rec.Delay = 1000;
    EXPECT_TRUE(ConfigCheck::problems(rec).isEmpty());
}

TEST(ConfigCheckProblems, EachBadValueIsReportedOnce) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.ButtonEnabled = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    rec.MistakesAllowed = 10;
    rec.Delay = 99;
    rec.PlayerTime = 2;
    rec.PlayMusic = 255;
    rec.Top10Names[17].raw[0] = 21;
    rec.Top10Names[99].raw[0] = 255;
    const QStringList problems = ConfigCheck::problems(rec);
    EXPECT_EQ(problems.size(), 6) << problems.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(mentions(problems, QStringLiteral("1 buttons are enabled")));
    EXPECT_TRUE(mentions(problems, QStringLiteral("Mistakes allowed is 10")));
    EXPECT_TRUE(mentions(problems, QStringLiteral("Interval time is 99")));
    EXPECT_TRUE(mentions(problems, QStringLiteral("Player time flag is 2")));
    EXPECT_TRUE(mentions(problems, QStringLiteral("Play music flag is 255")));
    EXPECT_TRUE(mentions(problems, QStringLiteral("2 record names")));
}

TEST(ConfigCheckProblems, DelayAboveRangeAndOddButtonFlags) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Delay = 1001;
    rec.ButtonEnabled[4] = 7;
    const QStringList problems = ConfigCheck::problems(rec);
    EXPECT_TRUE(mentions(problems, QStringLiteral("Interval time is 1001")));
    EXPECT_TRUE(mentions(problems, QStringLiteral("Button 5 enabled flag is 7")));
    EXPECT_EQ(problems.size(), 2);
}

TEST(ConfigCheckSafe, FewerThanTwoButtonsTurnsAllNineOn) {
    for (auto flags : {std::array<std::uint8_t, 9>{}, std::array<std::uint8_t, 9>{0, 0, 1}}) {
        ConfigRecord rec = ConfigTestDir::sample();
        rec.ButtonEnabled = flags;
        const ConfigRecord safe = ConfigCheck::makeSafe(rec);
        EXPECT_EQ(safe.enabledCount(), 9);
    }
}

// Sounds and music play only for exactly 1: any other value stays silent.
TEST(ConfigCheckSafe, NonZeroFlagsBecomeOneAndKeepTheirButtonsButSoundsOnlyPlayForOne) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.ButtonEnabled = {0, 2, 0, 0, 0, 0, 0, 0, 200};
    rec.PlayerTime = 3;
    rec.AltSeqMode = 4;
    rec.PlaySounds = 5;
    rec.PlayMusic = 6;
    const ConfigRecord safe = ConfigCheck::makeSafe(rec);
    const std::array<std::uint8_t, 9> expected = {0, 1, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(safe.ButtonEnabled, expected);
    EXPECT_EQ(safe.PlayerTime, 1);
    EXPECT_EQ(safe.AltSeqMode, 1);
    EXPECT_EQ(safe.PlaySounds, 0);
    EXPECT_EQ(safe.PlayMusic, 0);
    EXPECT_FALSE(safe.soundsOn() || safe.musicOn());
    EXPECT_TRUE(ConfigCheck::problems(safe).isEmpty());
    rec.PlaySounds = 1;
    rec.PlayMusic = 1;
    EXPECT_TRUE(ConfigCheck::makeSafe(rec).soundsOn());
    EXPECT_TRUE(ConfigCheck::makeSafe(rec).musicOn());
}

TEST(ConfigCheckSafe, MistakesAndDelayAreBroughtIntoRange) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.MistakesAllowed = 200;
    rec.Delay = -5;
    ConfigRecord safe = ConfigCheck::makeSafe(rec);
    EXPECT_EQ(safe.MistakesAllowed, 9);
    EXPECT_EQ(safe.Delay, 100);
    rec.Delay = 5000;
    safe = ConfigCheck::makeSafe(rec);
    EXPECT_EQ(safe.Delay, 1000);
}

TEST(ConfigCheckSafe, OverlongNameLengthIsCutButTextBytesStay) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Top10Names[3].raw.fill('z');
    rec.Top10Names[3].raw[0] = 40;
    const ConfigRecord safe = ConfigCheck::makeSafe(rec);
    EXPECT_EQ(safe.Top10Names[3].raw[0], 20);
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(safe.Top10Names[3].raw[i], 'z');
    EXPECT_TRUE(ConfigCheck::problems(safe).isEmpty());
}

TEST(ConfigCheckSafe, EverythingElseIsKept) {
    ConfigRecord rec = ConfigRecord::decode(ConfigTestDir::noise(kConfigRecordSize, 21));
    const ConfigRecord safe = ConfigCheck::makeSafe(rec);
    EXPECT_EQ(safe.Top10Scores, rec.Top10Scores);
    EXPECT_EQ(safe.SoundScheme, rec.SoundScheme);
    EXPECT_EQ(safe.MusicFile, rec.MusicFile);
    EXPECT_EQ(safe.SkinName, rec.SkinName);
    EXPECT_EQ(safe.Reserved, rec.Reserved);
    EXPECT_TRUE(ConfigCheck::problems(safe).isEmpty());
    EXPECT_EQ(ConfigCheck::makeSafe(safe), safe);
}

TEST(ConfigCheckMessage, ListsEveryProblemBetweenHeaderAndFooter) {
    const QString text =
        ConfigCheck::message({QStringLiteral("first thing"), QStringLiteral("second thing")});
    EXPECT_EQ(text, QStringLiteral("Config.dat holds settings the game cannot use:\n"
                                   "- first thing\n"
                                   "- second thing\n"
                                   "Safe values are used until you change the settings; "
                                   "the file is not changed."));
    EXPECT_TRUE(ConfigCheck::message({}).isEmpty());
}
