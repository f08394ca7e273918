// Every seed and every crash ever found, through each reader of outside bytes.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "FuzzReplay.h"
#include "FuzzSupport.h"

// The fuzz targets, each built here under its own name.
extern "C" int zeltoFuzzConfigRecord(const std::uint8_t*, std::size_t);
extern "C" int zeltoFuzzLabelsTxt(const std::uint8_t*, std::size_t);
extern "C" int zeltoFuzzPicture(const std::uint8_t*, std::size_t);
extern "C" int zeltoFuzzJpeg(const std::uint8_t*, std::size_t);
extern "C" int zeltoFuzzWaveData(const std::uint8_t*, std::size_t);

using FuzzReplay::replay;

TEST(FuzzRegression, ConfigRecordSurvivesEveryKnownFile) {
    replay(QStringLiteral("ConfigRecord"), zeltoFuzzConfigRecord);
}

TEST(FuzzRegression, LabelsTxtSurvivesEveryKnownFile) {
    replay(QStringLiteral("LabelsTxt"), zeltoFuzzLabelsTxt);
}

TEST(FuzzRegression, PictureSurvivesEveryKnownFile) {
    replay(QStringLiteral("Picture"), zeltoFuzzPicture);
}

TEST(FuzzRegression, JpegSurvivesEveryKnownFile) {
    replay(QStringLiteral("Jpeg"), zeltoFuzzJpeg);
}

TEST(FuzzRegression, WaveDataSurvivesEveryKnownStoredForm) {
    replay(QStringLiteral("WaveData"), zeltoFuzzWaveData);
}

TEST(FuzzSupportTest, FailedCheckAbortsWithItsReason) {
    EXPECT_DEATH(FuzzSupport::check(false, "round trip differs"),
                 "fuzz check failed: round trip differs");
}

TEST(FuzzSupportTest, ScratchFilesShareOneFolderAndHoldTheirBytes) {
    const QByteArray bytes("BM\0x", 4);
    const QString first = FuzzSupport::scratchFile(QStringLiteral("a.bmp"), bytes);
    const QString second = FuzzSupport::scratchFile(QStringLiteral("b.ico"), QByteArray());
    EXPECT_EQ(QFileInfo(first).path(), QFileInfo(second).path());
    QFile file(first);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
    // Writing again replaces the old content instead of appending to it.
    FuzzSupport::scratchFile(QStringLiteral("a.bmp"), QByteArray("x"));
    file.seek(0);
    EXPECT_EQ(file.readAll(), QByteArray("x"));
}

TEST(FuzzReplayTest, InputsComeFromCorpusThenRegressions) {
    const QStringList files = FuzzReplay::inputsOf(QStringLiteral("WaveFile"));
    ASSERT_GE(files.size(), 2);
    EXPECT_TRUE(files.first().contains(QStringLiteral("/corpus/WaveFile/")));
    EXPECT_TRUE(files.last().contains(QStringLiteral("/regressions/WaveFile/")));
    EXPECT_TRUE(FuzzReplay::inputsOf(QStringLiteral("NoSuchTarget")).isEmpty());
}
