// The files built into the program: splash and about pictures, the jingle, desktop icons.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QtEndian>

#include "AppDirFixture.h"
#include "MediaParse.h"

class EmbeddedFiles : public AppDirFixture {
protected:
    static QImage image(const QString& name, const char* format) {
        QImageReader r(embedded() + "/" + name, format);
        return r.read();
    }
};

TEST_F(EmbeddedFiles, PicturesHaveTheSizesTheWindowsUse) {
    EXPECT_EQ(image("Logo.jpg", "jpg").size(), QSize(184, 86));
    EXPECT_EQ(image("About.jpg", "jpg").size(), QSize(362, 202));
    EXPECT_EQ(image("AboutButtonUp.jpg", "jpg").size(), QSize(89, 25));
    EXPECT_EQ(image("AboutButtonDown.jpg", "jpg").size(), QSize(89, 25));
    EXPECT_NE(ToolRun::readAll(embedded() + "/AboutButtonUp.jpg"),
              ToolRun::readAll(embedded() + "/AboutButtonDown.jpg"));
}

TEST_F(EmbeddedFiles, AboutTextAreaIsLightForDarkText) {
    const QImage about = image("About.jpg", "jpg");
    ASSERT_FALSE(about.isNull());
    const QImage text = about.copy(16, 96, 329, 65);
    double sum = 0;
    for (int y = 0; y < text.height(); ++y)
        for (int x = 0; x < text.width(); ++x) sum += qGray(text.pixel(x, y));
    EXPECT_GT(sum / (text.width() * text.height()), 200.0);
}

// The stored value is 110386 bytes: its size field, then a 44-byte header and a data
// chunk of 110338 bytes.
TEST_F(EmbeddedFiles, LogoWaveSizeFieldMatchesTheRiffImage) {
    const QByteArray stored = ToolRun::readAll(embedded() + "/LogoWave.dat");
    ASSERT_EQ(stored.size(), 110386);
    const auto n = qFromLittleEndian<qint32>(stored.constData());
    EXPECT_EQ(n, stored.size() - 4);
    const QByteArray riff = stored.mid(4);
    EXPECT_EQ(qFromLittleEndian<quint32>(riff.constData() + 4) + 8, static_cast<quint32>(n));
    const WaveInfo w = MediaParse::wave(riff);
    ASSERT_TRUE(w.ok) << w.error.toStdString();
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.sampleRate, 22050);
    EXPECT_EQ(w.samples.size(), 110338u / 2);
}

TEST_F(EmbeddedFiles, JingleFadesOutInsteadOfStoppingDead) {
    const WaveInfo w = MediaParse::wave(ToolRun::readAll(embedded() + "/LogoWave.dat").mid(4));
    ASSERT_TRUE(w.ok);
    int tailPeak = 0;
    for (size_t i = w.samples.size() - 200; i < w.samples.size(); ++i)
        tailPeak = std::max(tailPeak, std::abs(int(w.samples[i])));
    EXPECT_LT(tailPeak, 500);
}

TEST_F(EmbeddedFiles, DesktopIconsComeInEverySize) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = image(QStringLiteral("zelto2000-%1.png").arg(size), "png");
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(EmbeddedOption, WithoutItNoEmbeddedFolderIsWritten) {
    QTemporaryDir d;
    ASSERT_EQ(ToolRun::run({d.path() + "/app"}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(d.path() + "/app/Logo.jpg"));
    EXPECT_TRUE(QFile::exists(d.path() + "/app/Config.dat"));
}
