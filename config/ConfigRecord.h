#pragma once
// The one record of Config.dat: every setting and all 320 top-ten tables.
// decode()/encode() map it to the 80788 bytes of the file, little-endian, keeping
// the reserved bytes and the string tails exactly as they were read.
#include <array>
#include <cstdint>

#include <QByteArray>

#include "ShortString.h"

constexpr int kConfigRecordSize = 80788;
constexpr int kRecordCategories = 320;
constexpr int kRanks = 10;
constexpr int kTop10Entries = kRecordCategories * kRanks;

struct ConfigRecord {
    std::array<std::uint8_t, 9> ButtonEnabled{};  // [0] is button 1
    std::uint8_t PlayerTime = 0;
    std::uint8_t MistakesAllowed = 0;
    std::uint8_t AltSeqMode = 0;
    std::int32_t Delay = 0;
    std::uint8_t PlaySounds = 0;
    ShortString<255> SoundScheme;
    std::uint8_t PlayMusic = 0;
    ShortString<255> MusicFile;
    ShortString<255> SkinName;
    std::array<std::uint8_t, 2> Reserved{};
    std::array<std::int32_t, kTop10Entries> Top10Scores{};
    std::array<ShortString<20>, kTop10Entries> Top10Names{};

    // Button n (1..9) takes part in the game.
    bool buttonEnabled(int n) const { return ButtonEnabled[n - 1] != 0; }
    // Sounds and music play only for a flag of exactly 1; any other value is silence.
    bool soundsOn() const { return PlaySounds == 1; }
    bool musicOn() const { return PlayMusic == 1; }

    // The record category of these settings; flags count as on only when exactly 1.
    int enabledCount() const;
    int categoryButtons() const { return enabledCount(); }
    int categoryTime() const { return PlayerTime == 1 ? 1 : 0; }
    int categoryAlt() const { return AltSeqMode == 1 ? 1 : 0; }

    // Index of rank r (1..10) in the tables of this record's category.
    int recordIndex(int rank) const;

    // The settings of Config.dat as shipped: every button, 3 mistakes, 500 ms, sounds and
    // music on, the default skin, sounds and music; empty record tables.
    static ConfigRecord defaults();

    // `bytes` must hold at least kConfigRecordSize bytes; more are ignored.
    static ConfigRecord decode(const QByteArray& bytes);
    QByteArray encode() const;

    bool operator==(const ConfigRecord&) const = default;
};

// i = ((((c - 2) * 10 + d) * 2 + t) * 2 + a) * 10 + (r - 1)
constexpr int recordIndex(int c, int d, int t, int a, int rank) {
    return ((((c - 2) * 10 + d) * 2 + t) * 2 + a) * 10 + (rank - 1);
}
