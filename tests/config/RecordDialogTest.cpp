// What every settings and records dialog shares: the copy of the record read at each
// new showing, the place it is centred at, the write-back and its failures, the click.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QSpontaneKeyEvent>

#include "ConfigFileOps.h"
#include "ConfigTestDir.h"
#include "ModalBoxCloser.h"
#include "RecordDialog.h"
#include "RecordingWave.h"

namespace {

// A dialog with nothing of its own: each showing only reads the record.
class ProbeDialog : public RecordDialog {
public:
    explicit ProbeDialog(WaveOutput& wave)
        : RecordDialog(wave, nullptr, QStringLiteral("Probe"), QStringLiteral("Probe"),
                       QSize(200, 100)) {}

    void FormShow() override {
        ++showings;
        readRecordAndCentre();
    }
    using RecordDialog::clickSound;
    using RecordDialog::writeRecord;

    // The show event a window gets when it is restored from minimized.
    void restore() {
        QShowEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        showEvent(&event);
    }

    int showings = 0;
};

ConfigRecord withMistakes(int mistakes) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.MistakesAllowed = std::uint8_t(mistakes);
    return rec;
}

ssize_t pwriteNoSpace(int, const void*, size_t, off_t) {
    errno = ENOSPC;
    return -1;
}

class RecordDialogTest : public ::testing::Test {
protected:
    RecordDialogTest() : dialog(wave) { dialog.setAppDir(dir.path()); }
    ~RecordDialogTest() override { dialog.hide(); }

    void reshow() {
        dialog.hide();
        dialog.show();
    }

    void expectErrorBox(const ModalBoxCloser& closer, const QString& text) const {
        ASSERT_EQ(closer.boxes.size(), 1);
        EXPECT_EQ(closer.boxes[0].icon, QMessageBox::Critical);
        EXPECT_EQ(closer.boxes[0].title, QStringLiteral("Zelto 2000"));
        EXPECT_EQ(closer.boxes[0].text, text);
    }

    ConfigTestDir dir;
    RecordingWave wave;
    ProbeDialog dialog;
};

}  // namespace

TEST_F(RecordDialogTest, SizeIsFixedAndOnlyTheCloseBoxIsOffered) {
    EXPECT_EQ(dialog.minimumSize(), QSize(200, 100));
    EXPECT_EQ(dialog.maximumSize(), QSize(200, 100));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(RecordDialogTest, ShowingReadsTheRecordAndCentresByTheOuterSize) {
    dir.write(withMistakes(4));
    dialog.show();
    EXPECT_EQ(dialog.showings, 1);
    EXPECT_TRUE(dialog.recordRead());
    EXPECT_EQ(dialog.record(), withMistakes(4));
    // 200 × 100 inside a single border and caption: 208 × 127 outside.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.pos(),
              screen.topLeft() + QPoint((screen.width() - 208) / 2, (screen.height() - 127) / 2));
}

TEST_F(RecordDialogTest, EveryNewShowingRereadsButARestoreDoesNot) {
    dir.write(withMistakes(4));
    dialog.show();
    dir.write(withMistakes(5));
    dialog.restore();
    EXPECT_EQ(dialog.showings, 1);
    EXPECT_EQ(dialog.record().MistakesAllowed, 4);
    reshow();
    EXPECT_EQ(dialog.showings, 2);
    EXPECT_EQ(dialog.record().MistakesAllowed, 5);
}

TEST_F(RecordDialogTest, UnreadableRecordShowsTheErrorAndLeavesTheDialogWhereItWas) {
    dir.writeBytes(QByteArray(100, '\0'));
    dialog.move(3, 4);
    ModalBoxCloser closer;
    dialog.show();
    expectErrorBox(closer, QStringLiteral("Read beyond end of file"));
    EXPECT_FALSE(dialog.recordRead());
    EXPECT_EQ(dialog.pos(), QPoint(3, 4));
}

TEST_F(RecordDialogTest, RecordThatCouldNotBeReadAgainIsNeverWrittenBack) {
    dir.write(withMistakes(4));
    dialog.show();
    const QByteArray cutShort(100, '\0');
    dir.writeBytes(cutShort);
    ModalBoxCloser closer;
    reshow();
    ASSERT_EQ(closer.boxes.size(), 1);
    EXPECT_FALSE(dialog.recordRead());
    // The copy still holds the earlier showing's record: it must not go over the file.
    EXPECT_FALSE(dialog.writeRecord(dialog.record()));
    EXPECT_EQ(dir.bytes(), cutShort);
    EXPECT_EQ(closer.boxes.size(), 1) << "no second box";
}

TEST_F(RecordDialogTest, FailedWriteShowsTheErrorAndKeepsTheCopyAsItWas) {
    dir.write(withMistakes(4));
    dialog.show();
    const ConfigFileOps previous = ConfigFileOps::install(
        {ConfigFileOps::system().pread, pwriteNoSpace, ConfigFileOps::system().fsync});
    ModalBoxCloser closer;
    const bool written = dialog.writeRecord(withMistakes(6));
    ConfigFileOps::install(previous);
    EXPECT_FALSE(written);
    expectErrorBox(closer, QStringLiteral("Disk full"));
    EXPECT_EQ(dialog.record().MistakesAllowed, 4);
    EXPECT_EQ(dir.read().MistakesAllowed, 4);

    EXPECT_TRUE(dialog.writeRecord(withMistakes(6)));
    EXPECT_EQ(dialog.record(), withMistakes(6));
    EXPECT_EQ(dir.read(), withMistakes(6));
}

TEST_F(RecordDialogTest, ClickFollowsTheCopyAsReadAndOnlyAFlagOfOne) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.SoundScheme.setText(QStringLiteral("Bells"));
    dir.write(rec);
    dialog.show();
    rec.PlaySounds = 0;
    dir.write(rec);  // not read before the next showing
    dialog.clickSound();
    EXPECT_EQ(wave.files, QStringList{dir.path() + QStringLiteral("/Sounds/Bells/Click.wav")});

    rec.PlaySounds = 2;
    dir.write(rec);
    reshow();
    dialog.clickSound();
    EXPECT_EQ(wave.files.size(), 1);
}
