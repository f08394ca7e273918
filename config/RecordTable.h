#pragma once
// The top-ten table of one record category inside the Config.dat record.
#include <QString>

#include "ConfigRecord.h"

namespace RecordTable {
constexpr int kMaxNameLength = 20;

// The settings select one of the 320 tables (2..9 buttons on, 0..9 mistakes).
bool categoryValid(const ConfigRecord& rec);

// First rank (1..10) of the record's category whose score is strictly lower than
// `score`, or 0 when the score makes no record (or the category is not valid).
int findRank(const ConfigRecord& rec, int score);

// Moves ranks rank..9 one down (the old rank 10 drops out) and stores (score, name)
// at `rank`; the name is cut to 20 characters.
void insert(ConfigRecord& rec, int rank, int score, const QString& name);

// Copies the ten scores and names of `from`'s category into `to`, leaving every other
// byte of `to` as it was.
void copyTable(const ConfigRecord& from, ConfigRecord& to);
}  // namespace RecordTable
