// The music selection dialog with a scripted player: the list of MIDI files, the states
// of Play, Pause and Stop, what Ok stores, and the player's errors.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ConfigTestDir.h"
#include "DialogDriver.h"
#include "FakeMusicPlayer.h"
#include "MediaFiles.h"
#include "ModalBoxCloser.h"
#include "RecordingWave.h"
#include "UnitMusic.h"

namespace {

// MusicFile is bytes 274 to 529 of the record: length byte and 255 characters.
constexpr int kMusicFirst = 274;
constexpr int kMusicEnd = kMusicFirst + 256;

class MusicDialogTest : public ::testing::Test {
protected:
    MusicDialogTest() : form(wave, makePlayer()) {
        form.setAppDir(dir.path());
        configure(1);
    }

    std::unique_ptr<MusicPlayer> makePlayer() {
        auto player = std::make_unique<FakeMusicPlayer>(&log);
        fake = player.get();
        return player;
    }

    void configure(int playSounds) {
        ConfigRecord rec = ConfigTestDir::sample();
        rec.PlaySounds = std::uint8_t(playSounds);
        rec.SoundScheme.setText(QStringLiteral("Chimes"));
        rec.MusicFile.setText(QStringLiteral("Default Music.MID"));
        dir.write(rec);
    }

    void music(const QString& name) const {
        ASSERT_TRUE(MediaFiles::write(musicPath(name), MediaFiles::midi(96)));
    }

    void musics(const QStringList& names) const {
        for (const QString& name : names) music(name);
    }

    QString musicPath(const QString& name) const {
        return dir.path() + QStringLiteral("/Music/") + name;
    }

    void showForm() {
        form.hide();
        form.show();
        log.clear();
    }

    QStringList listed() const { return DialogDriver::listed(list()); }
    void select(const QString& name) { DialogDriver::select(list(), name); }

    // Which of Play, Pause and Stop are enabled, as "PPS" with '-' for disabled.
    QString buttons() const {
        QString out;
        out += form.playButton()->isEnabled() ? QLatin1Char('P') : QLatin1Char('-');
        out += form.pauseButton()->isEnabled() ? QLatin1Char('P') : QLatin1Char('-');
        out += form.stopButton()->isEnabled() ? QLatin1Char('S') : QLatin1Char('-');
        return out;
    }

    // The player operations since the dialog was shown, without the file names.
    std::vector<QString> operations() const {
        std::vector<QString> out;
        for (const QString& entry : log)
            if (!entry.startsWith(QStringLiteral("music file "))) out.push_back(entry);
        return out;
    }

    static std::vector<QString> ops(std::initializer_list<const char*> names) {
        std::vector<QString> out;
        for (const char* name : names)
            out.push_back(QStringLiteral("music ") + QLatin1String(name));
        return out;
    }

    QListWidget* list() const { return form.fileListBox(); }
    QPushButton* ok() const { return DialogDriver::ok(form); }
    QPushButton* cancel() const { return DialogDriver::cancel(form); }

    std::vector<QString> log;
    ConfigTestDir dir;
    RecordingWave wave;
    FakeMusicPlayer* fake = nullptr;
    TFormMusic form;
};

}  // namespace

// --- the window ---

TEST_F(MusicDialogTest, WindowHasItsCaptionSizeAndButtons) {
    showForm();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Music Selection"));
    EXPECT_EQ(form.size(), QSize(230, 142));
    EXPECT_EQ(form.playButton()->text(), QStringLiteral("Play"));
    EXPECT_EQ(form.pauseButton()->text(), QStringLiteral("Pause"));
    EXPECT_EQ(form.stopButton()->text(), QStringLiteral("Stop"));
}

// --- the list of files ---

TEST_F(MusicDialogTest, MidFilesInAnyLetterCaseAreListedOthersNot) {
    musics({QStringLiteral("Default Music.MID"), QStringLiteral("b.mid"), QStringLiteral("c.Mid"),
            QStringLiteral("d.midi"), QStringLiteral("e.txt"), QStringLiteral("mid"),
            QStringLiteral("f.mid.bak")});
    ASSERT_TRUE(MediaFiles::makeDir(musicPath(QStringLiteral("Folder.mid"))));
    showForm();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("b.mid"), QStringLiteral("c.Mid"),
                                     QStringLiteral("Default Music.MID")}));
}

TEST_F(MusicDialogTest, ShowingSelectsNothingAndDisablesAllFourButtons) {
    music(QStringLiteral("Default Music.MID"));
    showForm();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(buttons(), QStringLiteral("---"));
    EXPECT_TRUE(operations().empty()) << "the player is not touched";
}

TEST_F(MusicDialogTest, MissingMusicFolderGivesAnEmptyList) {
    showForm();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(ok()->isEnabled());
}

// --- Play, Pause and Stop ---

TEST_F(MusicDialogTest, SelectingAFileEnablesOkAndPlayAndOpensIt) {
    music(QStringLiteral("Tune.mid"));
    showForm();
    select(QStringLiteral("Tune.mid"));
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_EQ(buttons(), QStringLiteral("P--"));
    EXPECT_EQ(form.selectedMusic(), QStringLiteral("Tune.mid"));
    EXPECT_EQ(log, (std::vector<QString>{
                       QStringLiteral("music file ") + musicPath(QStringLiteral("Tune.mid")),
                       QStringLiteral("music open")}));
    EXPECT_TRUE(fake->isOpen());
}

TEST_F(MusicDialogTest, PlayPauseAndStopSwitchTheButtonsAndDriveThePlayer) {
    music(QStringLiteral("Tune.mid"));
    showForm();
    select(QStringLiteral("Tune.mid"));
    const struct {
        QPushButton* button;
        const char* enabledAfter;
    } steps[] = {{form.playButton(), "-PS"},
                 {form.pauseButton(), "P-S"},
                 {form.playButton(), "-PS"},
                 {form.stopButton(), "P--"},
                 {form.playButton(), "-PS"}};
    for (const auto& step : steps) {
        step.button->click();
        EXPECT_EQ(buttons(), QLatin1String(step.enabledAfter)) << step.button->text().toStdString();
    }
    // Stop rewinds, so the last Play starts the piece again.
    EXPECT_EQ(operations(), ops({"open", "play", "pause", "play", "stop", "rewind", "play"}));
    EXPECT_TRUE(fake->playing);
}

TEST_F(MusicDialogTest, SelectingASecondFileReopensWithoutPlaying) {
    musics({QStringLiteral("One.mid"), QStringLiteral("Two.mid")});
    showForm();
    select(QStringLiteral("One.mid"));
    form.playButton()->click();
    log.clear();
    select(QStringLiteral("Two.mid"));
    EXPECT_EQ(buttons(), QStringLiteral("P--"));
    EXPECT_EQ(fake->fileName(), musicPath(QStringLiteral("Two.mid")));
    EXPECT_EQ(operations(), ops({"close", "open"}));
    EXPECT_FALSE(fake->playing) << "the first piece stopped, the second is not played";
}

TEST_F(MusicDialogTest, DoubleClickOnAnEntryPlaysIt) {
    musics({QStringLiteral("One.mid"), QStringLiteral("Two.mid")});
    showForm();
    QListWidgetItem* item = list()->findItems(QStringLiteral("Two.mid"), Qt::MatchExactly).first();
    const QPoint at = list()->visualItemRect(item).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(form.selectedMusic(), QStringLiteral("Two.mid"));
    EXPECT_EQ(operations(), ops({"open", "play"}));
    EXPECT_EQ(buttons(), QStringLiteral("-PS"));
}

TEST_F(MusicDialogTest, DoubleClickWithNothingSelectedDoesNothing) {
    music(QStringLiteral("One.mid"));
    showForm();
    form.FileListBoxDblClick();
    EXPECT_TRUE(operations().empty());
    EXPECT_EQ(buttons(), QStringLiteral("---"));
}

TEST_F(MusicDialogTest, CharacterTypedInTheListPlaysTheSelectedFile) {
    music(QStringLiteral("One.mid"));
    showForm();
    select(QStringLiteral("One.mid"));
    QTest::keyClick(list(), 'z');
    EXPECT_EQ(operations(), ops({"open", "play"}));
    EXPECT_EQ(buttons(), QStringLiteral("-PS"));
}

// Enter and Esc are characters too: they play, and the dialog stays open and stores
// nothing; it is left only through its buttons and its close box.
TEST_F(MusicDialogTest, EnterAndEscInTheListPlayAndNeverLeaveTheDialog) {
    music(QStringLiteral("One.mid"));
    showForm();
    const QByteArray before = dir.bytes();
    select(QStringLiteral("One.mid"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        form.stopButton()->click();
        log.clear();
        QTest::keyClick(list(), key);
        EXPECT_EQ(operations(), ops({"play"})) << key;
        EXPECT_TRUE(form.isVisible()) << key;
    }
    EXPECT_EQ(dir.bytes(), before);
    EXPECT_EQ(form.findChild<QFrame*>(QStringLiteral("Bevel"))->frameShadow(), QFrame::Plain);
}

TEST_F(MusicDialogTest, CharacterTypedBeforeAnyChoicePlaysNothing) {
    music(QStringLiteral("One.mid"));
    showForm();
    QTest::keyClick(list(), 'z');
    EXPECT_TRUE(operations().empty());
}

// --- Ok, Cancel and closing ---

TEST_F(MusicDialogTest, OkClicksStoresTheFileAndStopsAndClosesThePreview) {
    musics({QStringLiteral("Default Music.MID"), QStringLiteral("Jazz.mid")});
    showForm();
    select(QStringLiteral("Jazz.mid"));
    form.playButton()->click();
    ok()->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dir.read().MusicFile.text(), QStringLiteral("Jazz.mid"));
    EXPECT_EQ(wave.files, QStringList{dir.path() + QStringLiteral("/Sounds/Chimes/Click.wav")});
    EXPECT_EQ(operations(), ops({"open", "play", "stop", "close"}));
    EXPECT_FALSE(fake->isOpen());
}

TEST_F(MusicDialogTest, OkChangesOnlyMusicFileInConfigDat) {
    ConfigRecord rec = ConfigRecord::decode(ConfigTestDir::noise(kConfigRecordSize, 11));
    rec.MusicFile.setText(QStringLiteral("Default Music.MID"));
    const QByteArray trailer = ConfigTestDir::noise(500, 12);
    dir.write(rec, trailer);
    const QByteArray before = dir.bytes();
    music(QStringLiteral("Waltz.MID"));
    showForm();
    select(QStringLiteral("Waltz.MID"));
    ok()->click();

    const QByteArray after = dir.bytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(kMusicFirst), before.left(kMusicFirst));
    EXPECT_EQ(after.mid(kMusicEnd), before.mid(kMusicEnd)) << "incl. the bytes past the record";
    EXPECT_EQ(dir.read().MusicFile.text(), QStringLiteral("Waltz.MID"));
}

TEST_F(MusicDialogTest, CancelWritesNothingAndStopsAndClosesThePreview) {
    music(QStringLiteral("Jazz.mid"));
    const QByteArray before = dir.bytes();
    showForm();
    select(QStringLiteral("Jazz.mid"));
    form.playButton()->click();
    cancel()->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(dir.bytes(), before);
    EXPECT_EQ(wave.files, QStringList{dir.path() + QStringLiteral("/Sounds/Chimes/Click.wav")});
    EXPECT_EQ(operations(), ops({"open", "play", "stop", "close"}));
    EXPECT_FALSE(fake->isOpen());
}

TEST_F(MusicDialogTest, CloseBoxStopsAndClosesThePreviewWithoutClick) {
    music(QStringLiteral("Jazz.mid"));
    const QByteArray before = dir.bytes();
    showForm();
    select(QStringLiteral("Jazz.mid"));
    form.playButton()->click();
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_EQ(dir.bytes(), before);
    EXPECT_EQ(operations(), ops({"open", "play", "stop", "close"}));
}

TEST_F(MusicDialogTest, CancelBeforeAnyChoiceLeavesThePlayerAlone) {
    music(QStringLiteral("Jazz.mid"));
    showForm();
    cancel()->click();
    EXPECT_TRUE(operations().empty());
}

// --- failures ---

TEST_F(MusicDialogTest, FailedOpenShowsItsErrorOnceAndClosingShowsNoSecond) {
    music(QStringLiteral("Broken.mid"));
    fake->openError = QStringLiteral("The file cannot be played.");
    showForm();
    ModalBoxCloser closer;
    select(QStringLiteral("Broken.mid"));
    ASSERT_EQ(closer.texts(), QStringList{QStringLiteral("The file cannot be played.")});
    EXPECT_EQ(closer.boxes.first().icon, QMessageBox::Critical);
    EXPECT_EQ(closer.boxes.first().title, QStringLiteral("Zelto 2000"));
    EXPECT_EQ(buttons(), QStringLiteral("P--")) << "switched before the open";
    cancel()->click();
    EXPECT_EQ(closer.boxes.size(), 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MusicDialogTest, PlayAfterAFailedOpenReportsNoMciDeviceOpen) {
    music(QStringLiteral("Broken.mid"));
    fake->openError = QStringLiteral("The file cannot be played.");
    showForm();
    ModalBoxCloser closer;
    select(QStringLiteral("Broken.mid"));
    form.playButton()->click();
    EXPECT_EQ(closer.texts(), (QStringList{QStringLiteral("The file cannot be played."),
                                           QStringLiteral("No MCI device open")}));
}

TEST_F(MusicDialogTest, OkAfterAFailedOpenStoresTheChoiceWithoutASecondError) {
    music(QStringLiteral("Broken.mid"));
    fake->openError = QStringLiteral("The file cannot be played.");
    showForm();
    ModalBoxCloser closer;
    select(QStringLiteral("Broken.mid"));
    ok()->click();
    EXPECT_EQ(closer.boxes.size(), 1);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(dir.read().MusicFile.text(), QStringLiteral("Broken.mid"));
}

TEST_F(MusicDialogTest, MusicRemovedBeforeOkGivesAMessageAndStoresNothing) {
    musics({QStringLiteral("Gone.mid"), QStringLiteral("Kept.mid")});
    const QByteArray before = dir.bytes();
    showForm();
    select(QStringLiteral("Gone.mid"));
    ASSERT_TRUE(QFile::remove(musicPath(QStringLiteral("Gone.mid"))));
    ModalBoxCloser closer;
    ok()->click();
    ASSERT_EQ(closer.boxes.size(), 1);
    EXPECT_TRUE(closer.boxes.first().text.contains(QStringLiteral("Gone.mid")));
    EXPECT_EQ(dir.bytes(), before);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Kept.mid")});
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(buttons(), QStringLiteral("---"));
    EXPECT_FALSE(fake->isOpen()) << "the preview of the vanished file is closed";
}

// --- every showing starts afresh ---

TEST_F(MusicDialogTest, SecondShowingStartsWithNothingSelectedAndAllFourButtonsDisabled) {
    musics({QStringLiteral("One.mid"), QStringLiteral("Two.mid")});
    showForm();
    select(QStringLiteral("Two.mid"));
    form.playButton()->click();
    form.pauseButton()->click();
    ok()->click();
    showForm();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_TRUE(form.selectedMusic().isEmpty());
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(buttons(), QStringLiteral("---"));
}

TEST_F(MusicDialogTest, SecondShowingAfterCancelCanStillPreview) {
    music(QStringLiteral("One.mid"));
    showForm();
    select(QStringLiteral("One.mid"));
    cancel()->click();
    showForm();
    select(QStringLiteral("One.mid"));
    form.playButton()->click();
    EXPECT_EQ(operations(), ops({"open", "play"}));
    EXPECT_TRUE(fake->playing);
}
