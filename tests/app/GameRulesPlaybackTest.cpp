// The computer's turn: lead-ins, the lit and dark ticks, and what each round shows.
#include "GameRulesFixture.h"

using Playback = GameRulesFixture;
using AlternateMode = GameRulesFixture;

TEST_F(Playback, RoundTakesLeadInPlusTwoTicksPerStep) {
    rules.PlayClick();
    EXPECT_EQ(tickUntilPlayerTurn(), 3 + 2 * 1);
    for (int length = 2; length <= 6; ++length) {
        playRound();
        ASSERT_EQ(rules.SeqLength(), length);
        EXPECT_EQ(tickUntilPlayerTurn(), 2 + 2 * length) << "round of " << length;
    }
}

TEST_F(Playback, AfterACompletedRoundStepOneLightsOnTheThirdTick) {
    startAndComplete(0);
    playRound();
    EXPECT_EQ(rules.ShowPos(), -2);
    EXPECT_EQ(tickUntilStepLit(), 3);
}

TEST_F(Playback, AfterAMistakeStepOneLightsOnTheSeventhTick) {
    startAndComplete(1);
    press(wrongButtonFor(1));
    EXPECT_EQ(rules.ShowPos(), -6);
    EXPECT_EQ(tickUntilStepLit(), 7);
    EXPECT_EQ(tickUntilPlayerTurn(), 2 * 2 - 1) << "the rest of a round of 2";
}

TEST_F(Playback, EachStepIsLitOneTickAndDarkTheNext) {
    startAndComplete(2);
    playRound();  // round of 4 next
    for (int tick = 1; tick <= 2; ++tick) rules.ShowTimerTimer();
    for (int step = 1; step <= 4; ++step) {
        view.clearLog();
        rules.ShowTimerTimer();
        const int b = rules.sequenceAt(step);
        EXPECT_EQ(view.buttons[b], Picture::Down) << "step " << step;
        EXPECT_TRUE(view.logged("sound " + boardSound(b)));
        EXPECT_EQ(view.lines[3], QStringLiteral("Sequence: %1").arg(step));
        rules.ShowTimerTimer();
        EXPECT_EQ(view.buttons[b], Picture::Up) << "step " << step;
    }
    EXPECT_TRUE(rules.PlayerTurn());
    EXPECT_EQ(view.lines[3], "Sequence: 0");
    EXPECT_EQ(view.lines[1], "Your turn");
}

TEST_F(Playback, ScoreShownAtStepOneIsRoundMinusOne) {
    rules.PlayClick();
    for (int round = 1; round <= 4; ++round) {
        tickUntilStepLit();
        EXPECT_EQ(view.lines[2], QStringLiteral("Score: %1").arg(round - 1));
        EXPECT_EQ(view.lines[1], "PC turn");
        tickUntilPlayerTurn();
        playRound();
    }
}

// A control's or icon's click, like every sound, only when sounds are on.
TEST_F(Playback, TheClickOfAControlSoundsWhenSoundsAreOn) {
    rules.Click();
    EXPECT_EQ(view.sounds, QStringList{QStringLiteral("Click.wav")});
}

// Sounds play for a flag of exactly 1: 0 and any other value are silence.
TEST_F(Playback, WithSoundsOffNothingPlaysButTheTimingStays) {
    for (const std::uint8_t flag : {0, 2, 255}) {
        config().PlaySounds = flag;
        view.sounds.clear();
        rules.PlayClick();
        EXPECT_EQ(tickUntilPlayerTurn(), 5);
        playRound();
        EXPECT_EQ(tickUntilPlayerTurn(), 6);
        press(wrongButtonFor(1));
        EXPECT_EQ(tickUntilPlayerTurn(), 6 + 4);
        rules.Click();
        EXPECT_TRUE(view.sounds.isEmpty()) << int(flag);
        rules.QuitClick();
    }
}

TEST_F(Playback, WithPlayerTimeOffTheClockLineStaysOff) {
    startAndComplete(2);
    press(wrongButtonFor(1));
    tickUntilPlayerTurn();
    press(rules.sequenceAt(1));
    // The new game writes the line twice ("Timer: Paused", then "Timer off"), nothing else does.
    EXPECT_EQ(view.countStartingWith("line 5"), 2);
    EXPECT_EQ(view.lines[5], "Timer off");
    EXPECT_EQ(view.count("startTime"), 0);
}

TEST_F(Playback, WithPlayerTimeOnEachPlaybackShowsTheClockPaused) {
    config().PlayerTime = 1;
    startAndComplete(1);
    press(rules.sequenceAt(1));
    clockTicks(3);
    ASSERT_EQ(view.lines[5], "Timer: 30 %");
    press(wrongButtonFor(2));
    tickUntilStepLit();
    EXPECT_EQ(view.lines[5], "Timer: Paused");
}

TEST_F(Playback, WrongButtonKeepsItsPictureAndMarksUntilStepOneLights) {
    startAndComplete(3);  // round of 4
    press(rules.sequenceAt(1));
    const int wrong = wrongButtonFor(2);
    rules.ButtonDown(wrong);
    rules.ButtonUp(wrong);  // at step 2 of 4 the release changes nothing
    ASSERT_EQ(rules.WrongButton(), wrong);
    for (int tick = 1; tick <= 6; ++tick) {
        rules.ShowTimerTimer();
        EXPECT_EQ(view.buttons[wrong], Picture::Down) << "lead-in tick " << tick;
        EXPECT_EQ(view.visibleMarks(), 2) << "lead-in tick " << tick;
        EXPECT_EQ(view.lines[1], "Wrong button !!");
    }
    view.clearLog();
    rules.ShowTimerTimer();
    EXPECT_EQ(view.visibleMarks(), 0);
    EXPECT_EQ(rules.WrongButton(), 0);
    EXPECT_TRUE(view.logged(QStringLiteral("button %1 Up").arg(wrong)));
    EXPECT_LT(view.indexOf("HideMarks"),
              view.indexOf(QStringLiteral("button %1 Down").arg(rules.sequenceAt(1))));
    EXPECT_EQ(view.buttons[rules.sequenceAt(1)], Picture::Down);
}

TEST_F(Playback, StrayTickWhileTheTimerIsStoppedDoesNothing) {
    startAndComplete(1);
    view.clearLog();
    rules.ShowTimerTimer();
    EXPECT_TRUE(view.log.empty());
    EXPECT_TRUE(rules.PlayerTurn());
    rules.ShowTimerTimer();
    EXPECT_EQ(rules.ShowPos(), 2);
}

TEST_F(AlternateMode, OffReplaysTheSameStepsPlusOne) {
    rules.PlayClick();
    tickUntilPlayerTurn();
    const std::vector<int> before = steps(500);
    for (int r = 0; r < 3; ++r) {
        playRound();
        tickUntilPlayerTurn();
    }
    press(wrongButtonFor(1));
    tickUntilPlayerTurn();
    EXPECT_EQ(steps(500), before);
    EXPECT_EQ(seedCalls, 1);
}

TEST_F(AlternateMode, OnDrawsAnewAfterACompletedRound) {
    config().AltSeqMode = 1;
    startAndComplete(2);
    const std::vector<int> before = steps(500);
    const int calls = seedCalls;
    playRound();
    EXPECT_EQ(seedCalls, calls + 1);
    EXPECT_NE(steps(500), before);
    EXPECT_EQ(rules.SeqLength(), 4);
}

TEST_F(AlternateMode, OnDrawsAnewAfterAMistakeAndATimeOut) {
    config().AltSeqMode = 1;
    config().PlayerTime = 1;
    startAndComplete(2);
    std::vector<int> before = steps(500);
    press(wrongButtonFor(1));
    EXPECT_NE(steps(500), before);
    EXPECT_EQ(rules.SeqLength(), 3);

    tickUntilPlayerTurn();
    before = steps(500);
    press(rules.sequenceAt(1));
    clockTicks(10);
    ASSERT_EQ(view.lines[1], "Time Over !!");
    EXPECT_NE(steps(500), before);
    EXPECT_EQ(rules.SeqLength(), 3);
}

TEST_F(AlternateMode, NewStepsArePlayedBackAfterTheRedraw) {
    config().AltSeqMode = 1;
    startAndComplete(3);
    playRound();  // draws anew for the round of 5
    view.clearLog();
    tickUntilPlayerTurn();
    std::vector<int> shown;
    for (const QString& entry : view.log)
        if (entry.startsWith("button ") && entry.endsWith(" Down"))
            shown.push_back(entry.mid(7, 1).toInt());
    EXPECT_EQ(shown, steps(5));
}
