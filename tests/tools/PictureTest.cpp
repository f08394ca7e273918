// Icon container, vector lettering, skin layout and the skin file list.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QtEndian>

#include "BoardLayout.h"
#include "IcoWriter.h"
#include "SkinFiles.h"
#include "SkinPainter.h"
#include "StrokeFont.h"

namespace {

QImage readIco(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(IcoWriter, QtReadsBackColoursAndAlpha) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    img.setPixel(5, 7, qRgba(200, 100, 50, 255));
    img.setPixel(31, 0, qRgba(10, 20, 30, 255));
    const QImage back = readIco(IcoWriter::encode(img));
    ASSERT_EQ(back.size(), QSize(32, 32));
    EXPECT_EQ(back.pixel(5, 7), qRgba(200, 100, 50, 255));
    EXPECT_EQ(back.pixel(31, 0), qRgba(10, 20, 30, 255));  // rows are stored bottom-up
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
}

TEST(IcoWriter, DirectoryEntryDescribesThePayload) {
    const QByteArray ico = IcoWriter::encode(QImage(48, 48, QImage::Format_ARGB32));
    ASSERT_GT(ico.size(), 22);
    EXPECT_EQ(ico.left(6), QByteArray::fromHex("000001000100"));
    EXPECT_EQ(static_cast<unsigned char>(ico[6]), 48);
    EXPECT_EQ(static_cast<unsigned char>(ico[12]), 32);  // bits per pixel
    const quint32 size = qFromLittleEndian<quint32>(ico.constData() + 14);
    EXPECT_EQ(size + 22, static_cast<quint32>(ico.size()));
    // 40-byte header, 48*48*4 colour bytes, 48 rows of 8 mask bytes.
    EXPECT_EQ(size, 40u + 48 * 48 * 4 + 48 * 8);
}

TEST(IcoWriter, RefusesWhatAnIconCannotHold) {
    EXPECT_TRUE(IcoWriter::encode(QImage()).isEmpty());
    EXPECT_TRUE(IcoWriter::encode(QImage(257, 16, QImage::Format_ARGB32)).isEmpty());
    EXPECT_FALSE(IcoWriter::encode(QImage(256, 256, QImage::Format_ARGB32)).isEmpty());
}

TEST(StrokeFont, HasEveryGlyphThePicturesUse) {
    for (QChar c : QStringLiteral("0123456789Zelto Oki?"))
        EXPECT_TRUE(StrokeFont::hasGlyph(c)) << c.toLatin1();
}

TEST(StrokeFont, WidthGrowsWithTextAndScale) {
    EXPECT_EQ(StrokeFont::width(QString(), 10), 0.0);
    EXPECT_LT(StrokeFont::width("1", 10), StrokeFont::width("12", 10));
    EXPECT_DOUBLE_EQ(StrokeFont::width("2000", 20), 2 * StrokeFont::width("2000", 10));
}

TEST(StrokeFont, DrawnDigitsInkTheCentreOfTheirBox) {
    for (int d = 0; d <= 9; ++d) {
        QImage img(40, 40, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        StrokeFont::draw(p, QString::number(d), QRectF(0, 0, 40, 40), 26, 4, Qt::black);
        p.end();
        const QRect inked =
            StrokeFont::outline(QString::number(d), 26, 4).boundingRect().toAlignedRect();
        EXPECT_GT(inked.height(), 24) << d;
        int dark = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) dark += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(dark, 60) << d;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << d;
    }
}

TEST(BoardLayout, BoardIsLaidOutLikeANumericKeypad) {
    EXPECT_EQ(BoardLayout::button(7), QRect(32, 64, 64, 64));
    EXPECT_EQ(BoardLayout::button(9), QRect(192, 64, 64, 64));
    EXPECT_EQ(BoardLayout::button(5), QRect(112, 144, 64, 64));
    EXPECT_EQ(BoardLayout::button(1), QRect(32, 224, 64, 64));
    EXPECT_EQ(BoardLayout::button(3), QRect(192, 224, 64, 64));
    EXPECT_EQ(BoardLayout::control(1), QRect(304, 184, 64, 32));
    EXPECT_EQ(BoardLayout::control(8), QRect(376, 304, 64, 32));
    EXPECT_EQ(BoardLayout::icon(3), QRect(424, 0, 32, 32));
    EXPECT_EQ(BoardLayout::infoLine(5), QRect(304, 149, 136, 16));
}

TEST(SkinFiles, ListsFortyFiveDistinctFiles) {
    for (const QString& ext : {QStringLiteral("bmp"), QStringLiteral("jpg")}) {
        const auto files = SkinFiles::list(ext);
        ASSERT_EQ(files.size(), static_cast<size_t>(SkinFiles::kCount));
        QSet<QString> names;
        int pictures = 0;
        for (const SkinFile& f : files) {
            names.insert(f.name.toLower());
            if (f.name.endsWith("." + ext)) ++pictures;
        }
        EXPECT_EQ(names.size(), 45);
        EXPECT_EQ(pictures, 41);
    }
}

TEST(SkinPainter, ButtonCornersMatchTheSocketInTheBackground) {
    const SkinPainter painter(SkinTheme::classic());
    const QImage bg = painter.background();
    for (int n = 1; n <= 9; ++n) {
        const QImage up = painter.boardButton(n, false);
        const QRect r = BoardLayout::button(n);
        EXPECT_EQ(up.pixel(0, 0), bg.pixel(r.topLeft())) << n;
    }
    const QImage ctl = painter.control(1, false);
    EXPECT_EQ(ctl.pixel(0, 0), bg.pixel(BoardLayout::control(1).topLeft()));
    EXPECT_EQ(ctl.pixel(63, 31), bg.pixel(BoardLayout::control(1).bottomRight()));
}
