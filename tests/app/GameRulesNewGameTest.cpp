// A new game: its opening state, its first playback and the sequence it draws.
#include <set>

#include "GameRulesFixture.h"

using NewGame = GameRulesFixture;
using SequenceGeneration = GameRulesFixture;
using ControlAvailability = GameRulesFixture;

TEST_F(NewGame, ShowsOpeningLinesAndStartsPlayback) {
    config().MistakesAllowed = 4;
    rules.PlayClick();

    EXPECT_TRUE(rules.Playing());
    EXPECT_FALSE(rules.PlayerTurn());
    EXPECT_EQ(rules.SeqLength(), 1);
    EXPECT_EQ(rules.Score(), 0);
    EXPECT_EQ(rules.ShowPos(), -3);
    EXPECT_FALSE(rules.ShowLit());
    EXPECT_EQ(rules.MistakesLeft(), 4);
    EXPECT_EQ(rules.WrongButton(), 0);
    EXPECT_EQ(view.lines[1], "PC turn");
    EXPECT_EQ(view.lines[2], "Score: 0");
    EXPECT_EQ(view.lines[3], "Sequence: 0");
    EXPECT_EQ(view.lines[4], "Mistakes left: 4");
    EXPECT_EQ(view.lines[5], "Timer off");
    EXPECT_TRUE(view.gameMode);
    EXPECT_TRUE(rules.showTimerRunning());
    EXPECT_EQ(view.showInterval, 250);
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(view.countStartingWith("timeInterval"), 0);
    // The new-game control gets its up picture back as the very last step.
    EXPECT_EQ(view.log.back(), "control 1 Up");
}

TEST_F(NewGame, WithPlayerTimeSetsClockIntervalButLeavesItStopped) {
    config().PlayerTime = 1;
    config().Delay = 105;
    rules.PlayClick();

    EXPECT_EQ(view.lines[5], "Timer: Paused");
    EXPECT_EQ(view.timeInterval, 10);
    EXPECT_EQ(view.showInterval, 52);
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(view.count("startTime"), 0);
}

TEST_F(NewGame, StepsRunInOrder) {
    config().PlayMusic = 1;
    rules.PlayClick();

    const int mode = view.indexOf("gameMode 1");
    const int musicPlay = view.indexOf("music play");
    const int seedDrawn = view.indexOf("seed");
    const int score = view.indexOf("line 2 Score: 0");
    const int status = view.indexOf("line 1 PC turn");
    const int timer = view.indexOf("startShow 250");
    ASSERT_GE(mode, 0);
    EXPECT_LT(mode, musicPlay);
    EXPECT_LT(musicPlay, seedDrawn);
    EXPECT_LT(seedDrawn, score);
    EXPECT_LT(score, status);
    EXPECT_LT(status, timer);
    EXPECT_LT(timer, view.indexOf("control 1 Up"));
}

TEST_F(NewGame, FirstPlaybackFollowsTheTickTable) {
    rules.PlayClick();
    const int first = rules.sequenceAt(1);
    view.clearLog();

    for (int tick = 1; tick <= 3; ++tick) {
        rules.ShowTimerTimer();
        EXPECT_EQ(rules.ShowPos(), tick - 3);
        EXPECT_FALSE(rules.ShowLit());
    }
    EXPECT_TRUE(view.log.empty()) << "the lead-in is silent";

    rules.ShowTimerTimer();  // tick 4
    const std::vector<QString> lit = {
        "line 1 PC turn",
        "line 2 Score: 0",
        "HideMarks",
        QStringLiteral("button %1 Down").arg(first),
        "sound " + boardSound(first),
        "line 3 Sequence: 1",
    };
    EXPECT_EQ(view.log, lit);
    EXPECT_EQ(rules.ShowPos(), 1);
    EXPECT_TRUE(rules.ShowLit());
    EXPECT_FALSE(rules.PlayerTurn());
    view.clearLog();

    rules.ShowTimerTimer();  // tick 5
    const std::vector<QString> handOver = {
        QStringLiteral("button %1 Up").arg(first),
        "stopShow",
        "line 3 Sequence: 0",
        "line 1 Your turn",
    };
    EXPECT_EQ(view.log, handOver);
    EXPECT_EQ(rules.ShowPos(), 1);
    EXPECT_FALSE(rules.ShowLit());
    EXPECT_TRUE(rules.PlayerTurn());
    EXPECT_EQ(rules.PlayerPos(), 0);
    EXPECT_FALSE(rules.showTimerRunning());
}

TEST_F(NewGame, PlaysFromTheIdleStateOfAFinishedGame) {
    config().MistakesAllowed = 0;
    startAndComplete(1);
    press(wrongButtonFor(1));
    ASSERT_FALSE(rules.Playing());

    rules.PlayClick();
    EXPECT_EQ(rules.SeqLength(), 1);
    EXPECT_EQ(rules.MistakesLeft(), 0);
    EXPECT_EQ(tickUntilPlayerTurn(), 5);
}

TEST_F(SequenceGeneration, OnlyEnabledButtonsAreDrawn) {
    enableOnly({1, 2});
    rules.GenerateSequence();
    std::set<int> seen;
    for (int i = 1; i <= GameRules::kSequenceSize; ++i) seen.insert(rules.sequenceAt(i));
    EXPECT_EQ(seen, (std::set<int>{1, 2}));
}

TEST_F(SequenceGeneration, EveryEnabledButtonAppearsAboutEquallyOften) {
    enableOnly({3, 5, 9});
    rules.GenerateSequence();
    std::array<int, 10> counts{};
    for (int i = 1; i <= GameRules::kSequenceSize; ++i) ++counts[rules.sequenceAt(i)];
    const int expected = GameRules::kSequenceSize / 3;
    for (int n : {3, 5, 9}) {
        EXPECT_GT(counts[n], expected * 9 / 10) << "button " << n;
        EXPECT_LT(counts[n], expected * 11 / 10) << "button " << n;
    }
    EXPECT_EQ(counts[3] + counts[5] + counts[9], GameRules::kSequenceSize);
}

TEST_F(SequenceGeneration, OnlyFlagsOfExactlyOneCountAsEnabled) {
    enableOnly({1, 2, 4});
    config().ButtonEnabled[4] = 2;  // button 5 with a stray flag value
    rules.GenerateSequence();
    for (int i = 1; i <= GameRules::kSequenceSize; ++i) ASSERT_NE(rules.sequenceAt(i), 5);
}

TEST_F(SequenceGeneration, NoEnabledButtonDrawsFromAllNineInsteadOfHanging) {
    config().ButtonEnabled.fill(0);
    rules.GenerateSequence();
    std::set<int> seen;
    for (int i = 1; i <= GameRules::kSequenceSize; ++i) seen.insert(rules.sequenceAt(i));
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(SequenceGeneration, ReseedsOnEveryCallAndTheSeedDecides) {
    rules.setSeeder([] { return 777u; });
    rules.GenerateSequence();
    const std::vector<int> first = steps(200);
    rules.GenerateSequence();
    EXPECT_EQ(steps(200), first) << "same seed, same sequence";

    rules.setSeeder([] { return 778u; });
    rules.GenerateSequence();
    EXPECT_NE(steps(200), first);
}

TEST_F(SequenceGeneration, AButtonMayFollowItself) {
    enableOnly({4, 6});
    rules.GenerateSequence();
    bool repeated = false;
    for (int i = 2; i <= 1000 && !repeated; ++i)
        repeated = rules.sequenceAt(i) == rules.sequenceAt(i - 1);
    EXPECT_TRUE(repeated);
}

TEST_F(SequenceGeneration, DefaultSeederStillGivesAValidSequence) {
    FakeGameView otherView;
    FakeMusicPlayer otherMusic(&otherView.log);
    GameRules fresh(otherView, otherView, otherView, otherMusic);
    ConfigRecord settings;
    settings.ButtonEnabled = {0, 0, 0, 0, 0, 0, 1, 1, 0};
    fresh.setSettings(settings);
    fresh.GenerateSequence();
    for (int i = 1; i <= GameRules::kSequenceSize; ++i) {
        const int step = fresh.sequenceAt(i);
        ASSERT_TRUE(step == 7 || step == 8) << "step " << i << " is " << step;
    }
}

TEST_F(ControlAvailability, SettingsAndPlayOnlyWhileIdle) {
    for (int n : {1, 3, 4, 5, 6}) {
        EXPECT_TRUE(GameRules::controlResponds(n, false)) << n;
        EXPECT_FALSE(GameRules::controlResponds(n, true)) << n;
    }
}

TEST_F(ControlAvailability, AbortOnlyDuringAGameAndRecordsAndHelpAlways) {
    EXPECT_TRUE(GameRules::controlResponds(2, true));
    EXPECT_FALSE(GameRules::controlResponds(2, false));
    for (int n : {7, 8}) {
        EXPECT_TRUE(GameRules::controlResponds(n, true)) << n;
        EXPECT_TRUE(GameRules::controlResponds(n, false)) << n;
    }
    for (int n : {0, 9, -1}) {
        EXPECT_FALSE(GameRules::controlResponds(n, true)) << n;
        EXPECT_FALSE(GameRules::controlResponds(n, false)) << n;
    }
}
