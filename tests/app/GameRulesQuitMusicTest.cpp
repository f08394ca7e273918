// Aborting a game, and the in-game music from game start to game end.
#include "GameRulesFixture.h"

using QuitGame = GameRulesFixture;

class InGameMusic : public GameRulesFixture {
protected:
    InGameMusic() { config().PlayMusic = 1; }

    int musicEntries(const QString& operation) const {
        return view.count(QStringLiteral("music ") + operation);
    }
};

TEST_F(QuitGame, AnsweringNoChangesNothingAndTheGameGoesOn) {
    rules.PlayClick();
    rules.ShowTimerTimer();
    view.quitAnswer = false;
    view.clearLog();
    EXPECT_FALSE(rules.QuitClick());
    EXPECT_EQ(view.log, std::vector<QString>{"confirmQuit"});
    EXPECT_TRUE(rules.Playing());
    EXPECT_TRUE(rules.showTimerRunning());
    EXPECT_EQ(tickUntilPlayerTurn(), 4);
}

TEST_F(QuitGame, AnsweringNoKeepsThePlayerClockRunning) {
    config().PlayerTime = 1;
    startAndComplete(2);
    press(rules.sequenceAt(1));
    clockTicks(4);
    view.quitAnswer = false;
    EXPECT_FALSE(rules.QuitClick());
    EXPECT_TRUE(rules.timeTimerRunning());
    clockTicks(6);
    EXPECT_EQ(view.lines[1], "Time Over !!");
}

TEST_F(QuitGame, AnsweringYesReturnsToIdleInOrderWithoutARecord) {
    startAndComplete(3);
    press(rules.sequenceAt(1));
    rules.ButtonDown(rules.sequenceAt(2));  // still held
    view.clearLog();
    EXPECT_TRUE(rules.QuitClick());

    std::vector<QString> expected = {"confirmQuit", "gameMode 0", "HideMarks", "stopShow",
                                     "stopTime"};
    for (int line = 1; line <= 5; ++line) expected.push_back(QStringLiteral("line %1 ").arg(line));
    for (int n = 1; n <= 9; ++n) expected.push_back(QStringLiteral("button %1 Up").arg(n));
    EXPECT_EQ(view.log, expected);
    EXPECT_FALSE(rules.Playing());
    EXPECT_FALSE(rules.PlayerTurn());
    EXPECT_FALSE(rules.showTimerRunning());
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(rules.HighlightRow(), GameRules::kNoHighlight);
    EXPECT_EQ(config().Top10Scores[config().recordIndex(1)], 0);
}

TEST_F(QuitGame, AfterAQuitTheBoardAndTimersIgnoreEverything) {
    rules.PlayClick();
    rules.ShowTimerTimer();
    rules.QuitClick();
    view.clearLog();
    for (int i = 0; i < 10; ++i) {
        rules.ShowTimerTimer();
        rules.TimeTimerTimer();
    }
    for (int n = 1; n <= 9; ++n) press(n);
    EXPECT_TRUE(view.log.empty());
}

TEST_F(QuitGame, QuitDuringTheLeadInAfterAMistakeClearsTheMarks) {
    startAndComplete(1);
    press(wrongButtonFor(1));
    ASSERT_EQ(view.visibleMarks(), 2);
    rules.QuitClick();
    EXPECT_EQ(view.visibleMarks(), 0);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(view.buttons[n], Picture::Up);
}

TEST_F(InGameMusic, StartsWithTheGameAndStopsAndClosesWhenItIsLost) {
    config().MistakesAllowed = 0;
    rules.PlayClick();
    EXPECT_TRUE(music.isOpen());
    EXPECT_EQ(music.plays, 1);
    EXPECT_TRUE(music.looping) << "the piece repeats by itself, with no gap at the seam";
    EXPECT_LT(view.indexOf("music open"), view.indexOf("music play"));

    tickUntilPlayerTurn();
    press(wrongButtonFor(1));
    EXPECT_FALSE(music.isOpen());
    const int stop = view.indexOf("music stop");
    ASSERT_GE(stop, 0);
    EXPECT_EQ(view.indexOf("music close"), stop + 1);
    EXPECT_LT(view.indexOf("line 3 Sequence: 1"), stop);
    EXPECT_LT(stop, view.indexOf("gameOver"));
}

TEST_F(InGameMusic, QuitStopsAndClosesTheMusicAfterHidingTheMarks) {
    rules.PlayClick();
    view.clearLog();
    rules.QuitClick();
    EXPECT_FALSE(music.isOpen());
    EXPECT_EQ(view.indexOf("music stop"), view.indexOf("HideMarks") + 1);
    EXPECT_EQ(view.indexOf("music close"), view.indexOf("music stop") + 1);
    EXPECT_LT(view.indexOf("music close"), view.indexOf("stopShow"));
}

TEST_F(InGameMusic, NotificationReplaysOnlyWhileAGameRuns) {
    rules.MediaPlayerNotify();
    EXPECT_EQ(music.plays, 0) << "idle";

    rules.PlayClick();
    rules.MediaPlayerNotify();
    rules.MediaPlayerNotify();
    EXPECT_EQ(music.plays, 3);

    rules.QuitClick();
    view.clearLog();
    rules.MediaPlayerNotify();  // the one the stop produced
    EXPECT_EQ(music.plays, 3);
    EXPECT_TRUE(view.log.empty());
}

TEST_F(InGameMusic, NextGameStartsThePieceAgain) {
    rules.PlayClick();
    rules.QuitClick();
    view.clearLog();
    rules.PlayClick();
    EXPECT_EQ(musicEntries("open"), 1);
    EXPECT_EQ(musicEntries("play"), 1);
    EXPECT_TRUE(music.isOpen());
}

// Music plays for a flag of exactly 1 only.
TEST_F(InGameMusic, OffNeverTouchesThePlayer) {
    config().MistakesAllowed = 0;
    for (const std::uint8_t flag : {0, 2}) {
        config().PlayMusic = flag;
        startAndComplete(1);
        rules.MediaPlayerNotify();
        press(wrongButtonFor(1));
        EXPECT_EQ(view.countStartingWith("music "), 0) << int(flag);
    }
}

TEST_F(InGameMusic, OpenFailureIsShownOnceAndTheGamePlaysInSilence) {
    music.openError = "The specified file is not a MIDI file.";
    config().MistakesAllowed = 0;
    rules.PlayClick();
    EXPECT_EQ(view.errors, QStringList{"The specified file is not a MIDI file."});
    EXPECT_TRUE(rules.Playing());
    EXPECT_TRUE(rules.showTimerRunning());
    EXPECT_EQ(view.log.back(), "control 1 Up");

    EXPECT_EQ(tickUntilPlayerTurn(), 5);
    rules.MediaPlayerNotify();
    playRound();
    tickUntilPlayerTurn();
    press(wrongButtonFor(1));
    EXPECT_FALSE(rules.Playing());
    EXPECT_EQ(musicEntries("play"), 0);
    EXPECT_EQ(musicEntries("stop"), 0) << "nothing open to stop";
    EXPECT_EQ(view.errors.size(), 1);
    EXPECT_EQ(view.recordsShown, std::vector<int>{1});
}

TEST_F(InGameMusic, PlayFailureClosesThePlayerSoNothingLoops) {
    music.playError = "The device is busy.";
    rules.PlayClick();
    EXPECT_EQ(view.errors, QStringList{"The device is busy."});
    EXPECT_FALSE(music.isOpen());
    rules.MediaPlayerNotify();
    rules.QuitClick();
    EXPECT_EQ(view.errors.size(), 1);
    EXPECT_EQ(musicEntries("stop"), 0);
}

TEST_F(InGameMusic, FailingReplayIsSilent) {
    rules.PlayClick();
    music.playError = "The device is busy.";
    rules.MediaPlayerNotify();
    EXPECT_TRUE(view.errors.isEmpty());
    EXPECT_TRUE(rules.Playing());
}
