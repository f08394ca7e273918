// Pictures are decoded by their extension, in any letter case, and only by it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "BoundedRead.h"
#include "JpegEncoder.h"
#include "PictureLoader.h"
#include "SkinMaker.h"

namespace {

using PictureLoader::Kind;

class PictureLoaderFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QImage solid(int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(qRgb(255, 128, 0));
        return image;
    }
    QTemporaryDir dir;
};

QByteArray le16(int v) {
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}
QByteArray le32(int v) {
    return le16(v & 0xFFFF) + le16((v >> 16) & 0xFFFF);
}

// Joins single-picture icon files into one icon with several entries.
QByteArray joinIcons(const QList<QByteArray>& icons) {
    QByteArray header = le16(0) + le16(1) + le16(int(icons.size()));
    QByteArray data;
    int offset = 6 + 16 * int(icons.size());
    for (const QByteArray& ico : icons) {
        const QByteArray entry = ico.mid(6, 16);
        const QByteArray body = ico.mid(6 + 16);
        header += entry.left(8) + le32(int(body.size())) + le32(offset + int(data.size()));
        data += body;
    }
    return header + data;
}

}  // namespace

TEST(PictureLoaderKinds, ExtensionDecidesTheKindIgnoringCase) {
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a/Background.bmp")), Kind::Bmp);
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a/Background.BMP")), Kind::Bmp);
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a/TimeOver.ICO")), Kind::Ico);
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a/b.Jpg")), Kind::Jpeg);
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a/b.jpeg")), Kind::Jpeg);
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a/b.png")), Kind::Unknown);
    EXPECT_EQ(PictureLoader::kindOf(QStringLiteral("/a.bmp/b")), Kind::Unknown);
}

TEST_F(PictureLoaderFiles, EachFormatLoadsFromItsExtension) {
    const QImage bmp = PictureLoader::load(write("a.bmp", SkinMaker::encode(solid(9, 5), "bmp")));
    EXPECT_EQ(bmp.size(), QSize(9, 5));
    const QImage ico = PictureLoader::load(write("a.ico", SkinMaker::encode(solid(32, 32), "ico")));
    EXPECT_EQ(ico.size(), QSize(32, 32));
    const QImage jpg = PictureLoader::load(write("a.jpg", SkinMaker::encode(solid(11, 7), "jpg")));
    EXPECT_EQ(jpg.size(), QSize(11, 7));
    const QImage upper =
        PictureLoader::load(write("B.JPEG", SkinMaker::encode(solid(3, 2), "jpg")));
    EXPECT_EQ(upper.size(), QSize(3, 2));
}

TEST_F(PictureLoaderFiles, ContentsOfAnotherFormatAreAnError) {
    QString error;
    const QByteArray jpeg = SkinMaker::encode(solid(8, 8), "jpg");
    const QByteArray bmp = SkinMaker::encode(solid(8, 8), "bmp");
    const QByteArray ico = SkinMaker::encode(solid(32, 32), "ico");
    EXPECT_TRUE(PictureLoader::load(write("jpeg.bmp", jpeg), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(PictureLoader::load(write("bmp.jpg", bmp)).isNull());
    EXPECT_TRUE(PictureLoader::load(write("bmp.ico", bmp)).isNull());
    EXPECT_TRUE(PictureLoader::load(write("ico.bmp", ico)).isNull());
    EXPECT_TRUE(PictureLoader::load(write("jpeg.ico", jpeg)).isNull());
}

TEST_F(PictureLoaderFiles, MissingEmptyAndNonFilesAreErrors) {
    QString error;
    EXPECT_TRUE(PictureLoader::load(dir.path() + "/none.bmp", &error).isNull());
    EXPECT_EQ(error, QStringLiteral("File not found"));
    for (const char* name : {"zero.bmp", "zero.ico", "zero.jpg"})
        EXPECT_TRUE(PictureLoader::load(write(name, QByteArray())).isNull()) << name;
    QDir(dir.path()).mkdir("folder.bmp");
    EXPECT_TRUE(PictureLoader::load(dir.path() + "/folder.bmp", &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(PictureLoader::load(write("plain.txt", "ABC"), &error).isNull());
}

TEST_F(PictureLoaderFiles, TruncatedAndGarbageFilesAreErrors) {
    const QByteArray bmp = SkinMaker::encode(solid(20, 20), "bmp");
    const QByteArray ico = SkinMaker::encode(solid(32, 32), "ico");
    EXPECT_TRUE(PictureLoader::load(write("cut.bmp", bmp.left(40))).isNull());
    EXPECT_TRUE(PictureLoader::load(write("cut.ico", ico.left(30))).isNull());
    QByteArray noise(4000, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919) % 251);
    for (const char* name : {"noise.bmp", "noise.ico", "noise.jpg"})
        EXPECT_TRUE(PictureLoader::load(write(name, noise)).isNull()) << name;
    // Garbage behind a valid signature.
    EXPECT_TRUE(PictureLoader::load(write("sig.bmp", "BM" + noise)).isNull());
    EXPECT_TRUE(
        PictureLoader::load(write("sig.ico", QByteArray("\0\0\1\0\1\0", 6) + noise)).isNull());
}

TEST_F(PictureLoaderFiles, IconPrefersTheMarkCellThenTheLargest) {
    const QByteArray small = SkinMaker::encode(solid(16, 16), "ico");
    const QByteArray cell = SkinMaker::encode(solid(32, 32), "ico");
    const QByteArray big = SkinMaker::encode(solid(48, 48), "ico");
    EXPECT_EQ(PictureLoader::load(write("three.ico", joinIcons({small, big, cell}))).size(),
              QSize(32, 32));
    EXPECT_EQ(PictureLoader::load(write("two.ico", joinIcons({small, big}))).size(), QSize(48, 48));
}

TEST(PictureLoaderDecode, UnknownKindIsAnError) {
    QString error;
    EXPECT_TRUE(PictureLoader::decode("BM", Kind::Unknown, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(PictureLoaderDecode, DamagedBitmapsAndIconsNeverCrash) {
    QImage source(24, 20, QImage::Format_RGB32);
    source.fill(qRgb(9, 99, 199));
    for (const auto& [ext, kind] : {std::pair{"bmp", Kind::Bmp}, std::pair{"ico", Kind::Ico}}) {
        const QByteArray whole =
            SkinMaker::encode(ext == QLatin1String("ico") ? source.scaled(32, 32) : source, ext);
        ASSERT_FALSE(PictureLoader::decode(whole, kind).isNull()) << ext;
        int failures = 0;
        for (qsizetype i = 0; i < whole.size(); i += 3) {
            QByteArray bent = whole;
            bent[i] = char(bent[i] ^ 0xFF);
            QString error;
            const QImage image = PictureLoader::decode(bent, kind, &error);
            if (image.isNull()) {
                ++failures;
                EXPECT_FALSE(error.isEmpty()) << ext << " byte " << i;
            }
        }
        EXPECT_GT(failures, 0) << ext;
        for (qsizetype cut = 0; cut < whole.size(); cut += 5)
            EXPECT_TRUE(PictureLoader::decode(whole.left(cut), kind).isNull()) << ext << cut;
    }
}

// A picture, wave or desktop file is read to its own size, never to the limit: a
// skin's nine pictures must not each hold the 64 MB limit while they load.
TEST(BoundedReadTest, TakesWhatTheFileHoldsAndStopsAtTheLimit) {
    QBuffer buffer;
    buffer.setData(QByteArray(100000, 'x'));
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const QByteArray all = BoundedRead::upTo(buffer, PictureLoader::kMaxFileBytes + 1);
    EXPECT_EQ(all.size(), 100000);
    EXPECT_LT(all.capacity(), 200000);
    buffer.seek(0);
    EXPECT_EQ(BoundedRead::upTo(buffer, 70000).size(), 70000);
    buffer.seek(99990);
    EXPECT_EQ(BoundedRead::upTo(buffer, 50).size(), 10);
}
