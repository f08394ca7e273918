#include "ConfigRecord.h"

#include <cstddef>
#include <cstring>

#include "AppDirLayout.h"

namespace {
constexpr int kOffSoundScheme = 17;
constexpr int kOffPlayMusic = 273;
constexpr int kOffMusicFile = 274;
constexpr int kOffSkinName = 530;
constexpr int kOffReserved = 786;
constexpr int kOffScores = 788;
constexpr int kOffNames = 13588;

std::int32_t readInt32(const unsigned char* p) {
    const std::uint32_t v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                            std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    return static_cast<std::int32_t>(v);
}

void writeInt32(unsigned char* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

template <typename T>
void readRaw(const unsigned char* base, int offset, T& into) {
    std::memcpy(into.data(), base + offset, into.size());
}

template <typename T>
void writeRaw(unsigned char* base, int offset, const T& from) {
    std::memcpy(base + offset, from.data(), from.size());
}
}  // namespace

int ConfigRecord::enabledCount() const {
    int c = 0;
    for (auto flag : ButtonEnabled) c += flag == 1 ? 1 : 0;
    return c;
}

int ConfigRecord::recordIndex(int rank) const {
    return ::recordIndex(categoryButtons(), MistakesAllowed, categoryTime(), categoryAlt(), rank);
}

ConfigRecord ConfigRecord::defaults() {
    ConfigRecord r;  // scores, names and reserved bytes all start zeroed
    r.ButtonEnabled.fill(1);
    r.PlayerTime = 0;
    r.MistakesAllowed = 3;
    r.AltSeqMode = 0;
    r.Delay = 500;
    r.PlaySounds = 1;
    r.PlayMusic = 1;
    r.SoundScheme.setText(AppDirLayout::kDefaultSounds);
    r.MusicFile.setText(AppDirLayout::kDefaultMusic);
    r.SkinName.setText(AppDirLayout::kDefaultSkin);
    return r;
}

ConfigRecord ConfigRecord::decode(const QByteArray& bytes) {
    Q_ASSERT(bytes.size() >= kConfigRecordSize);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    ConfigRecord r;
    readRaw(p, 0, r.ButtonEnabled);
    r.PlayerTime = p[9];
    r.MistakesAllowed = p[10];
    r.AltSeqMode = p[11];
    r.Delay = readInt32(p + 12);
    r.PlaySounds = p[16];
    readRaw(p, kOffSoundScheme, r.SoundScheme.raw);
    r.PlayMusic = p[kOffPlayMusic];
    readRaw(p, kOffMusicFile, r.MusicFile.raw);
    readRaw(p, kOffSkinName, r.SkinName.raw);
    readRaw(p, kOffReserved, r.Reserved);
    for (int i = 0; i < kTop10Entries; ++i) {
        r.Top10Scores[i] = readInt32(p + kOffScores + 4 * static_cast<std::ptrdiff_t>(i));
        readRaw(p, kOffNames + 21 * i, r.Top10Names[i].raw);
    }
    return r;
}

QByteArray ConfigRecord::encode() const {
    QByteArray bytes(kConfigRecordSize, '\0');
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    writeRaw(p, 0, ButtonEnabled);
    p[9] = PlayerTime;
    p[10] = MistakesAllowed;
    p[11] = AltSeqMode;
    writeInt32(p + 12, Delay);
    p[16] = PlaySounds;
    writeRaw(p, kOffSoundScheme, SoundScheme.raw);
    p[kOffPlayMusic] = PlayMusic;
    writeRaw(p, kOffMusicFile, MusicFile.raw);
    writeRaw(p, kOffSkinName, SkinName.raw);
    writeRaw(p, kOffReserved, Reserved);
    for (int i = 0; i < kTop10Entries; ++i) {
        writeInt32(p + kOffScores + 4 * static_cast<std::ptrdiff_t>(i), Top10Scores[i]);
        writeRaw(p, kOffNames + 21 * i, Top10Names[i].raw);
    }
    return bytes;
}
