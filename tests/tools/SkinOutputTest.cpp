// Both shipped skins hold the 45 files, each decoding at the size the window draws it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "AppDirFixture.h"

namespace {

struct Expected {
    QString name;
    QSize size;
};

// Written out here rather than taken from the tool, so a slip there shows up.
std::vector<Expected> expectedFiles(const QString& ext) {
    std::vector<Expected> out{{"Background." + ext, {456, 352}}};
    for (int n = 1; n <= 9; ++n) {
        out.push_back({QStringLiteral("Button%1Up.").arg(n) + ext, {64, 64}});
        out.push_back({QStringLiteral("Button%1Down.").arg(n) + ext, {64, 64}});
    }
    for (int n = 1; n <= 8; ++n) {
        out.push_back({QStringLiteral("Control%1Up.").arg(n) + ext, {64, 32}});
        out.push_back({QStringLiteral("Control%1Down.").arg(n) + ext, {64, 32}});
    }
    for (int n = 1; n <= 3; ++n) {
        out.push_back({QStringLiteral("Icon%1Up.").arg(n) + ext, {32, 32}});
        out.push_back({QStringLiteral("Icon%1Down.").arg(n) + ext, {32, 32}});
    }
    for (const char* mark : {"WrongButton.ico", "RightButton.ico", "TimeOver.ico"})
        out.push_back({QString::fromLatin1(mark), {32, 32}});
    return out;
}

QByteArray formatOf(const QString& name) {
    return name.endsWith(".ico") ? "ico" : name.endsWith(".bmp") ? "bmp" : "jpg";
}

double meanLuma(const QImage& img) {
    double sum = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) sum += qGray(img.pixel(x, y));
    return sum / (img.width() * img.height());
}

}  // namespace

class ShippedSkins : public AppDirFixture {
protected:
    static QImage load(const QString& skin, const QString& name) {
        QImageReader reader(app() + "/Skins/" + skin + "/" + name, formatOf(name));
        return reader.read();
    }
    void checkSkin(const QString& skin, const QString& ext) {
        const QDir dir(app() + "/Skins/" + skin);
        ASSERT_TRUE(dir.exists()) << skin.toStdString();
        const auto files = expectedFiles(ext);
        ASSERT_EQ(files.size() + 1, 45u);
        for (const Expected& e : files) {
            const QImage img = load(skin, e.name);
            ASSERT_FALSE(img.isNull()) << skin.toStdString() << "/" << e.name.toStdString();
            EXPECT_EQ(img.size(), e.size) << e.name.toStdString();
        }
        EXPECT_EQ(dir.entryList(QDir::Files).size(), 45) << skin.toStdString();
    }
};

TEST_F(ShippedSkins, DefaultSkinIsACompleteBitmapSkin) {
    checkSkin("Default Skin", "bmp");
    EXPECT_EQ(read("Skins/Default Skin/Labels.txt").left(3), QByteArray("AB-"));
}

TEST_F(ShippedSkins, MidnightIsACompleteJpegSkinWithoutBackgroundBmp) {
    checkSkin("Midnight", "jpg");
    EXPECT_FALSE(QFile::exists(app() + "/Skins/Midnight/Background.bmp"));
    const QByteArray jpeg = read("Skins/Midnight/Button1Up.jpg");
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8\xFF")) << "not a JPEG stream";
}

TEST_F(ShippedSkins, LabelsFileStartsWithAColourLetterAndStyle) {
    for (const char* skin : {"Default Skin", "Midnight"}) {
        const QByteArray l = read(QStringLiteral("Skins/%1/Labels.txt").arg(skin));
        ASSERT_GE(l.size(), 3) << skin;
        EXPECT_TRUE(QByteArray("ABCDEFGHIJKLMNOP").contains(l[0])) << skin;
        EXPECT_EQ(l[1], 'B') << skin;
    }
}

TEST_F(ShippedSkins, LitButtonIsBrighterThanTheButtonAtRest) {
    for (const QString& skin : {QStringLiteral("Default Skin"), QStringLiteral("Midnight")}) {
        const QString ext = skin == "Midnight" ? "jpg" : "bmp";
        for (int n = 1; n <= 9; ++n) {
            const double up = meanLuma(load(skin, QStringLiteral("Button%1Up.").arg(n) + ext));
            const double down = meanLuma(load(skin, QStringLiteral("Button%1Down.").arg(n) + ext));
            EXPECT_GT(down, up + 20) << skin.toStdString() << " button " << n;
        }
    }
}

TEST_F(ShippedSkins, BoardButtonsDifferFromEachOther) {
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            EXPECT_NE(read(QStringLiteral("Skins/Default Skin/Button%1Up.bmp").arg(a)),
                      read(QStringLiteral("Skins/Default Skin/Button%1Up.bmp").arg(b)));
}

TEST_F(ShippedSkins, MarksAreTransparentAroundTheSymbol) {
    for (const char* mark : {"WrongButton.ico", "RightButton.ico", "TimeOver.ico"}) {
        const QImage img =
            load("Default Skin", QString::fromLatin1(mark)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(img.isNull()) << mark;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << mark;
        EXPECT_EQ(qAlpha(img.pixel(31, 31)), 0) << mark;
        EXPECT_EQ(qAlpha(img.pixel(16, 16)), 255) << mark;
    }
    const QImage wrong = load("Default Skin", "WrongButton.ico");
    const QRgb centre = wrong.pixel(16, 16);
    EXPECT_GT(qRed(centre), 2 * qGreen(centre)) << "the wrong mark should be red";
    const QImage right = load("Default Skin", "RightButton.ico");
    const QRgb stroke = right.pixel(13, 23);
    EXPECT_GT(qGreen(stroke), 2 * qRed(stroke)) << "the right mark should be green";
}

TEST_F(ShippedSkins, InfoPanelOfTheDefaultSkinIsLightForBlackText) {
    const QImage bg = load("Default Skin", "Background.bmp");
    for (int line = 0; line < 5; ++line)
        EXPECT_GT(meanLuma(bg.copy(304, 49 + 25 * line, 136, 16)), 200) << "line " << line + 1;
}
