// The wave holder and its stored form, and the component that plays it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

#include "RecordingWave.h"
#include "TestTree.h"
#include "UWave.h"

namespace {
QByteArray sampleImage() {
    QByteArray riff("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    riff += QByteArray(24, '\x01');
    riff += QByteArray("data\x04\x00\x00\x00\x10\x20\x30\x40", 12);
    return riff;
}

QByteArray sizeField(qint32 size) {
    char field[4];
    qToLittleEndian<qint32>(size, field);
    return QByteArray(field, 4);
}

bool readFrom(TWaveData& data, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return data.ReadData(buffer);
}

QByteArray written(const TWaveData& data) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    data.WriteData(buffer);
    return bytes;
}

// A stream that cannot tell its size, like a pipe.
class DripDevice : public QIODevice {
public:
    explicit DripDevice(QByteArray bytes) : bytes_(std::move(bytes)) { open(ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 n = std::min<qint64>({max, 7, qint64(bytes_.size()) - pos_});
        if (n <= 0) return -1;
        memcpy(out, bytes_.constData() + pos_, n);
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 pos_ = 0;
};
}  // namespace

TEST(WaveDataStoredForm, RoundTripKeepsTheImageByteForByte) {
    TWaveData source;
    const QByteArray image = sampleImage();
    source.SetData(static_cast<qint32>(image.size()), image.constData());
    const QByteArray stored = written(source);
    ASSERT_EQ(stored.size(), image.size() + 4);
    EXPECT_EQ(qFromLittleEndian<qint32>(stored.constData()), image.size());
    EXPECT_EQ(stored.mid(4), image);

    TWaveData copy;
    ASSERT_TRUE(readFrom(copy, stored));
    EXPECT_EQ(copy.bytes(), image);
    EXPECT_EQ(copy.size(), image.size());
}

TEST(WaveDataStoredForm, ReadingLeavesTheRestOfTheStreamUnread) {
    TWaveData data;
    QByteArray bytes = sizeField(3) + "abc" + "tail";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ASSERT_TRUE(data.ReadData(buffer));
    EXPECT_EQ(data.bytes(), QByteArray("abc"));
    EXPECT_EQ(buffer.readAll(), QByteArray("tail"));
}

TEST(WaveDataStoredForm, ZeroSizeReadsAsEmpty) {
    TWaveData data;
    data.SetData(3, "xyz");
    ASSERT_TRUE(readFrom(data, sizeField(0)));
    EXPECT_TRUE(data.isEmpty());
}

TEST(WaveDataStoredForm, EmptyHolderIsNeverStored) {
    TWaveData empty;
    EXPECT_FALSE(empty.hasStoredData());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(empty.writeStored(buffer));
    EXPECT_TRUE(bytes.isEmpty());

    TWaveData full;
    full.SetData(2, "hi");
    EXPECT_TRUE(full.hasStoredData());
    EXPECT_TRUE(full.writeStored(buffer));
    EXPECT_EQ(bytes, sizeField(2) + "hi");
}

TEST(WaveDataStoredForm, WriteOfEmptyHolderIsJustTheSize) {
    EXPECT_EQ(written(TWaveData()), sizeField(0));
}

// A cut-off size field, a negative size, a size past the limit: refused before any
// allocation, and the old image is gone.
TEST(WaveDataBadInput, BadSizeFieldFailsAndLeavesHolderEmpty) {
    const QByteArray stored[] = {QByteArray("\x05\x00", 2),
                                 QByteArray(),
                                 sizeField(-1) + "abcd",
                                 sizeField(std::numeric_limits<qint32>::min()),
                                 sizeField(std::numeric_limits<qint32>::max()) + "abc",
                                 sizeField(TWaveData::kMaxSize + 1)};
    for (const QByteArray& bytes : stored) {
        TWaveData data;
        data.SetData(3, "old");
        EXPECT_FALSE(readFrom(data, bytes)) << bytes.toHex().toStdString();
        EXPECT_TRUE(data.isEmpty()) << bytes.toHex().toStdString();
    }
}

TEST(WaveDataBadInput, SizeLargerThanTheRestOfTheStreamFails) {
    TWaveData data;
    EXPECT_FALSE(readFrom(data, sizeField(100) + QByteArray(99, 'x')));
    EXPECT_TRUE(data.isEmpty());
    EXPECT_TRUE(readFrom(data, sizeField(100) + QByteArray(100, 'x')));
    EXPECT_EQ(data.size(), 100);
}

TEST(WaveDataBadInput, ShortSequentialStreamFails) {
    TWaveData data;
    DripDevice shortPipe(sizeField(50) + QByteArray(20, 'x'));
    EXPECT_FALSE(data.ReadData(shortPipe));
    EXPECT_TRUE(data.isEmpty());
    DripDevice fullPipe(sizeField(50) + QByteArray(50, 'y'));
    EXPECT_TRUE(data.ReadData(fullPipe));
    EXPECT_EQ(data.bytes(), QByteArray(50, 'y'));
}

TEST(WaveDataAssign, CopiesTheBytesDeeply) {
    TWaveData source;
    source.SetData(5, "hello");
    TWaveData copy;
    copy.Assign(&source);
    source.Clear();
    EXPECT_TRUE(source.isEmpty());
    EXPECT_EQ(copy.bytes(), QByteArray("hello"));
}

TEST(WaveDataAssign, NoSourceClears) {
    TWaveData data;
    data.SetData(2, "ab");
    data.Assign(nullptr);
    EXPECT_TRUE(data.isEmpty());
}

TEST(WaveDataAssign, SelfAssignmentKeepsTheImage) {
    TWaveData data;
    data.SetData(2, "ab");
    data.Assign(&data);
    EXPECT_EQ(data.bytes(), QByteArray("ab"));
}

TEST(WaveDataSetData, NonPositiveSizeClears) {
    TWaveData data;
    data.SetData(2, "ab");
    data.SetData(0, "ab");
    EXPECT_TRUE(data.isEmpty());
    data.SetData(2, "ab");
    data.SetData(-5, "ab");
    EXPECT_TRUE(data.isEmpty());
}

TEST(WaveDataLoadFromFile, WholeFileBecomesTheImage) {
    TestTree tree;
    tree.write("jingle.wav", sampleImage());
    TWaveData data;
    EXPECT_TRUE(data.LoadFromFile(tree.file("jingle.wav")));
    EXPECT_EQ(data.bytes(), sampleImage());
}

TEST(WaveDataLoadFromFile, MissingOrEmptyFileLeavesHolderEmpty) {
    TestTree tree;
    tree.write("empty.wav", QByteArray());
    TWaveData data;
    data.SetData(3, "old");
    EXPECT_FALSE(data.LoadFromFile(tree.file("empty.wav")));
    EXPECT_TRUE(data.isEmpty());
    data.SetData(3, "old");
    EXPECT_FALSE(data.LoadFromFile(tree.file("missing.wav")));
    EXPECT_TRUE(data.isEmpty());
}

TEST(WaveDataPlay, PlaysTheImageFromMemory) {
    RecordingWave output;
    TWaveData data(&output);
    data.SetData(static_cast<qint32>(sampleImage().size()), sampleImage().constData());
    data.Play();
    ASSERT_EQ(output.images.size(), 1);
    EXPECT_EQ(output.images.first(), sampleImage());
}

TEST(WaveDataPlay, EmptyHolderIsSilent) {
    RecordingWave output;
    TWaveData data(&output);
    data.Play();
    EXPECT_TRUE(output.log.isEmpty());
    EXPECT_TRUE(readFrom(data, sizeField(0)));
    data.Play();
    EXPECT_TRUE(output.log.isEmpty());
}

TEST(WavePlay, OnPlayRunsBeforeTheSoundEveryTime) {
    RecordingWave output;
    TWave wave(&output);
    wave.WaveData().SetData(4, "RIFF");
    TWave* sender = nullptr;
    wave.OnPlay = [&](TWave* s) {
        sender = s;
        output.log << "onplay";
    };
    wave.Play();
    wave.Play();
    EXPECT_EQ(sender, &wave);
    EXPECT_EQ(output.log, QStringList({"onplay", "memory", "onplay", "memory"}));
}

TEST(WavePlay, OnPlayRunsEvenWhenThereIsNothingToPlay) {
    RecordingWave output;
    TWave wave(&output);
    int calls = 0;
    wave.OnPlay = [&](TWave*) { ++calls; };
    wave.Play();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(output.images.isEmpty());
}

TEST(WaveSetWaveData, CopiesIntoTheOwnedHolder) {
    TWave wave;
    TWaveData* owned = &wave.WaveData();
    TWaveData other;
    other.SetData(3, "abc");
    wave.setWaveData(&other);
    other.Clear();
    EXPECT_EQ(&wave.WaveData(), owned);
    EXPECT_EQ(wave.WaveData().bytes(), QByteArray("abc"));
    wave.setWaveData(nullptr);
    EXPECT_TRUE(wave.WaveData().isEmpty());
}
