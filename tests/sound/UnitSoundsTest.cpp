// The sound selection dialog: the scheme list, the nine previews and their keys, the
// click sounds of Ok and Cancel, and what Ok stores in Config.dat.
#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ConfigTestDir.h"
#include "DialogDriver.h"
#include "MediaFiles.h"
#include "ModalBoxCloser.h"
#include "RecordingWave.h"
#include "UnitSounds.h"

namespace {

// SoundScheme is bytes 17 to 272 of the record: length byte and 255 characters.
constexpr int kSchemeFirst = 17;
constexpr int kSchemeEnd = kSchemeFirst + 256;

class SoundsDialogTest : public ::testing::Test {
protected:
    SoundsDialogTest() : form(wave) {
        form.setAppDir(dir.path());
        configure(1, QStringLiteral("Old"));
    }

    void configure(int playSounds, const QString& scheme) {
        ConfigRecord rec = ConfigTestDir::sample();
        rec.PlaySounds = std::uint8_t(playSounds);
        rec.SoundScheme.setText(scheme);
        dir.write(rec);
    }

    void scheme(const QString& name) const {
        ASSERT_TRUE(MediaFiles::makeDir(dir.path() + QStringLiteral("/Sounds/") + name));
    }

    void schemes(const QStringList& names) const {
        for (const QString& name : names) scheme(name);
    }

    void showForm() {
        form.hide();
        form.show();
    }

    QStringList listed() const { return DialogDriver::listed(list()); }
    void select(const QString& name) { DialogDriver::select(list(), name); }

    void typeInList(char c) { QTest::keyClick(list(), c); }

    QString path(const QString& scheme, const QString& file) const {
        return dir.path() + QStringLiteral("/Sounds/") + scheme + QLatin1Char('/') + file;
    }

    bool previewsEnabled(bool enabled) const {
        for (int n = 1; n <= 9; ++n)
            if (form.previewButton(n)->isEnabled() != enabled) return false;
        return true;
    }

    QListWidget* list() const { return form.listBox(); }
    QPushButton* ok() const { return DialogDriver::ok(form); }
    QPushButton* cancel() const { return DialogDriver::cancel(form); }

    ConfigTestDir dir;
    RecordingWave wave;
    TFormSounds form;
};

}  // namespace

// --- the window ---

TEST_F(SoundsDialogTest, WindowHasItsCaptionAndSize) {
    showForm();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Sounds Selection"));
    EXPECT_EQ(form.size(), QSize(230, 142));
}

TEST_F(SoundsDialogTest, PreviewButtonsAreLaidOutLikeTheBoard) {
    for (int n = 1; n <= 9; ++n) {
        QPushButton* b = form.previewButton(n);
        EXPECT_EQ(b->text(), QString::number(n));
        EXPECT_EQ(b->size(), QSize(17, 17));
        EXPECT_EQ(b->x(), 160 + 20 * ((n - 1) % 3)) << n;
    }
    EXPECT_EQ(form.previewButton(7)->y(), 40);
    EXPECT_EQ(form.previewButton(5)->y(), 60);
    EXPECT_EQ(form.previewButton(3)->y(), 80);
}

// --- the list of schemes ---

TEST_F(SoundsDialogTest, SchemeNameOutsideTheCodePageIsNotOffered) {
    schemes({QStringLiteral("Klänge"), QStringLiteral("音")});
    showForm();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Klänge")});
}

TEST_F(SoundsDialogTest, ConfiguredSchemeIsNotPreselected) {
    schemes({QStringLiteral("Old"), QStringLiteral("New")});
    showForm();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(form.SomeSelected());
    EXPECT_TRUE(form.selectedScheme().isEmpty());
}

TEST_F(SoundsDialogTest, EmptySoundsFolderLeavesOkAndPreviewsDisabled) {
    ASSERT_TRUE(MediaFiles::makeDir(dir.path() + QStringLiteral("/Sounds")));
    showForm();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_TRUE(previewsEnabled(false));
    EXPECT_TRUE(cancel()->isEnabled());
}

TEST_F(SoundsDialogTest, MissingSoundsFolderGivesAnEmptyList) {
    showForm();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(ok()->isEnabled());
}

TEST_F(SoundsDialogTest, ThreeHundredSchemesAreListedAndTheLastCanBeStored) {
    for (int i = 1; i <= 300; ++i)
        scheme(QStringLiteral("Scheme %1").arg(i, 3, 10, QLatin1Char('0')));
    showForm();
    ASSERT_EQ(list()->count(), 300);
    list()->setCurrentRow(299);
    EXPECT_EQ(form.selectedScheme(), QStringLiteral("Scheme 300"));
    form.previewButton(2)->click();
    EXPECT_EQ(wave.files.last(), path(QStringLiteral("Scheme 300"), QStringLiteral("Sound2.wav")));
    ok()->click();
    EXPECT_EQ(dir.read().SoundScheme.text(), QStringLiteral("Scheme 300"));
}

// --- choosing and previewing ---

TEST_F(SoundsDialogTest, OkAndPreviewsStayDisabledUntilASchemeIsChosen) {
    schemes({QStringLiteral("Old"), QStringLiteral("New")});
    showForm();
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_TRUE(previewsEnabled(false));
    select(QStringLiteral("New"));
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_TRUE(previewsEnabled(true));
    EXPECT_EQ(form.selectedScheme(), QStringLiteral("New"));
}

TEST_F(SoundsDialogTest, MouseClickOnAnEntryChoosesIt) {
    schemes({QStringLiteral("Old"), QStringLiteral("New")});
    showForm();
    QListWidgetItem* item = list()->findItems(QStringLiteral("Old"), Qt::MatchExactly).first();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(item).center());
    EXPECT_EQ(form.selectedScheme(), QStringLiteral("Old"));
    EXPECT_TRUE(ok()->isEnabled());
}

TEST_F(SoundsDialogTest, PreviewSevenPlaysSound7EvenWithSoundsOff) {
    configure(0, QStringLiteral("Old"));
    schemes({QStringLiteral("Old"), QStringLiteral("Bells")});
    showForm();
    select(QStringLiteral("Bells"));
    form.previewButton(7)->click();
    EXPECT_EQ(wave.files, QStringList{path(QStringLiteral("Bells"), QStringLiteral("Sound7.wav"))});
}

TEST_F(SoundsDialogTest, EveryPreviewButtonPlaysItsOwnWave) {
    scheme(QStringLiteral("Bells"));
    showForm();
    select(QStringLiteral("Bells"));
    for (int n = 1; n <= 9; ++n) form.previewButton(n)->click();
    QStringList expected;
    for (int n = 1; n <= 9; ++n)
        expected << path(QStringLiteral("Bells"), QStringLiteral("Sound%1.wav").arg(n));
    EXPECT_EQ(wave.files, expected);
}

TEST_F(SoundsDialogTest, PreviewFollowsTheSchemeChosenLast) {
    schemes({QStringLiteral("Bells"), QStringLiteral("Drums")});
    showForm();
    select(QStringLiteral("Bells"));
    select(QStringLiteral("Drums"));
    form.previewButton(1)->click();
    EXPECT_EQ(wave.files, QStringList{path(QStringLiteral("Drums"), QStringLiteral("Sound1.wav"))});
}

TEST_F(SoundsDialogTest, DisabledPreviewButtonPlaysNothing) {
    scheme(QStringLiteral("Bells"));
    showForm();
    form.previewButton(4)->click();
    EXPECT_TRUE(wave.files.isEmpty());
}

// --- keys typed in the list ---

TEST_F(SoundsDialogTest, TypingFivePreviewsSound5OfTheHighlightedScheme) {
    schemes({QStringLiteral("Bells"), QStringLiteral("Drums")});
    showForm();
    select(QStringLiteral("Drums"));
    typeInList('5');
    EXPECT_EQ(wave.files, QStringList{path(QStringLiteral("Drums"), QStringLiteral("Sound5.wav"))});
}

TEST_F(SoundsDialogTest, TypingZeroOrALetterPlaysNothing) {
    schemes({QStringLiteral("Bells"), QStringLiteral("Drums")});
    showForm();
    select(QStringLiteral("Drums"));
    typeInList('0');
    typeInList('a');
    typeInList('x');
    EXPECT_TRUE(wave.files.isEmpty());
}

TEST_F(SoundsDialogTest, KeypadDigitPreviewsToo) {
    scheme(QStringLiteral("Bells"));
    showForm();
    select(QStringLiteral("Bells"));
    QTest::keyClick(list(), Qt::Key_9, Qt::KeypadModifier);
    EXPECT_EQ(wave.files, QStringList{path(QStringLiteral("Bells"), QStringLiteral("Sound9.wav"))});
}

TEST_F(SoundsDialogTest, DigitBeforeAnyChoiceNamesNoSchemeSoTheAlertSounds) {
    scheme(QStringLiteral("Bells"));
    showForm();
    typeInList('3');
    EXPECT_EQ(wave.files, QStringList{dir.path() + QStringLiteral("/Sounds//Sound3.wav")});
}

// Enter and Esc in the list neither store nor close: only the buttons and the close box
// leave the dialog.
TEST_F(SoundsDialogTest, EnterAndEscInTheListNeverLeaveTheDialog) {
    scheme(QStringLiteral("Bells"));
    showForm();
    const QByteArray before = dir.bytes();
    select(QStringLiteral("Bells"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(list(), key);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(wave.files.isEmpty()) << "no click of Ok, no preview";
    EXPECT_EQ(dir.bytes(), before);
}

TEST_F(SoundsDialogTest, TypedKeyStillReachesTheList) {
    schemes({QStringLiteral("Bells"), QStringLiteral("Drums")});
    showForm();
    select(QStringLiteral("Bells"));
    typeInList('d');
    EXPECT_EQ(form.selectedScheme(), QStringLiteral("Drums")) << "the list's own search ran";
}

// --- Ok and Cancel ---

TEST_F(SoundsDialogTest, OkWithSoundsOnClicksWithTheNewScheme) {
    schemes({QStringLiteral("Old"), QStringLiteral("New")});
    showForm();
    select(QStringLiteral("New"));
    ok()->click();
    EXPECT_EQ(wave.files, QStringList{path(QStringLiteral("New"), QStringLiteral("Click.wav"))});
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dir.read().SoundScheme.text(), QStringLiteral("New"));
}

TEST_F(SoundsDialogTest, CancelWithSoundsOnClicksWithTheOldSchemeAndWritesNothing) {
    schemes({QStringLiteral("Old"), QStringLiteral("New")});
    const QByteArray before = dir.bytes();
    showForm();
    select(QStringLiteral("New"));
    cancel()->click();
    EXPECT_EQ(wave.files, QStringList{path(QStringLiteral("Old"), QStringLiteral("Click.wav"))});
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dir.bytes(), before);
}

TEST_F(SoundsDialogTest, CloseBoxLeavesWithoutClickOrWrite) {
    scheme(QStringLiteral("New"));
    const QByteArray before = dir.bytes();
    showForm();
    select(QStringLiteral("New"));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_EQ(dir.bytes(), before);
}

TEST_F(SoundsDialogTest, OkChangesOnlySoundSchemeInConfigDat) {
    ConfigRecord rec = ConfigRecord::decode(ConfigTestDir::noise(kConfigRecordSize));
    rec.PlaySounds = 1;
    rec.SoundScheme.setText(QStringLiteral("Old"));
    const QByteArray trailer = ConfigTestDir::noise(333, 7);
    dir.write(rec, trailer);
    const QByteArray before = dir.bytes();
    scheme(QStringLiteral("A new scheme"));
    showForm();
    select(QStringLiteral("A new scheme"));
    ok()->click();

    const QByteArray after = dir.bytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(kSchemeFirst), before.left(kSchemeFirst));
    EXPECT_EQ(after.mid(kSchemeEnd), before.mid(kSchemeEnd)) << "incl. the bytes past the record";
    EXPECT_EQ(dir.read().SoundScheme.text(), QStringLiteral("A new scheme"));
}

TEST_F(SoundsDialogTest, SchemeNameWithAccentsIsStoredInTheCodePage) {
    scheme(QStringLiteral("Klänge"));
    showForm();
    select(QStringLiteral("Klänge"));
    ok()->click();
    const QByteArray stored = dir.bytes().mid(kSchemeFirst, 7);
    EXPECT_EQ(stored, QByteArray("\x06Kl\xe4nge", 7));
}

// --- failures ---

TEST_F(SoundsDialogTest, SchemeRemovedAfterListingGivesAMessageAndStoresNothing) {
    schemes({QStringLiteral("Old"), QStringLiteral("Gone")});
    const QByteArray before = dir.bytes();
    showForm();
    select(QStringLiteral("Gone"));
    ASSERT_TRUE(QDir(dir.path() + QStringLiteral("/Sounds/Gone")).removeRecursively());
    ModalBoxCloser closer;
    ok()->click();
    ASSERT_EQ(closer.boxes.size(), 1);
    EXPECT_TRUE(closer.boxes.first().text.contains(QStringLiteral("Gone")));
    EXPECT_EQ(dir.bytes(), before);
    EXPECT_TRUE(form.isVisible()) << "the player can choose again";
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Old")});
    EXPECT_FALSE(ok()->isEnabled());
}

// --- every showing starts afresh ---

TEST_F(SoundsDialogTest, SecondShowingStartsCleanAndRereadsTheFolder) {
    schemes({QStringLiteral("Old"), QStringLiteral("New")});
    showForm();
    select(QStringLiteral("New"));
    ok()->click();
    scheme(QStringLiteral("Newer"));
    form.show();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_TRUE(form.selectedScheme().isEmpty());
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_TRUE(previewsEnabled(false));
    EXPECT_EQ(listed(),
              (QStringList{QStringLiteral("New"), QStringLiteral("Newer"), QStringLiteral("Old")}));
}
