// One skin folder: extension choice, case-blind names, load order and where a broken
// skin stops.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "JpegEncoder.h"
#include "SkinFolder.h"
#include "SkinMaker.h"

namespace {

class SkinFolderFixture : public ::testing::Test {
protected:
    QString skins() const { return tmp.path() + QStringLiteral("/Skins"); }
    SkinMaker make(const QString& ext, const QString& name = QStringLiteral("Test")) const {
        return SkinMaker(skins(), name, ext);
    }
    static int width(const QString& file, const QString& ext) {
        return SkinMaker::widthOf(file, ext);
    }
    QTemporaryDir tmp;
};

void expectAllPictures(const SkinPictures& p, const QString& ext) {
    EXPECT_EQ(p.Background.width(), SkinMaker::widthOf("Background." + ext, ext));
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(p.Buttons[n - 1].Up.width(),
                  SkinMaker::widthOf(QString("Button%1Up.%2").arg(n).arg(ext), ext));
        EXPECT_EQ(p.Buttons[n - 1].Down.width(),
                  SkinMaker::widthOf(QString("Button%1Down.%2").arg(n).arg(ext), ext));
    }
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(p.Controls[n - 1].Up.width(),
                  SkinMaker::widthOf(QString("Control%1Up.%2").arg(n).arg(ext), ext));
        EXPECT_EQ(p.Controls[n - 1].Down.width(),
                  SkinMaker::widthOf(QString("Control%1Down.%2").arg(n).arg(ext), ext));
    }
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(p.Icons[n - 1].Up.width(),
                  SkinMaker::widthOf(QString("Icon%1Up.%2").arg(n).arg(ext), ext));
        EXPECT_EQ(p.Icons[n - 1].Down.width(),
                  SkinMaker::widthOf(QString("Icon%1Down.%2").arg(n).arg(ext), ext));
    }
    EXPECT_EQ(p.IconNo.size(), QSize(32, 32));
    EXPECT_EQ(p.IconYes.size(), QSize(32, 32));
    EXPECT_EQ(p.IconTime.size(), QSize(32, 32));
}

}  // namespace

TEST(SkinFolderOrder, LoadOrderIsBackgroundButtonsControlsIconsMarksLabels) {
    QStringList expected = SkinMaker::pictureNames(QStringLiteral("bmp"));
    expected << QStringLiteral("Labels.txt");
    EXPECT_EQ(SkinFolder::loadOrder(QStringLiteral("bmp")), expected);
    EXPECT_EQ(SkinFolder::loadOrder(QStringLiteral("jpg")).size(), SkinFolder::kFileCount);
    EXPECT_EQ(SkinFolder::loadOrder(QStringLiteral("jpg"))[1], QStringLiteral("Button1Up.jpg"));
    EXPECT_EQ(SkinFolder::loadOrder(QStringLiteral("jpg"))[41], QStringLiteral("WrongButton.ico"));
}

TEST(SkinFolderOrder, CheckOrderIsPreviewThenDownPicturesThenMarks) {
    const QStringList order = SkinFolder::checkOrder(QStringLiteral("jpg"));
    ASSERT_EQ(order.size(), SkinFolder::kCheckCount);
    EXPECT_EQ(order[0], QStringLiteral("Background.jpg"));
    EXPECT_EQ(order[1], QStringLiteral("Button1Up.jpg"));
    EXPECT_EQ(order[9], QStringLiteral("Button9Up.jpg"));
    EXPECT_EQ(order[10], QStringLiteral("Icon1Up.jpg"));
    EXPECT_EQ(order[13], QStringLiteral("Control1Up.jpg"));
    EXPECT_EQ(order[20], QStringLiteral("Control8Up.jpg"));
    EXPECT_EQ(order[21], QStringLiteral("Button1Down.jpg"));
    EXPECT_EQ(order[30], QStringLiteral("Icon1Down.jpg"));
    EXPECT_EQ(order[33], QStringLiteral("Control1Down.jpg"));
    EXPECT_EQ(order[40], QStringLiteral("Control8Down.jpg"));
    EXPECT_EQ(order.mid(41), QStringList({"WrongButton.ICO", "RightButton.ICO", "TimeOver.ICO"}));
    EXPECT_FALSE(order.contains(QStringLiteral("Labels.txt")));
}

TEST(SkinFolderPath, NamedSkinLivesUnderSkins) {
    EXPECT_EQ(SkinFolder::named("/app", "Default Skin").dir(),
              QStringLiteral("/app/Skins/Default Skin"));
}

TEST_F(SkinFolderFixture, ExtensionIsBmpOnlyWhenBackgroundBmpIsAFile) {
    const SkinMaker bmp = make("bmp", "B");
    EXPECT_EQ(SkinFolder(bmp.dir()).extension(), QStringLiteral("bmp"));
    const SkinMaker jpg = make("jpg", "J");
    EXPECT_EQ(SkinFolder(jpg.dir()).extension(), QStringLiteral("jpg"));
    bmp.rename("Background.bmp", "BACKGROUND.BMP");
    EXPECT_EQ(SkinFolder(bmp.dir()).extension(), QStringLiteral("bmp"));
    bmp.remove("BACKGROUND.BMP");
    EXPECT_EQ(SkinFolder(bmp.dir()).extension(), QStringLiteral("jpg"));
    QDir().mkpath(bmp.path("background.bmp"));
    EXPECT_EQ(SkinFolder(bmp.dir()).extension(), QStringLiteral("jpg"));
    EXPECT_EQ(SkinFolder(skins() + "/Missing").extension(), QStringLiteral("jpg"));
}

TEST_F(SkinFolderFixture, CompleteSkinsLoadEveryFileIntoItsPlace) {
    for (const QString& ext : {QStringLiteral("bmp"), QStringLiteral("jpg")}) {
        const SkinPictures p = SkinFolder(make(ext, ext).dir()).load();
        EXPECT_TRUE(p.complete()) << p.failedFile.toStdString() << ": " << p.failure.toStdString();
        EXPECT_EQ(p.loaded, SkinFolder::kFileCount);
        expectAllPictures(p, ext);
        ASSERT_TRUE(p.Labels.has_value());
        EXPECT_EQ(p.Labels->colour, QColor(255, 0, 0));
        EXPECT_TRUE(p.Labels->bold);
        EXPECT_TRUE(p.Labels->italic);
    }
}

TEST_F(SkinFolderFixture, BmpSkinWithOneJpgFileFailsAtExactlyThatFile) {
    const SkinMaker skin = make("bmp");
    skin.remove("Control3Down.bmp");
    skin.writePicture("Control3Down.jpg", 30);
    const SkinPictures p = SkinFolder(skin.dir()).load();
    EXPECT_EQ(p.failedFile, QStringLiteral("Control3Down.bmp"));
    EXPECT_EQ(p.loaded, SkinFolder::loadOrder("bmp").indexOf("Control3Down.bmp"));
    // Everything before it is loaded, nothing after it.
    EXPECT_FALSE(p.Background.isNull());
    EXPECT_FALSE(p.Buttons[8].Down.isNull());
    EXPECT_FALSE(p.Controls[1].Down.isNull());
    EXPECT_FALSE(p.Controls[2].Up.isNull());
    EXPECT_TRUE(p.Controls[2].Down.isNull());
    EXPECT_TRUE(p.Controls[3].Up.isNull());
    EXPECT_TRUE(p.Icons[0].Up.isNull());
    EXPECT_TRUE(p.IconTime.isNull());
    EXPECT_FALSE(p.Labels.has_value());
}

TEST_F(SkinFolderFixture, BackgroundBmpWithJpgPicturesFailsAtButton1Up) {
    const SkinMaker skin = make("jpg");
    skin.writePicture("Background.bmp", 10);
    const SkinPictures p = SkinFolder(skin.dir()).load();
    EXPECT_EQ(p.failedFile, QStringLiteral("Button1Up.bmp"));
    EXPECT_EQ(p.loaded, 1);
    EXPECT_EQ(p.Background.width(), 10);
}

TEST_F(SkinFolderFixture, NoBackgroundAtAllFailsAtTheFirstPicture) {
    const SkinMaker skin = make("jpg");
    skin.remove("Background.jpg");
    const SkinPictures p = SkinFolder(skin.dir()).load();
    EXPECT_EQ(p.failedFile, QStringLiteral("Background.jpg"));
    EXPECT_EQ(p.failure, QStringLiteral("File not found"));
    EXPECT_EQ(p.loaded, 0);
    EXPECT_TRUE(p.Background.isNull());
}

TEST_F(SkinFolderFixture, PictureThatDoesNotDecodeAsItsExtensionFails) {
    const SkinMaker skin = make("bmp");
    skin.writeBytes("Button5Up.bmp", JpegEncoder::solid(8, 8, 0, JpegEncoder::Space::Rgb));
    EXPECT_EQ(SkinFolder(skin.dir()).load().failedFile, QStringLiteral("Button5Up.bmp"));

    const SkinMaker jpg = make("jpg", "Cut");
    jpg.writeBytes("Icon2Down.jpg", jpg.bytes("Icon2Down.jpg").chopped(20));
    const SkinPictures p = SkinFolder(jpg.dir()).load();
    EXPECT_EQ(p.failedFile, QStringLiteral("Icon2Down.jpg"));
    EXPECT_FALSE(p.failure.isEmpty());

    const SkinMaker marks = make("jpg", "Marks");
    marks.writeBytes("RightButton.ico", "not an icon");
    EXPECT_EQ(SkinFolder(marks.dir()).load().failedFile, QStringLiteral("RightButton.ico"));
}

TEST_F(SkinFolderFixture, MissingOrShortLabelsFileFailsLast) {
    const SkinMaker skin = make("bmp");
    skin.remove("Labels.txt");
    SkinPictures p = SkinFolder(skin.dir()).load();
    EXPECT_EQ(p.failedFile, QStringLiteral("Labels.txt"));
    EXPECT_EQ(p.loaded, SkinFolder::kFileCount - 1);
    expectAllPictures(p, "bmp");
    EXPECT_FALSE(p.Labels.has_value());

    skin.writeBytes("Labels.txt", "PB");
    p = SkinFolder(skin.dir()).load();
    EXPECT_EQ(p.failedFile, QStringLiteral("Labels.txt"));
    EXPECT_EQ(p.loaded, SkinFolder::kFileCount - 1);
    EXPECT_FALSE(p.Labels.has_value());
}

TEST_F(SkinFolderFixture, FileNamesMatchInAnyLetterCase) {
    const SkinMaker skin = make("bmp");
    QStringList names = SkinMaker::pictureNames("bmp") << QStringLiteral("Labels.txt");
    for (qsizetype i = 0; i < names.size(); ++i)
        skin.rename(names[i], i % 2 == 0 ? names[i].toUpper() : names[i].toLower());
    const SkinPictures p = SkinFolder(skin.dir()).load();
    EXPECT_TRUE(p.complete()) << p.failedFile.toStdString();
    expectAllPictures(p, "bmp");
    EXPECT_TRUE(SkinFolder(skin.dir()).preview().complete());
}

TEST_F(SkinFolderFixture, TimeOverIcoInEitherSpellingIsTheSameFile) {
    const SkinMaker skin = make("jpg");
    skin.rename("TimeOver.ico", "TimeOver.ICO");
    EXPECT_TRUE(SkinFolder(skin.dir()).load().complete());
    EXPECT_TRUE(SkinFolder(skin.dir()).preview().complete());
    skin.rename("TimeOver.ICO", "TimeOver.ico");
    EXPECT_TRUE(SkinFolder(skin.dir()).load().complete());
    EXPECT_TRUE(SkinFolder(skin.dir()).preview().complete());
    EXPECT_FALSE(SkinFolder(skin.dir()).find("timeover.ico").isEmpty());
    EXPECT_TRUE(SkinFolder(skin.dir()).find("timeover.bmp").isEmpty());
}

TEST_F(SkinFolderFixture, PreviewHoldsTheUpPicturesOfACompleteSkin) {
    const SkinMaker skin = make("bmp");
    skin.remove("Labels.txt");  // not part of the check
    const SkinPreview p = SkinFolder(skin.dir()).preview();
    EXPECT_TRUE(p.complete()) << p.failedFile.toStdString();
    EXPECT_EQ(p.loaded, SkinFolder::kCheckCount);
    EXPECT_EQ(p.Background.width(), width("Background.bmp", "bmp"));
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(p.Buttons[n - 1].width(), width(QString("Button%1Up.bmp").arg(n), "bmp"));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(p.Icons[n - 1].width(), width(QString("Icon%1Up.bmp").arg(n), "bmp"));
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(p.Controls[n - 1].width(), width(QString("Control%1Up.bmp").arg(n), "bmp"));
}

TEST_F(SkinFolderFixture, PreviewStopsAtTheFirstBrokenFileInCheckOrder) {
    const SkinMaker skin = make("bmp");
    skin.remove("Button4Down.bmp");
    SkinPreview p = SkinFolder(skin.dir()).preview();
    EXPECT_EQ(p.failedFile, QStringLiteral("Button4Down.bmp"));
    EXPECT_EQ(p.loaded, SkinFolder::kPreviewCount + 3);
    EXPECT_FALSE(p.Controls[7].isNull());

    skin.remove("Control2Up.bmp");
    p = SkinFolder(skin.dir()).preview();
    EXPECT_EQ(p.failedFile, QStringLiteral("Control2Up.bmp"));
    EXPECT_EQ(p.loaded, 14);
    EXPECT_FALSE(p.Controls[0].isNull());
    EXPECT_TRUE(p.Controls[1].isNull());

    const SkinMaker marks = make("jpg", "Marks");
    marks.remove("WrongButton.ico");
    EXPECT_EQ(SkinFolder(marks.dir()).preview().failedFile, QStringLiteral("WrongButton.ICO"));
}
