// Whole games in the real window: the test reads the lit board off screenshots and
// answers with keypad keys, as a player would.
#include <iostream>

#include "GameFixture.h"

namespace {

class GameE2eTest : public GameFixture {};

void printRound(int round, const std::vector<int>& steps) {
    std::cerr << "round " << round << ":";
    for (int step : steps) std::cerr << ' ' << step;
    std::cerr << '\n';
}

TEST_F(GameE2eTest, CorrectRoundsThenAWrongPressMakesARecord) {
    setRules({.mistakes = 0, .delay = 1000, .playerTime = false});
    const QByteArray before = config();
    startGame();
    x.key(QStringLiteral("F2"));

    const int rounds = 3;
    std::vector<int> previous;
    for (int round = 1; round <= rounds; ++round) {
        const std::vector<int> steps = watchPlayback(round);
        printRound(round, steps);
        ASSERT_EQ(static_cast<int>(steps.size()), round) << "round " << round;
        // One sequence serves the whole game: each round repeats the last one.
        for (size_t i = 0; i < previous.size(); ++i) EXPECT_EQ(steps[i], previous[i]);
        for (int step : steps) press(step);
        previous = steps;
    }

    // Round 4: a wrong first press with no mistake allowed ends the game.
    const std::vector<int> steps = watchPlayback(rounds + 1);
    ASSERT_EQ(static_cast<int>(steps.size()), rounds + 1);
    press(steps[0] == 1 ? 2 : 1);

    const auto over = waitForBox(kMainTitle);
    ASSERT_TRUE(over) << "no game-over box";
    x.key(QStringLiteral("Return"));
    const auto nameBox = waitForBox(QStringLiteral("^Congratulations!$"));
    ASSERT_TRUE(nameBox) << "no record name box";
    x.key(QStringLiteral("ctrl+a"));
    x.type(QStringLiteral("Keypad Ace"));
    x.key(QStringLiteral("Return"));
    const auto viewer = waitForBox(QStringLiteral("^Zelto 2000 Records$"));
    ASSERT_TRUE(viewer) << "no records viewer";
    x.key(QStringLiteral("Return"));
    ASSERT_TRUE(waitForBoxGone(*viewer));

    const QByteArray after = config();
    ASSERT_EQ(after.size(), before.size());
    const ConfigRecord rec = ConfigRecord::decode(after);
    const int i = rec.recordIndex(1);
    EXPECT_EQ(i, recordIndex(9, 0, 0, 0, 1));
    EXPECT_EQ(rec.Top10Scores[i], rounds);
    EXPECT_EQ(rec.Top10Names[i].text(), QStringLiteral("Keypad Ace"));
    // Nothing else in the file changed: only that score and that name.
    QByteArray expected = before;
    ConfigRecord old = ConfigRecord::decode(before);
    old.Top10Scores[i] = rounds;
    old.Top10Names[i] = rec.Top10Names[i];
    expected.replace(0, kConfigRecordSize, old.encode());
    EXPECT_TRUE(after == expected);
}

// A time-out and a wrong press each cost one of two mistakes and replay the round; the
// first press of a turn has no time limit; a time-out with none left ends the game.
TEST_F(GameE2eTest, TimeOutAndMistakeReplayTheRoundUntilNoneIsLeft) {
    setRules({.mistakes = 2, .delay = 500, .playerTime = true});
    startGame();
    x.key(QStringLiteral("F2"));
    const std::vector<int> first = watchPlayback(1);
    ASSERT_EQ(first.size(), 1u);
    press(first[0]);

    const std::vector<int> steps = watchPlayback(2);
    printRound(2, steps);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], first[0]);
    press(steps[0]);  // then let the clock run out: the round is shown again
    EXPECT_EQ(watchPlayback(2), steps) << "no replay after the time-out";

    press(steps[0] == 1 ? 2 : 1);  // a wrong press: shown again once more
    EXPECT_EQ(watchPlayback(2), steps) << "no replay after the mistake";
    EXPECT_TRUE(x.findWindows(kMainTitle).size() == 1) << "the game ended too early";
    for (int step : steps) press(step);

    const std::vector<int> third = watchPlayback(3);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_TRUE(boardStaysDark(1500)) << "waiting before the first press is free";
    EXPECT_EQ(x.findWindows(kMainTitle).size(), 1);
    press(third[0]);  // no mistake left: this time-out ends the game
    finishGameOver();
    const ConfigRecord rec = ConfigRecord::decode(config());
    const int i = rec.recordIndex(1);
    EXPECT_EQ(i, recordIndex(9, 2, 1, 0, 1));
    EXPECT_EQ(rec.Top10Scores[i], 2);
}

// F3 asks first: No lets the game go on, Yes ends it and records nothing.
TEST_F(GameE2eTest, QuitAsksAndNoGoesOnWhileYesRecordsNothing) {
    setRules({.mistakes = 0, .delay = 1000, .playerTime = false});
    const QByteArray before = config();
    startGame();
    x.key(QStringLiteral("F2"));
    // Asked during the three silent ticks before the first flash.
    x.key(QStringLiteral("F3"));
    auto ask = waitForBox(kMainTitle);
    ASSERT_TRUE(ask) << "no confirmation box";
    x.key(QStringLiteral("Escape"));  // No
    ASSERT_TRUE(waitForBoxGone(*ask));
    x.focus(window);
    const std::vector<int> first = watchPlayback(1);
    ASSERT_EQ(first.size(), 1u) << "the game did not go on after No";
    press(first[0]);
    ASSERT_TRUE(x.waitUntil([&] { return litButton(boardShot()) != 0; }, 10000, 5))
        << "no second round";

    x.key(QStringLiteral("F3"));  // during the playback of round 2
    ask = waitForBox(kMainTitle);
    ASSERT_TRUE(ask) << "no confirmation box";
    x.key(QStringLiteral("Return"));  // Yes, the default
    ASSERT_TRUE(waitForBoxGone(*ask));
    x.focus(window);
    EXPECT_TRUE(boardStaysDark(3000)) << "the playback went on after Yes";
    EXPECT_EQ(x.findWindows(kMainTitle).size(), 1) << "no game-over box after a quit";
    EXPECT_TRUE(config() == before) << "a quit records nothing";

    x.key(QStringLiteral("F2"));  // idle again: a new game can start
    EXPECT_EQ(watchPlayback(1).size(), 1u);
}

}  // namespace
