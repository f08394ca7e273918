// Config.dat as any bytes: the record, its checks and the top-ten tables must cope with
// every value a damaged or foreign file can hold, and must never touch bytes they do not own.
#include <cstddef>
#include <cstdint>

#include "ConfigCheck.h"
#include "ConfigRecord.h"
#include "FuzzSupport.h"
#include "RecordTable.h"

using FuzzSupport::check;

namespace {
constexpr int kScoresAt = 788;
constexpr int kNamesAt = 13588;
constexpr int kNameBytes = 21;

// Short inputs fill the start of the record, so the settings are mutated most often.
QByteArray recordBytes(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = FuzzSupport::bytesOf(data, size).left(kConfigRecordSize);
    bytes.append(QByteArray(kConfigRecordSize - bytes.size(), '\0'));
    return bytes;
}

template <int N>
void checkText(const ShortString<N>& s) {
    check(s.text().size() <= N, "text longer than its capacity");
}

void checkAllText(const ConfigRecord& rec) {
    checkText(rec.SoundScheme);
    checkText(rec.MusicFile);
    checkText(rec.SkinName);
    for (const auto& name : rec.Top10Names) checkText(name);
}

void checkSafeCopy(const ConfigRecord& rec) {
    const QStringList found = ConfigCheck::problems(rec);
    check(found.isEmpty() == ConfigCheck::message(found).isEmpty(), "message disagrees");
    const ConfigRecord safe = ConfigCheck::makeSafe(rec);
    check(ConfigCheck::problems(safe).isEmpty(), "safe copy still has problems");
    check(ConfigCheck::makeSafe(safe) == safe, "safe copy changed by a second pass");
    check(RecordTable::categoryValid(safe), "safe copy selects no table");
    check(safe.Top10Scores == rec.Top10Scores, "safe copy changed the scores");
}

// Everything outside the ten slots of the record's own table stays as it was.
void checkOnlyOwnTableChanged(const QByteArray& before, const ConfigRecord& after, int first) {
    const QByteArray now = after.encode();
    QByteArray was = before;
    const int scores = kScoresAt + first * 4;
    const int names = kNamesAt + first * kNameBytes;
    for (const int at : {scores, names}) {
        const int length = at == scores ? kRanks * 4 : kRanks * kNameBytes;
        was.replace(at, length, now.mid(at, length));
    }
    check(now == was, "insert changed bytes outside its table");
}

void checkInsert(ConfigRecord rec, int score, const QString& name) {
    const int rank = RecordTable::findRank(rec, score);
    check(rank >= 0 && rank <= kRanks, "rank out of range");
    if (rank == 0) return;
    const QByteArray before = rec.encode();
    RecordTable::insert(rec, rank, score, name);
    check(rec.Top10Scores[rec.recordIndex(rank)] == score, "score not stored at its rank");
    const QString stored = name.left(RecordTable::kMaxNameLength);
    if (ShortString<20>::fits(stored))
        check(rec.Top10Names[rec.recordIndex(rank)].text() == stored, "name not stored");
    checkOnlyOwnTableChanged(before, rec, rec.recordIndex(1));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = recordBytes(data, size);
    ConfigRecord rec = ConfigRecord::decode(bytes);
    check(rec.encode() == bytes, "encode does not give back the bytes read");
    checkAllText(rec);
    checkSafeCopy(rec);

    const QString name = rec.SkinName.text();
    checkInsert(ConfigCheck::makeSafe(rec), rec.Delay, name);
    // The raw record too: the table code must refuse what it cannot index.
    checkInsert(rec, rec.Delay, name);
    const int anyRank = size > 0 ? int(data[0] % 14) - 2 : 0;
    RecordTable::insert(rec, anyRank, rec.Delay, name);
    return 0;
}
