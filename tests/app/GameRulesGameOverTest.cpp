// The end of a lost game: back to idle, and a record entry when the score beats the table.
#include <array>

#include "GameRulesFixture.h"
#include "GameRulesTestAccess.h"

class GameOver : public GameRulesFixture {
protected:
    GameOver() { config().MistakesAllowed = 0; }

    // Completes `score` rounds, then presses a wrong button with no mistake left.
    void loseWithScore(int score) {
        startAndComplete(score);
        press(wrongButtonFor(1));
        ASSERT_FALSE(rules.Playing());
    }

    int indexOfRank(int rank) { return config().recordIndex(rank); }

    void setTable(const std::array<int, 10>& scores) {
        for (int r = 1; r <= 10; ++r) {
            config().Top10Scores[indexOfRank(r)] = scores[r - 1];
            config().Top10Names[indexOfRank(r)].setText(QStringLiteral("P%1").arg(r));
        }
    }

    int scoreAt(int rank) { return config().Top10Scores[indexOfRank(rank)]; }
    QString nameAt(int rank) { return config().Top10Names[indexOfRank(rank)].text(); }

    void expectIdle() {
        EXPECT_FALSE(rules.Playing());
        EXPECT_FALSE(rules.PlayerTurn());
        EXPECT_FALSE(view.gameMode);
        EXPECT_FALSE(rules.showTimerRunning());
        EXPECT_FALSE(rules.timeTimerRunning());
        EXPECT_EQ(view.visibleMarks(), 0);
        for (int line = 1; line <= 5; ++line) EXPECT_TRUE(view.lines[line].isEmpty()) << line;
        for (int n = 1; n <= 9; ++n) {
            EXPECT_EQ(view.buttons[n], Picture::Up) << n;
            EXPECT_FALSE(rules.buttonShowsDown(n)) << n;
        }
    }
};

using RecordEntry = GameOver;

TEST_F(GameOver, ScoreZeroOnlyShowsTheGameOverMessage) {
    loseWithScore(0);
    EXPECT_EQ(view.count("gameOver"), 1);
    EXPECT_TRUE(view.namesOffered.isEmpty());
    EXPECT_TRUE(view.saved.empty());
    EXPECT_EQ(view.count("saveRecord"), 0);
    EXPECT_TRUE(view.recordsShown.empty());
    EXPECT_EQ(rules.HighlightRow(), GameRules::kNoHighlight);
    expectIdle();
}

TEST_F(GameOver, StepsRunInOrder) {
    startAndComplete(1);
    const int wrong = wrongButtonFor(1);
    view.clearLog();
    rules.ButtonDown(wrong);

    std::vector<QString> expected = {
        QStringLiteral("button %1 Down").arg(wrong),
        "sound " + boardSound(wrong),
        "line 1 Wrong button !!",
        "sound " + mistakeSound(),
        QStringLiteral("mark %1 No").arg(wrong),
        QStringLiteral("mark %1 Yes").arg(rules.sequenceAt(1)),
        "line 3 Sequence: 1",
        "gameOver",
        "HideMarks",
        "gameMode 0",
        "stopShow",
        "stopTime",
    };
    for (int line = 1; line <= 5; ++line) expected.push_back(QStringLiteral("line %1 ").arg(line));
    for (int n = 1; n <= 9; ++n) expected.push_back(QStringLiteral("button %1 Up").arg(n));
    expected.push_back("askName Anonymous");
    expected.push_back("saveRecord");
    expected.push_back("showRecords 1");
    EXPECT_EQ(view.log, expected);
    expectIdle();
}

TEST_F(GameOver, WithPlayerTimeTheClockStopsFirst) {
    config().PlayerTime = 1;
    startAndComplete(1);
    view.clearLog();
    rules.ButtonDown(wrongButtonFor(1));
    const int stop = view.indexOf("stopTime");
    ASSERT_GE(stop, 0);
    EXPECT_LT(stop, view.indexOf("line 3 Sequence: 1"));
    EXPECT_EQ(rules.TimeTicks(), 0);
}

TEST_F(GameOver, ReleaseAfterTheLosingPressDoesNothing) {
    startAndComplete(1);
    const int wrong = wrongButtonFor(1);
    rules.ButtonDown(wrong);
    view.clearLog();
    rules.ButtonUp(wrong);
    EXPECT_TRUE(view.log.empty());
}

TEST_F(RecordEntry, EmptyTableGivesRankOne) {
    loseWithScore(2);
    EXPECT_EQ(view.namesOffered, QStringList{"Anonymous"});
    EXPECT_EQ(scoreAt(1), 2);
    EXPECT_EQ(nameAt(1), "Anonymous");
    EXPECT_EQ(rules.HighlightRow(), 1);
    EXPECT_EQ(view.recordsShown, std::vector<int>{1});
    ASSERT_EQ(view.saved.size(), 1u);
    EXPECT_EQ(view.saved.front(), config()) << "the whole copy is written";
}

TEST_F(RecordEntry, TieWithRankThreeEntersBelowIt) {
    setTable({9, 5, 2, 1, 1, 1, 1, 1, 1, 0});
    view.nameAnswer = "New";
    loseWithScore(2);
    EXPECT_EQ(rules.HighlightRow(), 4);
    const std::array<int, 10> scores = {9, 5, 2, 2, 1, 1, 1, 1, 1, 1};
    const QStringList names = {"P1", "P2", "P3", "New", "P4", "P5", "P6", "P7", "P8", "P9"};
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(scoreAt(r), scores[r - 1]) << "rank " << r;
        EXPECT_EQ(nameAt(r), names[r - 1]) << "rank " << r;
    }
}

TEST_F(RecordEntry, TieWithRankTenMakesNoRecord) {
    setTable({9, 8, 7, 6, 5, 4, 3, 2, 2, 2});
    const ConfigRecord before = config();
    loseWithScore(2);
    EXPECT_TRUE(view.namesOffered.isEmpty());
    EXPECT_EQ(view.count("saveRecord"), 0);
    EXPECT_TRUE(view.recordsShown.empty());
    EXPECT_EQ(config(), before);
}

TEST_F(RecordEntry, EntryAtRankTenReplacesItAndMovesNothing) {
    setTable({9, 8, 7, 6, 5, 4, 3, 3, 3, 1});
    loseWithScore(2);
    EXPECT_EQ(rules.HighlightRow(), 10);
    for (int r = 1; r <= 9; ++r) EXPECT_EQ(nameAt(r), QStringLiteral("P%1").arg(r));
    EXPECT_EQ(scoreAt(9), 3);
    EXPECT_EQ(scoreAt(10), 2);
    EXPECT_EQ(nameAt(10), "Anonymous");
}

TEST_F(RecordEntry, OnlyTheTableOfTheSettingsInForceChanges) {
    enableOnly({1, 2, 3, 4, 5});
    const ConfigRecord before = config();
    loseWithScore(1);
    const int changed = config().recordIndex(1);
    EXPECT_EQ(changed, recordIndex(5, 0, 0, 0, 1));
    for (int i = 0; i < kTop10Entries; ++i) {
        if (i == changed) continue;
        ASSERT_EQ(config().Top10Scores[i], before.Top10Scores[i]) << i;
        ASSERT_EQ(config().Top10Names[i], before.Top10Names[i]) << i;
    }
    EXPECT_EQ(config().Top10Scores[changed], 1);
}

TEST_F(RecordEntry, LongNameIsCutToTwentyAndOfferedNextTime) {
    view.nameAnswer = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters
    loseWithScore(1);
    EXPECT_EQ(rules.PlayerName(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(nameAt(1), "ABCDEFGHIJKLMNOPQRST");

    view.nameAnswer.reset();
    loseWithScore(1);
    EXPECT_EQ(view.namesOffered.back(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(nameAt(2), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(rules.HighlightRow(), 2) << "an equal score goes below the older one";
}

TEST_F(RecordEntry, CancelledBoxEntersTheOfferedName) {
    rules.setPlayerName("Marta");
    loseWithScore(1);
    EXPECT_EQ(view.namesOffered, QStringList{"Marta"});
    EXPECT_EQ(nameAt(1), "Marta");
    EXPECT_EQ(rules.PlayerName(), "Marta");
}

TEST_F(RecordEntry, EmptyAnswerStoresAnEmptyName) {
    view.nameAnswer = QString();
    loseWithScore(1);
    EXPECT_EQ(nameAt(1), "");
    EXPECT_EQ(scoreAt(1), 1);
    EXPECT_TRUE(rules.PlayerName().isEmpty());
    EXPECT_EQ(view.recordsShown, std::vector<int>{1});
}

TEST_F(RecordEntry, CutNeverSplitsACharacterInTwo) {
    view.nameAnswer = QStringLiteral("ABCDEFGHIJKLMNOPQRS") + QString::fromUcs4(U"\U0001F600");
    loseWithScore(1);
    EXPECT_EQ(rules.PlayerName(), "ABCDEFGHIJKLMNOPQRS");
}

TEST_F(RecordEntry, FailedSaveShowsNoViewerAndKeepsTheEntryInMemory) {
    view.saveSucceeds = false;
    loseWithScore(3);
    EXPECT_EQ(view.count("saveRecord"), 1);
    EXPECT_TRUE(view.recordsShown.empty());
    EXPECT_EQ(rules.HighlightRow(), GameRules::kNoHighlight);
    EXPECT_EQ(scoreAt(1), 3);

    // The next successful write stores it as well.
    view.saveSucceeds = true;
    loseWithScore(1);
    ASSERT_EQ(view.saved.size(), 1u);
    EXPECT_EQ(view.saved.front().Top10Scores[indexOfRank(1)], 3);
    EXPECT_EQ(view.saved.front().Top10Scores[indexOfRank(2)], 1);
}

TEST_F(GameOver, RepeatingAllStepsEndsTheGameWithFullScore) {
    // Only reachable by years of play; the test starts the game at its last round.
    rules.PlayClick();
    GameRulesTestAccess::setSeqLength(rules, GameRules::kSequenceSize);
    tickUntilPlayerTurn(2 * GameRules::kSequenceSize + 10);
    ASSERT_TRUE(rules.PlayerTurn());
    view.clearLog();
    for (int i = 1; i < GameRules::kSequenceSize; ++i) {
        rules.ButtonDown(rules.sequenceAt(i));
        rules.ButtonUp(rules.sequenceAt(i));
    }
    ASSERT_TRUE(rules.Playing());
    view.clearLog();
    rules.ButtonDown(rules.sequenceAt(GameRules::kSequenceSize));

    EXPECT_FALSE(rules.Playing());
    EXPECT_EQ(rules.Score(), GameRules::kSequenceSize);
    EXPECT_EQ(view.count("startShow 250"), 0) << "no round past the last step";
    EXPECT_TRUE(view.logged("line 3 Sequence: 65000"));
    EXPECT_EQ(view.count("gameOver"), 1);
    EXPECT_EQ(scoreAt(1), GameRules::kSequenceSize);
    EXPECT_EQ(view.recordsShown, std::vector<int>{1});
    expectIdle();
}
