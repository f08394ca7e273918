// The 80788-byte record: field offsets, byte-exact round trips, record categories
// and the 8-bit code page its strings are stored in.
#include <gtest/gtest.h>

#include "ConfigRecord.h"
#include "ConfigTestDir.h"
#include "Cp1252.h"

namespace {
std::uint8_t byteAt(const QByteArray& bytes, int offset) {
    return std::uint8_t(bytes[offset]);
}

std::int32_t int32At(const QByteArray& bytes, int offset) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(byteAt(bytes, offset + i)) << (8 * i);
    return std::int32_t(v);
}
}  // namespace

TEST(ConfigRecordLayout, EncodesToExactly80788Bytes) {
    EXPECT_EQ(ConfigRecord().encode().size(), 80788);
}

TEST(ConfigRecordLayout, ShippedDefaultsRoundTripWithEveryButton) {
    const ConfigRecord r = ConfigRecord::defaults();
    EXPECT_EQ(r.encode().size(), kConfigRecordSize);
    EXPECT_EQ(r.enabledCount(), 9);
    EXPECT_EQ(ConfigRecord::decode(r.encode()), r);
}

TEST(ConfigRecordLayout, SettingsSitAtTheirOffsets) {
    ConfigRecord rec;
    for (int n = 0; n < 9; ++n) rec.ButtonEnabled[n] = std::uint8_t(0x10 + n);
    rec.PlayerTime = 0x21;
    rec.MistakesAllowed = 0x22;
    rec.AltSeqMode = 0x23;
    rec.Delay = 0x01020304;
    rec.PlaySounds = 0x24;
    rec.SoundScheme.setText(QStringLiteral("Snd"));
    rec.PlayMusic = 0x25;
    rec.MusicFile.setText(QStringLiteral("Mus.mid"));
    rec.SkinName.setText(QStringLiteral("Sk"));
    rec.Reserved = {0xAB, 0xCD};
    const QByteArray b = rec.encode();

    for (int n = 0; n < 9; ++n) EXPECT_EQ(byteAt(b, n), 0x10 + n);
    EXPECT_EQ(byteAt(b, 9), 0x21);
    EXPECT_EQ(byteAt(b, 10), 0x22);
    EXPECT_EQ(byteAt(b, 11), 0x23);
    EXPECT_EQ(byteAt(b, 12), 0x04);  // little-endian
    EXPECT_EQ(byteAt(b, 15), 0x01);
    EXPECT_EQ(byteAt(b, 16), 0x24);
    EXPECT_EQ(byteAt(b, 17), 3);
    EXPECT_EQ(b.mid(18, 3), QByteArray("Snd"));
    EXPECT_EQ(byteAt(b, 273), 0x25);
    EXPECT_EQ(byteAt(b, 274), 7);
    EXPECT_EQ(b.mid(275, 7), QByteArray("Mus.mid"));
    EXPECT_EQ(byteAt(b, 530), 2);
    EXPECT_EQ(b.mid(531, 2), QByteArray("Sk"));
    EXPECT_EQ(byteAt(b, 786), 0xAB);
    EXPECT_EQ(byteAt(b, 787), 0xCD);
}

TEST(ConfigRecordLayout, TablesSitAtTheirOffsetsFirstAndLast) {
    ConfigRecord rec;
    rec.Top10Scores[0] = 7;
    rec.Top10Scores[3199] = -2;
    rec.Top10Names[0].setText(QStringLiteral("First"));
    rec.Top10Names[3199].setText(QStringLiteral("LastEntryOfTwentyCh"));
    const QByteArray b = rec.encode();

    EXPECT_EQ(int32At(b, 788), 7);
    EXPECT_EQ(int32At(b, 788 + 4 * 3199), -2);
    EXPECT_EQ(byteAt(b, 13588), 5);
    EXPECT_EQ(b.mid(13589, 5), QByteArray("First"));
    EXPECT_EQ(byteAt(b, 13588 + 21 * 3199), 19);
    EXPECT_EQ(b.mid(13588 + 21 * 3199 + 1, 19), QByteArray("LastEntryOfTwentyCh"));
}

TEST(ConfigRecordRoundTrip, ArbitraryBytesComeBackByteForByte) {
    // Random bytes cover the reserved bytes, over-long length bytes and string tails.
    for (unsigned seed : {1u, 2u, 3u}) {
        const QByteArray original = ConfigTestDir::noise(kConfigRecordSize, seed);
        EXPECT_EQ(ConfigRecord::decode(original).encode(), original) << "seed " << seed;
    }
}

TEST(ConfigRecordRoundTrip, BytesPastTheRecordAreIgnoredOnDecode) {
    const QByteArray record = ConfigTestDir::noise(kConfigRecordSize, 9);
    const QByteArray longer = record + QByteArray("trailing data");
    EXPECT_EQ(ConfigRecord::decode(longer), ConfigRecord::decode(record));
}

TEST(ConfigRecordRoundTrip, ShorterTextKeepsTheOldTail) {
    ConfigRecord rec = ConfigRecord::decode(ConfigTestDir::noise(kConfigRecordSize, 4));
    const auto before = rec.SkinName.raw;
    rec.SkinName.setText(QStringLiteral("Ab"));
    const QByteArray b = rec.encode();
    EXPECT_EQ(byteAt(b, 530), 2);
    EXPECT_EQ(b.mid(531, 2), QByteArray("Ab"));
    for (int i = 3; i < 256; ++i) EXPECT_EQ(byteAt(b, 530 + i), before[i]) << "tail byte " << i;
}

TEST(ConfigRecordRoundTrip, NegativeScoresSurvive) {
    ConfigRecord rec;
    rec.Top10Scores[42] = -123456;
    rec.Delay = -1;
    const ConfigRecord back = ConfigRecord::decode(rec.encode());
    EXPECT_EQ(back.Top10Scores[42], -123456);
    EXPECT_EQ(back.Delay, -1);
}

TEST(RecordIndex, CornersOfTheTable) {
    EXPECT_EQ(recordIndex(2, 0, 0, 0, 1), 0);
    EXPECT_EQ(recordIndex(2, 0, 0, 0, 10), 9);
    EXPECT_EQ(recordIndex(2, 0, 0, 1, 1), 10);
    EXPECT_EQ(recordIndex(2, 0, 1, 0, 1), 20);
    EXPECT_EQ(recordIndex(2, 1, 0, 0, 1), 40);
    EXPECT_EQ(recordIndex(3, 0, 0, 0, 1), 400);
    EXPECT_EQ(recordIndex(9, 9, 1, 1, 1), 3190);
    EXPECT_EQ(recordIndex(9, 9, 1, 1, 10), 3199);
}

TEST(RecordIndex, RecordUsesItsOwnCategory) {
    ConfigRecord rec;
    rec.ButtonEnabled = {1, 1, 1, 1, 1, 0, 0, 0, 0};
    rec.MistakesAllowed = 3;
    rec.PlayerTime = 1;
    rec.AltSeqMode = 0;
    EXPECT_EQ(rec.recordIndex(1), recordIndex(5, 3, 1, 0, 1));
    EXPECT_EQ(rec.recordIndex(10), recordIndex(5, 3, 1, 0, 10));
}

TEST(RecordCategory, OnlyTheCountOfButtonsMatters) {
    ConfigRecord low;
    low.ButtonEnabled = {1, 1, 0, 0, 0, 0, 0, 0, 0};
    ConfigRecord high;
    high.ButtonEnabled = {0, 0, 0, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(low.categoryButtons(), 2);
    EXPECT_EQ(high.categoryButtons(), 2);
    EXPECT_EQ(low.recordIndex(1), high.recordIndex(1));
}

TEST(RecordCategory, FlagsOtherThanOneDoNotCount) {
    ConfigRecord rec;
    rec.ButtonEnabled = {1, 1, 2, 255, 0, 1, 0, 0, 0};
    rec.PlayerTime = 2;
    rec.AltSeqMode = 255;
    EXPECT_EQ(rec.enabledCount(), 3);
    EXPECT_EQ(rec.categoryTime(), 0);
    EXPECT_EQ(rec.categoryAlt(), 0);
    rec.PlayerTime = 1;
    rec.AltSeqMode = 1;
    EXPECT_EQ(rec.categoryTime(), 1);
    EXPECT_EQ(rec.categoryAlt(), 1);
}

TEST(Cp1252Text, AsciiAndLatin1RoundTrip) {
    const QString text = QStringLiteral("Zelto J\u00fcrgen \u00e9\u00ff");
    bool lossless = false;
    const QByteArray bytes = Cp1252::encode(text, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(std::uint8_t(bytes[7]), 0xFC);
    EXPECT_EQ(Cp1252::decode(bytes.constData(), int(bytes.size())), text);
}

TEST(Cp1252Text, EuroSignIsByte80) {
    const QByteArray bytes = Cp1252::encode(QStringLiteral("\u20ac5"));
    ASSERT_EQ(bytes.size(), 2);
    EXPECT_EQ(std::uint8_t(bytes[0]), 0x80);
    const char stored[] = {char(0x80), char(0x99)};
    EXPECT_EQ(Cp1252::decode(stored, 2), QStringLiteral("\u20ac\u2122"));
}

TEST(Cp1252Text, UnencodableCharactersBecomeQuestionMarks) {
    bool lossless = true;
    const QByteArray bytes = Cp1252::encode(QStringLiteral("a\u4e2db\U0001F600c"), &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(bytes, QByteArray("a?b?c"));
    EXPECT_FALSE(Cp1252::canEncode(QStringLiteral("\u4e2d")));
    EXPECT_TRUE(Cp1252::canEncode(QStringLiteral("\u20ac")));
}

TEST(ShortStringText, LongTextIsCutToCapacityAndFitsTellsSo) {
    ShortString<20> name;
    name.setText(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(name.text(), QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_FALSE(ShortString<20>::fits(QStringLiteral("abcdefghijklmnopqrstu")));
    EXPECT_TRUE(ShortString<20>::fits(QStringLiteral("abcdefghijklmnopqrst")));
    EXPECT_FALSE(ShortString<20>::fits(QStringLiteral("\u4e2d")));
}

TEST(ShortStringText, OverLongLengthByteIsClampedOnReading) {
    ShortString<20> name;
    name.raw.fill('x');
    name.raw[0] = 200;
    EXPECT_TRUE(name.lengthOverCapacity());
    EXPECT_EQ(name.text().size(), 20);
}
