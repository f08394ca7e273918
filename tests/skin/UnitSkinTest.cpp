// The skin selection dialog on the offscreen platform: list, preview and check, and
// what Ok and Cancel leave in Config.dat.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ConfigTestDir.h"
#include "ModalBoxCloser.h"
#include "RecordingWave.h"
#include "SkinMaker.h"
#include "UnitSkin.h"

namespace {

const QString kBrokenSkin = QStringLiteral(
    "Some file(s) of this skin are missing or corrupted. Check the existence and format of all "
    "images. Read the help HTML file for a full list of files needed.");

QStringList previewNames() {
    QStringList names{QStringLiteral("BackGround")};
    for (int n = 1; n <= 9; ++n) names << QStringLiteral("Button%1").arg(n);
    for (int n = 1; n <= 3; ++n) names << QStringLiteral("Icon%1").arg(n);
    for (int n = 1; n <= 8; ++n) names << QStringLiteral("Control%1").arg(n);
    return names;
}

class SkinDialog : public ::testing::Test {
protected:
    SkinDialog() : dialog(wave) {
        QDir().mkpath(skins());
        record = ConfigTestDir::sample();
        app.write(record, trailer);
        dialog.setAppDir(app.path());
    }
    ~SkinDialog() override { dialog.hide(); }

    QString skins() const { return app.path() + QStringLiteral("/Skins"); }
    SkinMaker skin(const QString& name, const QString& ext = QStringLiteral("bmp")) const {
        return SkinMaker(skins(), name, ext);
    }
    void folder(const QString& name) const { QDir().mkpath(skins() + "/" + name); }

    QListWidget* list() const { return dialog.findChild<QListWidget*>("ListBox"); }
    QPushButton* ok() const { return dialog.findChild<QPushButton*>("ButtonOk"); }
    QPushButton* cancel() const { return dialog.findChild<QPushButton*>("ButtonCancel"); }
    QLabel* image(const QString& name) const { return dialog.findChild<QLabel*>(name); }

    static void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    void open() {
        dialog.show();
        settle();
    }
    QStringList entries() const {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i) out << list()->item(i)->text();
        return out;
    }
    void select(const QString& name) {
        const QList<QListWidgetItem*> found = list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list()->setCurrentItem(found.first());
        settle();
    }
    int visiblePreviews() const {
        int count = 0;
        for (const QString& name : previewNames()) count += image(name)->isVisible() ? 1 : 0;
        return count;
    }
    void expectListing() const {
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        EXPECT_FALSE(ok()->isEnabled());
        EXPECT_EQ(visiblePreviews(), 0);
    }
    QByteArray expectedFile(const QString& skinName) const {
        ConfigRecord changed = record;
        changed.SkinName.setText(skinName);
        return changed.encode() + trailer;
    }

    ConfigTestDir app;
    ConfigRecord record;
    const QByteArray trailer = ConfigTestDir::noise(37);
    RecordingWave wave;
    ModalBoxCloser boxes;
    TFormSkin dialog;
};

}  // namespace

TEST_F(SkinDialog, LayoutMatchesTheQuarterScaleMainWindow) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Skin Selection"));
    EXPECT_EQ(dialog.size(), QSize(273, 159));
    EXPECT_EQ(list()->geometry(), QRect(6, 8, 138, 112));
    EXPECT_EQ(ok()->geometry(), QRect(114, 128, 72, 25));
    EXPECT_EQ(ok()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(cancel()->geometry(), QRect(194, 128, 72, 25));
    EXPECT_EQ(cancel()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(image("Label1")->text(), QStringLiteral("Preview :"));
    const auto* bevel = dialog.findChild<QFrame*>("Bevel");
    ASSERT_NE(bevel, nullptr);
    EXPECT_EQ(bevel->geometry(), QRect(152, 32, 114, 88));
    EXPECT_EQ(bevel->frameShadow(), QFrame::Raised);
    EXPECT_EQ(image("BackGround")->geometry(), QRect(152, 32, 114, 88));
    EXPECT_EQ(image("Button7")->geometry(), QRect(160, 48, 16, 16));
    EXPECT_EQ(image("Button5")->geometry(), QRect(180, 68, 16, 16));
    EXPECT_EQ(image("Button3")->geometry(), QRect(200, 88, 16, 16));
    EXPECT_EQ(image("Icon1")->geometry(), QRect(152, 32, 8, 8));
    EXPECT_EQ(image("Icon2")->geometry(), QRect(250, 32, 8, 8));
    EXPECT_EQ(image("Icon3")->geometry(), QRect(258, 32, 8, 8));
    EXPECT_EQ(image("Control1")->geometry(), QRect(228, 78, 16, 8));
    EXPECT_EQ(image("Control4")->geometry(), QRect(246, 88, 16, 8));
    EXPECT_EQ(image("Control8")->geometry(), QRect(246, 108, 16, 8));
    EXPECT_EQ(image("ImageControl")->geometry(), QRect(48, 128, 17, 17));
}

TEST_F(SkinDialog, ShowListsVisibleFoldersCaseBlindSortedOnceWithNothingSelected) {
    for (const char* name : {"beta", "Alpha", ".hidden", "abc", "ABC", "Zeta"}) folder(name);
    QFile file(skins() + "/afile");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    open();
    const QStringList shown = entries();
    ASSERT_EQ(shown.size(), 4) << shown.join('|').toStdString();
    EXPECT_EQ(shown[0].toLower(), QStringLiteral("abc"));
    EXPECT_EQ(shown.mid(1), QStringList({"Alpha", "beta", "Zeta"}));
    expectListing();
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_FALSE(image("ImageControl")->isVisible());
}

TEST_F(SkinDialog, EmptySkinsFolderLeavesOnlyCancel) {
    open();
    EXPECT_EQ(list()->count(), 0);
    ok()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(app.bytes(), record.encode() + trailer);
}

TEST_F(SkinDialog, CompleteSkinShowsAllPreviewsAndEnablesOk) {
    skin("Blue");
    open();
    select("Blue");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_EQ(visiblePreviews(), 21);
    for (const QString& name : previewNames())
        EXPECT_FALSE(image(name)->pixmap().isNull()) << name.toStdString();
    EXPECT_FALSE(image("ImageControl")->isVisible());
}

TEST_F(SkinDialog, SkinWithoutLabelsFilePassesTheCheck) {
    skin("NoLabels", "jpg").remove("Labels.txt");
    open();
    select("NoLabels");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_TRUE(ok()->isEnabled());
}

TEST_F(SkinDialog, MissingDownPictureGivesTheMessageAndReturnsToListing) {
    skin("Good");
    skin("Broken").remove("Control6Down.bmp");
    open();
    select("Broken");
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Error"));
    EXPECT_EQ(boxes.boxes[0].text, kBrokenSkin);
    EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Critical);
    expectListing();
    EXPECT_EQ(entries(), QStringList({"Broken", "Good"}));
    EXPECT_EQ(app.bytes(), record.encode() + trailer);
    EXPECT_TRUE(wave.files.isEmpty());
}

// A failing check stops at its file: the pictures it did not reach keep what they showed.
TEST_F(SkinDialog, PicturesAFailingCheckDidNotReachKeepWhatTheyShowed) {
    skin("A Good");
    skin("B Broken").remove("Icon2Up.bmp");
    open();
    select("A Good");
    // Both skins look alike: the pictures are told apart by the copy each label holds.
    const qint64 goodControl = image("Control1")->pixmap().cacheKey();
    const qint64 goodButton = image("Button1")->pixmap().cacheKey();
    ASSERT_FALSE(image("Control1")->pixmap().isNull());
    select("B Broken");
    EXPECT_EQ(boxes.texts(), QStringList({kBrokenSkin}));
    EXPECT_EQ(image("Control1")->pixmap().cacheKey(), goodControl) << "not reached";
    EXPECT_NE(image("Button1")->pixmap().cacheKey(), goodButton) << "reached before the failure";
}

// Enter and Esc in the list neither store nor close the dialog.
TEST_F(SkinDialog, EnterAndEscInTheListNeverLeaveTheDialog) {
    skin("Blue");
    open();
    select("Blue");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list(), &event);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(app.bytes(), record.encode() + trailer);
    EXPECT_TRUE(wave.files.isEmpty());
}

TEST_F(SkinDialog, ReshowingHidesThePreviewAndClearsTheSelection) {
    skin("Blue");
    open();
    select("Blue");
    dialog.hide();
    open();
    expectListing();
}

TEST_F(SkinDialog, KeyboardSelectionRunsTheCheckToo) {
    skin("A Good");
    skin("B Broken").remove("Background.bmp");
    open();
    list()->setFocus();
    const auto press = [&](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list(), &event);
        settle();
    };
    // With nothing current, the first key press selects the first entry.
    press(Qt::Key_Down);
    ASSERT_EQ(list()->selectedItems().size(), 1);
    EXPECT_EQ(list()->selectedItems()[0]->text(), QStringLiteral("A Good"));
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_EQ(visiblePreviews(), 21);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    press(Qt::Key_Down);
    EXPECT_EQ(boxes.texts(), QStringList({kBrokenSkin}));
    expectListing();
}

TEST_F(SkinDialog, OkStoresOnlyTheSkinNameAndKeepsEveryOtherByte) {
    record.SkinName.setText(QStringLiteral("A much longer old skin name than the new one"));
    app.write(record, trailer);
    skin("Mine", "jpg");
    open();
    select("Mine");
    ok()->click();
    EXPECT_EQ(app.bytes(), expectedFile("Mine"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(wave.files, QStringList({app.path() + "/Sounds/Default Sounds/Click.wav"}));
}

TEST_F(SkinDialog, CancelClicksAndCloseBoxIsSilentNeitherWrites) {
    skin("Mine");
    open();
    select("Mine");
    cancel()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(wave.files.size(), 1);
    open();
    select("Mine");
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(wave.files.size(), 1);
    EXPECT_EQ(app.bytes(), record.encode() + trailer);
}

TEST_F(SkinDialog, ThreeHundredSkinsAreListedAndTheLastCanBeStored) {
    for (int i = 0; i < 299; ++i) folder(QStringLiteral("Skin %1").arg(i, 3, 10, QChar('0')));
    skin("Skin 299");
    open();
    ASSERT_EQ(list()->count(), 300);
    EXPECT_EQ(list()->item(299)->text(), QStringLiteral("Skin 299"));
    select("Skin 299");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    ok()->click();
    EXPECT_EQ(app.read().SkinName.text(), QStringLiteral("Skin 299"));
}

TEST_F(SkinDialog, SkinRemovedAfterListingIsNotStored) {
    const SkinMaker gone = skin("Gone");
    skin("Stays");
    open();
    select("Gone");
    ASSERT_TRUE(ok()->isEnabled());
    QDir(gone.dir()).removeRecursively();
    ok()->click();
    EXPECT_EQ(boxes.texts(), QStringList({"The skin Gone no longer exists."}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(entries(), QStringList({"Stays"}));
    expectListing();
    EXPECT_EQ(app.bytes(), record.encode() + trailer);
}

TEST_F(SkinDialog, UnreadableConfigShowsTheErrorAndNothingCanBeWritten) {
    skin("Mine");
    open();
    ASSERT_EQ(list()->count(), 1);
    dialog.hide();
    QFile::remove(app.configFile());
    open();
    EXPECT_EQ(boxes.texts(), QStringList({"File not found"}));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(ok()->isEnabled());
    dialog.ButtonOkClick();
    EXPECT_FALSE(QFile::exists(app.configFile()));
}
