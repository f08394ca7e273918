#include "RecordTable.h"

namespace RecordTable {

bool categoryValid(const ConfigRecord& rec) {
    const int c = rec.categoryButtons();
    return c >= 2 && c <= 9 && rec.MistakesAllowed <= 9;
}

int findRank(const ConfigRecord& rec, int score) {
    if (!categoryValid(rec)) return 0;
    for (int rank = 1; rank <= kRanks; ++rank)
        if (rec.Top10Scores[rec.recordIndex(rank)] < score) return rank;
    return 0;
}

void insert(ConfigRecord& rec, int rank, int score, const QString& name) {
    if (!categoryValid(rec) || rank < 1 || rank > kRanks) return;
    const int base = rec.recordIndex(1) - 1;  // so that base + r is rank r
    // From rank 9 upward so that nothing is overwritten before it has moved.
    for (int r = kRanks - 1; r >= rank; --r)
        rec.Top10Scores[base + r + 1] = rec.Top10Scores[base + r];
    for (int r = kRanks - 1; r >= rank; --r)
        rec.Top10Names[base + r + 1] = rec.Top10Names[base + r];
    rec.Top10Scores[base + rank] = score;
    rec.Top10Names[base + rank].setText(name.left(kMaxNameLength));
}

void copyTable(const ConfigRecord& from, ConfigRecord& to) {
    if (!categoryValid(from)) return;
    for (int rank = 1; rank <= kRanks; ++rank) {
        const int i = from.recordIndex(rank);
        to.Top10Scores[i] = from.Top10Scores[i];
        to.Top10Names[i] = from.Top10Names[i];
    }
}

}  // namespace RecordTable
