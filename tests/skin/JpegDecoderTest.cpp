// JPEG decoding: every colour space a skin may use, and broken data that must give a
// null picture instead of ending the program.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>

#include "JpegDecoder.h"
#include "JpegEncoder.h"

namespace {

using JpegEncoder::Space;

// Offset of the SOF0 height field: the two bytes after marker, length and precision.
qsizetype sofHeightOffset(const QByteArray& jpeg) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    return sof < 0 ? -1 : sof + 5;
}

QByteArray withSize(QByteArray jpeg, int width, int height) {
    const qsizetype at = sofHeightOffset(jpeg);
    jpeg[at] = char(height >> 8);
    jpeg[at + 1] = char(height & 0xFF);
    jpeg[at + 2] = char(width >> 8);
    jpeg[at + 3] = char(width & 0xFF);
    return jpeg;
}

bool near(int a, int b) {
    return std::abs(a - b) <= 6;
}

}  // namespace

TEST(JpegDecoderColourSpaces, RgbPictureKeepsSizeAndColour) {
    const QImage image =
        JpegDecoder::decode(JpegEncoder::solid(37, 21, qRgb(200, 40, 90), Space::Rgb));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(37, 21));
    const QRgb p = image.pixel(18, 10);
    EXPECT_TRUE(near(qRed(p), 200) && near(qGreen(p), 40) && near(qBlue(p), 90));
}

TEST(JpegDecoderColourSpaces, GrayscalePictureDecodesAsGray) {
    const QImage image =
        JpegDecoder::decode(JpegEncoder::solid(16, 9, qRgb(120, 120, 120), Space::Gray));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(16, 9));
    EXPECT_TRUE(image.isGrayscale());
    EXPECT_TRUE(near(qGray(image.pixel(3, 3)), 120));
}

TEST(JpegDecoderColourSpaces, AdobeCmykPictureIsConvertedToRgb) {
    const QImage image =
        JpegDecoder::decode(JpegEncoder::solid(12, 12, qRgb(250, 10, 128), Space::Cmyk));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(12, 12));
    const QRgb p = image.pixel(5, 5);
    EXPECT_TRUE(near(qRed(p), 250) && near(qGreen(p), 10) && near(qBlue(p), 128))
        << qRed(p) << "," << qGreen(p) << "," << qBlue(p);
}

TEST(JpegDecoderColourSpaces, ProgressivePictureDecodes) {
    const QImage image =
        JpegDecoder::decode(JpegEncoder::solid(64, 40, qRgb(10, 200, 30), Space::Rgb, true));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(64, 40));
}

TEST(JpegDecoderBrokenData, EmptyInputGivesNullWithReason) {
    QString error;
    EXPECT_TRUE(JpegDecoder::decode(QByteArray(), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(JpegDecoderBrokenData, GarbageGivesNullWithReason) {
    QString error;
    EXPECT_TRUE(JpegDecoder::decode(QByteArray(500, '\x5A'), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(JpegDecoder::decode(QByteArray("\xFF\xD8\xFF\xD9", 4)).isNull());
    EXPECT_TRUE(JpegDecoder::decode(QByteArray("BM", 2)).isNull());
}

TEST(JpegDecoderBrokenData, EveryTruncationGivesNull) {
    const QByteArray whole = JpegEncoder::solid(40, 24, qRgb(1, 2, 3), Space::Rgb);
    ASSERT_FALSE(JpegDecoder::decode(whole).isNull());
    // Cutting anywhere, even just the end-of-image marker, leaves a broken picture.
    for (qsizetype cut = 0; cut < whole.size(); cut += 7)
        EXPECT_TRUE(JpegDecoder::decode(whole.left(cut)).isNull()) << "cut at " << cut;
    EXPECT_TRUE(JpegDecoder::decode(whole.left(whole.size() - 2)).isNull());
}

TEST(JpegDecoderBrokenData, FlippedBytesNeverCrash) {
    const QByteArray whole = JpegEncoder::solid(24, 24, qRgb(90, 80, 70), Space::Rgb);
    int failures = 0;
    for (qsizetype i = 2; i < whole.size(); ++i) {
        QByteArray bent = whole;
        bent[i] = char(bent[i] ^ 0xA5);
        QString error;
        const QImage image = JpegDecoder::decode(bent, &error);
        if (image.isNull()) {
            ++failures;
            EXPECT_FALSE(error.isEmpty());
        } else {
            EXPECT_EQ(image.size().isEmpty(), false);
        }
    }
    EXPECT_GT(failures, 0);
}

TEST(JpegDecoderLimits, HugeDimensionsAreRefusedBeforeDecoding) {
    const QByteArray small = JpegEncoder::solid(8, 8, qRgb(0, 0, 0), Space::Rgb);
    ASSERT_GE(sofHeightOffset(small), 0);
    QString error;
    EXPECT_TRUE(JpegDecoder::decode(withSize(small, 20000, 8), &error).isNull());
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << error.toStdString();
    error.clear();
    EXPECT_TRUE(JpegDecoder::decode(withSize(small, 16000, 16000), &error).isNull());
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << error.toStdString();
}

TEST(JpegDecoderLimits, ZeroHeightIsBroken) {
    const QByteArray small = JpegEncoder::solid(8, 8, qRgb(0, 0, 0), Space::Rgb);
    EXPECT_TRUE(JpegDecoder::decode(withSize(small, 8, 0)).isNull());
}
