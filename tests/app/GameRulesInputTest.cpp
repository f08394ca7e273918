// The player's presses and releases, judged against the sequence.
#include "GameRulesFixture.h"

using PlayerInput = GameRulesFixture;
using WrongPress = GameRulesFixture;
using ReleaseRules = GameRulesFixture;

TEST_F(PlayerInput, RightPressShowsPictureSoundAndCountButNoMark) {
    startAndComplete(2);  // round of 3
    const int b = rules.sequenceAt(1);
    view.clearLog();
    rules.ButtonDown(b);

    EXPECT_EQ(rules.PlayerPos(), 1);
    EXPECT_EQ(view.buttons[b], Picture::Down);
    EXPECT_EQ(view.sounds.back(), boardSound(b));
    EXPECT_EQ(view.lines[3], "Sequence: 1");
    EXPECT_EQ(view.visibleMarks(), 0);
    EXPECT_TRUE(rules.PlayerTurn());
    EXPECT_EQ(view.count("startTime"), 0) << "the clock is off";
    rules.ButtonUp(b);
    EXPECT_EQ(view.buttons[b], Picture::Up);
}

TEST_F(PlayerInput, CompletingPressLengthensTheSequenceAndChangesNoOtherLine) {
    startAndComplete(1);  // round of 2
    press(rules.sequenceAt(1));
    const int last = rules.sequenceAt(2);
    view.clearLog();
    rules.ButtonDown(last);

    const std::vector<QString> expected = {
        QStringLiteral("button %1 Down").arg(last),
        "sound " + boardSound(last),
        "line 3 Sequence: 2",
        "stopTime",
        "startShow 250",
    };
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(rules.SeqLength(), 3);
    EXPECT_EQ(rules.Score(), 2);
    EXPECT_FALSE(rules.PlayerTurn());
    EXPECT_EQ(rules.ShowPos(), -2);
    EXPECT_TRUE(rules.showTimerRunning());
    EXPECT_EQ(view.lines[2], "Score: 1") << "the score line waits for the release";
}

TEST_F(PlayerInput, HeldButtonOrKeyRepeatCountsOnePress) {
    startAndComplete(2);
    const int b = rules.sequenceAt(1);
    rules.ButtonDown(b);
    view.clearLog();
    rules.ButtonDown(b);
    rules.ButtonDown(b);
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(rules.PlayerPos(), 1);
    rules.ButtonUp(b);
    rules.ButtonDown(b);
    EXPECT_EQ(rules.PlayerPos(), 2) << "a new press after the release is judged";
}

// What screen readers are told responds: enabled buttons in the player's turn, each while up.
TEST_F(PlayerInput, ButtonsRespondOnlyInThePlayersTurnWhileUpAndEnabled) {
    enableOnly({1, 2, 3});
    rules.PlayClick();
    EXPECT_FALSE(rules.buttonResponds(1)) << "the computer's turn";
    tickUntilPlayerTurn();
    playRound();
    EXPECT_FALSE(rules.buttonResponds(rules.sequenceAt(1))) << "the computer's turn again";
    tickUntilPlayerTurn();  // a round of two
    const int b = rules.sequenceAt(1);
    EXPECT_TRUE(rules.buttonResponds(b));
    EXPECT_FALSE(rules.buttonResponds(9)) << "not in the game";
    EXPECT_FALSE(rules.buttonResponds(0) || rules.buttonResponds(10));
    rules.ButtonDown(b);
    EXPECT_FALSE(rules.buttonResponds(b)) << "held down";
}

TEST_F(PlayerInput, PressesDuringTheComputersTurnDoNothing) {
    rules.PlayClick();
    for (int tick = 0; tick < 5; ++tick) {
        view.clearLog();
        for (int n = 1; n <= 9; ++n) rules.ButtonDown(n);
        EXPECT_TRUE(view.log.empty()) << "tick " << tick;
        EXPECT_EQ(rules.PlayerPos(), 0);
        rules.ShowTimerTimer();
    }
    EXPECT_TRUE(rules.PlayerTurn());

    playRound();  // the replay of a round of 2
    for (int tick = 0; tick < 20 && !rules.PlayerTurn(); ++tick) {
        view.clearLog();
        for (int n = 1; n <= 9; ++n) rules.ButtonDown(n);
        EXPECT_TRUE(view.log.empty()) << "show position " << rules.ShowPos();
        rules.ShowTimerTimer();
    }
    EXPECT_TRUE(rules.PlayerTurn());
    EXPECT_EQ(rules.PlayerPos(), 0);
}

TEST_F(PlayerInput, PressesWhileIdleDoNothing) {
    for (int n = 1; n <= 9; ++n) {
        rules.ButtonDown(n);
        rules.ButtonUp(n);
    }
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(rules.PlayerPos(), 0);
}

TEST_F(PlayerInput, DisabledButtonPressDoesNothing) {
    enableOnly({1, 2, 3});
    startAndComplete(1);
    view.clearLog();
    for (int n : {4, 5, 6, 7, 8, 9}) {
        rules.ButtonDown(n);
        rules.ButtonUp(n);
    }
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(rules.PlayerPos(), 0);
    EXPECT_EQ(rules.MistakesLeft(), 2);
}

TEST_F(PlayerInput, ButtonNumbersOutsideTheBoardAreIgnored) {
    startAndComplete(1);
    view.clearLog();
    for (int n : {0, 10, -3, 255}) {
        rules.ButtonDown(n);
        rules.ButtonUp(n);
    }
    EXPECT_TRUE(view.log.empty());
}

TEST_F(WrongPress, MarksPressedAndDueButtonsAndReplaysTheRound) {
    startAndComplete(3);  // round of 4
    press(rules.sequenceAt(1));
    const int due = rules.sequenceAt(2);
    const int wrong = wrongButtonFor(2);
    view.clearLog();
    rules.ButtonDown(wrong);

    EXPECT_EQ(view.lines[1], "Wrong button !!");
    EXPECT_EQ(view.lines[3], "Sequence: 2") << "the count includes the wrong press";
    EXPECT_EQ(view.lines[4], "Mistakes left: 1");
    EXPECT_EQ(view.marks[wrong], MarkKind::No);
    EXPECT_EQ(view.marks[due], MarkKind::Yes);
    EXPECT_EQ(view.visibleMarks(), 2);
    EXPECT_EQ(view.sounds.back(), mistakeSound());
    EXPECT_LT(view.indexOf("sound " + boardSound(wrong)), view.indexOf("sound " + mistakeSound()));
    EXPECT_EQ(rules.MistakesLeft(), 1);
    EXPECT_EQ(rules.WrongButton(), wrong);
    EXPECT_EQ(rules.SeqLength(), 4);
    EXPECT_FALSE(rules.PlayerTurn());
    EXPECT_EQ(rules.ShowPos(), -6);
    EXPECT_TRUE(rules.showTimerRunning());
}

TEST_F(WrongPress, WithNoMistakesAllowedTheFirstEndsTheGameWithMarksShowing) {
    config().MistakesAllowed = 0;
    startAndComplete(1);
    const int wrong = wrongButtonFor(1);
    rules.ButtonDown(wrong);

    EXPECT_FALSE(rules.Playing());
    EXPECT_EQ(view.count("gameOver"), 1);
    EXPECT_EQ(view.marksAtGameOver, 2);
    EXPECT_EQ(view.linesAtGameOver[1], "Wrong button !!");
    EXPECT_EQ(view.linesAtGameOver[3], "Sequence: 1");
    EXPECT_LT(view.indexOf("sound " + mistakeSound()), view.indexOf("gameOver"));
    EXPECT_EQ(view.visibleMarks(), 0) << "hidden after the box";
}

TEST_F(WrongPress, WithNineMistakesAllowedTheTenthEndsTheGame) {
    config().MistakesAllowed = 9;
    startAndComplete(1);
    for (int mistake = 1; mistake <= 9; ++mistake) {
        press(wrongButtonFor(1));
        ASSERT_TRUE(rules.Playing()) << "mistake " << mistake;
        EXPECT_EQ(rules.MistakesLeft(), 9 - mistake);
        EXPECT_EQ(view.lines[4], QStringLiteral("Mistakes left: %1").arg(9 - mistake));
        tickUntilPlayerTurn();
    }
    press(wrongButtonFor(1));
    EXPECT_FALSE(rules.Playing());
    EXPECT_EQ(view.count("gameOver"), 1);
}

TEST_F(ReleaseRules, ReleaseOfTheCompletingPressBeforeStepOneShowsTheNewScore) {
    startAndComplete(1);
    press(rules.sequenceAt(1));
    const int last = rules.sequenceAt(2);
    rules.ButtonDown(last);
    rules.ShowTimerTimer();  // lead-in tick 1 of 2
    view.clearLog();
    rules.ButtonUp(last);

    const std::vector<QString> expected = {
        QStringLiteral("button %1 Up").arg(last),
        "line 1 PC turn",
        "line 2 Score: 2",
        "line 3 Sequence: 0",
    };
    EXPECT_EQ(view.log, expected);
}

TEST_F(ReleaseRules, LateReleaseOfTheCompletingPressOnlyRestoresThePicture) {
    startAndComplete(1);
    press(rules.sequenceAt(1));
    const int last = rules.sequenceAt(2);
    rules.ButtonDown(last);
    for (int tick = 0; tick < 3; ++tick) rules.ShowTimerTimer();  // step 1 lit
    ASSERT_EQ(rules.ShowPos(), 1);
    const QString score = view.lines[2];
    view.clearLog();
    rules.ButtonUp(last);

    EXPECT_EQ(view.log, std::vector<QString>{QStringLiteral("button %1 Up").arg(last)});
    EXPECT_EQ(view.lines[2], score);
    EXPECT_EQ(score, "Score: 2");
}

TEST_F(ReleaseRules, WrongPressAtTheSecondLastStepIsReleasedWithTheComputersLines) {
    startAndComplete(2);  // round of 3
    press(rules.sequenceAt(1));
    const int wrong = wrongButtonFor(2);
    rules.ButtonDown(wrong);  // PlayerPos 2 = SeqLength - 1
    view.clearLog();
    rules.ButtonUp(wrong);

    const std::vector<QString> expected = {
        QStringLiteral("button %1 Up").arg(wrong),
        "line 1 PC turn",
        "line 2 Score: 2",
        "line 3 Sequence: 0",
    };
    EXPECT_EQ(view.log, expected);
    EXPECT_EQ(view.visibleMarks(), 2) << "the marks stay through the lead-in";
}

TEST_F(ReleaseRules, WrongPressAtAnyOtherStepIsReleasedWithoutChange) {
    startAndComplete(2);  // round of 3
    const int wrong = wrongButtonFor(1);
    rules.ButtonDown(wrong);  // PlayerPos 1
    view.clearLog();
    rules.ButtonUp(wrong);
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(view.buttons[wrong], Picture::Down);
    EXPECT_TRUE(rules.buttonShowsDown(wrong));
}

TEST_F(ReleaseRules, ReleaseOfADisabledButtonDoesNothing) {
    enableOnly({1, 2});
    startAndComplete(1);
    view.clearLog();
    rules.ButtonUp(5);
    EXPECT_TRUE(view.log.empty());
}
