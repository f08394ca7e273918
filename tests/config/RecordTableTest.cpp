// Finding a record's rank and entering it into its category's table.
#include <gtest/gtest.h>

#include "RecordTable.h"

namespace {
// Five buttons, 3 mistakes, no player time, normal mode.
ConfigRecord fiveButtons() {
    ConfigRecord rec;
    rec.ButtonEnabled = {1, 1, 1, 1, 1, 0, 0, 0, 0};
    rec.MistakesAllowed = 3;
    return rec;
}

void fill(ConfigRecord& rec, std::initializer_list<int> scores) {
    int rank = 1;
    for (int score : scores) {
        rec.Top10Scores[rec.recordIndex(rank)] = score;
        rec.Top10Names[rec.recordIndex(rank)].setText(QStringLiteral("P%1").arg(rank));
        ++rank;
    }
}

int scoreAt(const ConfigRecord& rec, int rank) {
    return rec.Top10Scores[rec.recordIndex(rank)];
}
QString nameAt(const ConfigRecord& rec, int rank) {
    return rec.Top10Names[rec.recordIndex(rank)].text();
}
}  // namespace

TEST(RecordTableRank, EmptyTableGivesRankOneToAnyPositiveScore) {
    const ConfigRecord rec = fiveButtons();
    EXPECT_EQ(RecordTable::findRank(rec, 1), 1);
    EXPECT_EQ(RecordTable::findRank(rec, 0), 0);
}

TEST(RecordTableRank, EqualScoreRanksBelowTheStoredOne) {
    ConfigRecord rec = fiveButtons();
    fill(rec, {50, 40, 30, 20, 10});
    EXPECT_EQ(RecordTable::findRank(rec, 30), 4);
    EXPECT_EQ(RecordTable::findRank(rec, 31), 3);
}

TEST(RecordTableRank, EqualToRankTenMakesNoRecord) {
    ConfigRecord rec = fiveButtons();
    fill(rec, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    EXPECT_EQ(RecordTable::findRank(rec, 10), 0);
    EXPECT_EQ(RecordTable::findRank(rec, 11), 10);
}

TEST(RecordTableRank, InvalidCategoryNeverRanks) {
    ConfigRecord rec = fiveButtons();
    rec.ButtonEnabled = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(RecordTable::findRank(rec, 1000), 0);
    rec = fiveButtons();
    rec.MistakesAllowed = 10;
    EXPECT_EQ(RecordTable::findRank(rec, 1000), 0);
}

TEST(RecordTableInsert, TieWithRankThreeEntersAtFourAndShiftsTheRest) {
    ConfigRecord rec = fiveButtons();
    fill(rec, {50, 40, 30, 20, 10, 9, 8, 7, 6, 5});
    const int rank = RecordTable::findRank(rec, 30);
    ASSERT_EQ(rank, 4);
    RecordTable::insert(rec, rank, 30, QStringLiteral("New"));
    const int expected[] = {50, 40, 30, 30, 20, 10, 9, 8, 7, 6};
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(scoreAt(rec, r), expected[r - 1]) << "rank " << r;
    EXPECT_EQ(nameAt(rec, 3), QStringLiteral("P3"));
    EXPECT_EQ(nameAt(rec, 4), QStringLiteral("New"));
    EXPECT_EQ(nameAt(rec, 5), QStringLiteral("P4"));
    EXPECT_EQ(nameAt(rec, 10), QStringLiteral("P9"));
}

TEST(RecordTableInsert, EntryAtRankTenReplacesOnlyRankTen) {
    ConfigRecord rec = fiveButtons();
    fill(rec, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    RecordTable::insert(rec, 10, 15, QStringLiteral("Last"));
    EXPECT_EQ(scoreAt(rec, 9), 20);
    EXPECT_EQ(nameAt(rec, 9), QStringLiteral("P9"));
    EXPECT_EQ(scoreAt(rec, 10), 15);
    EXPECT_EQ(nameAt(rec, 10), QStringLiteral("Last"));
}

TEST(RecordTableInsert, NameIsCutToTwentyCharacters) {
    ConfigRecord rec = fiveButtons();
    RecordTable::insert(rec, 1, 5, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    EXPECT_EQ(nameAt(rec, 1), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
}

TEST(RecordTableInsert, OtherCategoriesAreUntouched) {
    ConfigRecord rec = fiveButtons();
    const ConfigRecord before = rec;
    RecordTable::insert(rec, 1, 5, QStringLiteral("Me"));
    const int first = rec.recordIndex(1);
    for (int i = 0; i < kTop10Entries; ++i) {
        if (i >= first && i < first + kRanks) continue;
        ASSERT_EQ(rec.Top10Scores[i], before.Top10Scores[i]) << i;
        ASSERT_EQ(rec.Top10Names[i], before.Top10Names[i]) << i;
    }
}
