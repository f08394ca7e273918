// The per-press time limit: started by right presses, ten ticks to the time-out.
#include "GameRulesFixture.h"

class PlayerClock : public GameRulesFixture {
protected:
    PlayerClock() { config().PlayerTime = 1; }
};

TEST_F(PlayerClock, NeverRunsBeforeTheFirstPressOfATurn) {
    startAndComplete(2);
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(view.count("startTime"), 3) << "one start per right press of rounds 1 and 2";
    view.clearLog();
    clockTicks(50);
    EXPECT_TRUE(view.log.empty());
    EXPECT_TRUE(rules.PlayerTurn());
    EXPECT_EQ(rules.MistakesLeft(), 2);
    EXPECT_EQ(view.lines[5], "Timer: Paused");
}

TEST_F(PlayerClock, RightPressRestartsTheClockFromZero) {
    startAndComplete(3);  // round of 4
    press(rules.sequenceAt(1));
    EXPECT_TRUE(rules.timeTimerRunning());
    EXPECT_EQ(rules.TimeTicks(), 0);
    clockTicks(9);
    EXPECT_EQ(view.lines[5], "Timer: 90 %");
    view.clearLog();
    press(rules.sequenceAt(2));
    const int paused = view.indexOf("line 5 Timer: Paused");
    ASSERT_GE(paused, 0);
    EXPECT_EQ(view.indexOf("stopTime"), paused + 1);
    EXPECT_EQ(view.indexOf("startTime"), paused + 2);
    EXPECT_EQ(rules.TimeTicks(), 0);
    clockTicks(9);
    EXPECT_TRUE(rules.PlayerTurn()) << "nine ticks after the restart are still in time";
    EXPECT_EQ(rules.MistakesLeft(), 2);
}

TEST_F(PlayerClock, TimesOutAtExactlyTheTenthTick) {
    startAndComplete(2);  // round of 3
    press(rules.sequenceAt(1));
    const int due = rules.sequenceAt(2);
    view.clearLog();
    for (int tick = 1; tick <= 9; ++tick) {
        rules.TimeTimerTimer();
        EXPECT_EQ(view.lines[5], QStringLiteral("Timer: %1 %").arg(tick * 10));
        EXPECT_TRUE(rules.PlayerTurn());
    }
    EXPECT_EQ(view.lines[1], "Your turn");
    view.clearLog();
    rules.TimeTimerTimer();

    const std::vector<QString> expected = {
        "line 5 Timer: 100 %",
        "line 5 Timer: 100 %",
        "line 1 Time Over !!",
        QStringLiteral("mark %1 Time").arg(due),
        "stopTime",
        "sound " + timeOverSound(),
        "line 4 Mistakes left: 1",
        "startShow 250",
    };
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(rules.TimeTicks(), 0);
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_FALSE(rules.PlayerTurn());
    EXPECT_EQ(rules.ShowPos(), -6);
    EXPECT_EQ(rules.WrongButton(), 0);
    EXPECT_EQ(view.lines[3], "Sequence: 1") << "the count of right presses stays";
    EXPECT_EQ(rules.SeqLength(), 3);
}

TEST_F(PlayerClock, TimeOutReplaysTheRoundAndHidesTheMarkAtStepOne) {
    startAndComplete(1);
    press(rules.sequenceAt(1));
    clockTicks(10);
    ASSERT_EQ(view.visibleMarks(), 1);
    EXPECT_EQ(tickUntilStepLit(), 7);
    EXPECT_EQ(view.visibleMarks(), 0);
    EXPECT_EQ(view.lines[5], "Timer: Paused");
    tickUntilPlayerTurn();
    EXPECT_EQ(rules.SeqLength(), 2);
}

TEST_F(PlayerClock, CompletingPressLeavesTheClockPaused) {
    startAndComplete(1);
    press(rules.sequenceAt(1));
    clockTicks(4);
    rules.ButtonDown(rules.sequenceAt(2));
    EXPECT_EQ(view.lines[5], "Timer: Paused");
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(view.log.back(), "startShow 250");
    clockTicks(20);
    EXPECT_EQ(view.lines[5], "Timer: Paused") << "a stopped clock does not tick";
}

TEST_F(PlayerClock, WrongPressStopsTheClock) {
    startAndComplete(2);
    press(rules.sequenceAt(1));
    clockTicks(5);
    rules.ButtonDown(wrongButtonFor(2));
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(rules.TimeTicks(), 0);
    EXPECT_EQ(view.lines[5], "Timer: 50 %") << "the line keeps its value until the replay";
}

TEST_F(PlayerClock, TimeOutWithNoMistakeLeftEndsTheGameWithTheMarkShowing) {
    config().MistakesAllowed = 0;
    startAndComplete(1);
    press(rules.sequenceAt(1));
    clockTicks(10);
    EXPECT_FALSE(rules.Playing());
    EXPECT_EQ(view.marksAtGameOver, 1);
    EXPECT_EQ(view.linesAtGameOver[1], "Time Over !!");
    EXPECT_EQ(view.linesAtGameOver[5], "Timer: 100 %");
    EXPECT_LT(view.indexOf("sound " + timeOverSound()), view.indexOf("gameOver"));
    EXPECT_FALSE(rules.timeTimerRunning());
    EXPECT_EQ(view.namesOffered.size(), 1) << "a score of 1 beats the empty table";
}

TEST_F(PlayerClock, OffNeverStartsAndNeverTimesOut) {
    config().PlayerTime = 0;
    startAndComplete(3);
    press(rules.sequenceAt(1));
    clockTicks(100);
    EXPECT_EQ(view.count("startTime"), 0);
    EXPECT_EQ(view.lines[5], "Timer off");
    EXPECT_TRUE(rules.PlayerTurn());
    EXPECT_EQ(rules.MistakesLeft(), 2);
}
