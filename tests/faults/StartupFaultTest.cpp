// Start-up with a Config.dat that cannot be used: the player is told why, the program
// ends cleanly before anything is loaded, and the file is left exactly as it was.
#include <gtest/gtest.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "GameWindows.h"
#include "ImmutableFile.h"
#include "ModalBoxCloser.h"
#include "ReadOnlyFile.h"
#include "ScopedFileOps.h"
#include "SkinImage.h"
#include "UnitPrincipal.h"

namespace {

ssize_t pwriteNoSpace(int, const void*, size_t, off_t) {
    errno = ENOSPC;
    return -1;
}

class StartupFaults : public ::testing::Test {
protected:
    StartupFaults() { game.writeQuickRules(); }

    // The one message start-up showed, as an error box of the game.
    void expectOnlyError(const QString& text) const {
        ASSERT_EQ(script.texts(), QStringList{text});
        EXPECT_EQ(script.boxes[0].icon, QMessageBox::Critical);
        EXPECT_EQ(script.boxes[0].title, QStringLiteral("Zelto 2000"));
    }

    ModalBoxCloser script;
    QTemporaryDir temp;
    GameWindows game{temp.path() + QStringLiteral("/app")};
};

TEST_F(StartupFaults, ReadOnlyConfigEndsStartUpWithAccessDeniedAndIsNotTouched) {
    const QByteArray before = game.configBytes();
    bool started = true;
    {
        ReadOnlyFile readOnly(game.configFile());
        ASSERT_TRUE(readOnly.active()) << readOnly.why().toStdString();
        started = game.start();
    }
    EXPECT_FALSE(started);
    expectOnlyError(QStringLiteral("File access denied"));
    EXPECT_FALSE(game.principal->isVisible());
    EXPECT_EQ(game.configBytes(), before);
}

TEST_F(StartupFaults, ImmutableConfigEndsStartUpWithAccessDenied) {
    const QByteArray before = game.configBytes();
    ImmutableFile immutable(game.configFile());
    if (!immutable.active())
        GTEST_SKIP() << "no immutable files here: " << immutable.why().toStdString();
    EXPECT_FALSE(game.start());
    expectOnlyError(QStringLiteral("File access denied"));
    EXPECT_EQ(game.configBytes(), before);
}

TEST_F(StartupFaults, FolderInPlaceOfConfigIsReportedMissing) {
    ASSERT_TRUE(QFile::remove(game.configFile()));
    ASSERT_TRUE(QDir().mkdir(game.configFile()));
    EXPECT_FALSE(game.start());
    expectOnlyError(QStringLiteral("The file ") + game.configFile() +
                    QStringLiteral(" is missing. Without that file is impossible to start the "
                                   "application"));
    EXPECT_TRUE(QFileInfo(game.configFile()).isDir());
    EXPECT_TRUE(QDir(game.configFile()).isEmpty());
}

TEST_F(StartupFaults, ShortConfigEndsStartUpWithReadBeyondEndAndIsNeverWritten) {
    const QByteArray whole = game.configBytes();
    for (int size : {0, 1, 786, kConfigRecordSize - 1}) {
        QFile file(game.configFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(whole.left(size));
        file.close();
        script.clear();
        EXPECT_FALSE(game.start()) << "size " << size;
        expectOnlyError(QStringLiteral("Read beyond end of file"));
        EXPECT_EQ(game.configBytes(), whole.left(size)) << "size " << size;
    }
}

// A short file holding the name of a skin that is gone must not be "repaired" by
// writing a record that was never read.
TEST_F(StartupFaults, ShortConfigNamingAMissingSkinIsNotRepaired) {
    ConfigRecord rec = game.readConfig();
    rec.SkinName.setText(QStringLiteral("Gone Skin"));
    const QByteArray cut = rec.encode().left(1000);
    QFile file(game.configFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(cut);
    file.close();
    EXPECT_FALSE(game.start());
    expectOnlyError(QStringLiteral("Read beyond end of file"));
    EXPECT_EQ(game.configBytes(), cut);
}

TEST_F(StartupFaults, FailedReplacementWriteIsShownAndTheGameStartsOnTheDefault) {
    ConfigRecord rec = game.readConfig();
    rec.SkinName.setText(QStringLiteral("Gone Skin"));
    WriteConfig(game.appDir(), rec);
    const QByteArray before = game.configBytes();
    bool started = false;
    {
        ScopedFileOps full({::pread, pwriteNoSpace, ::fsync});
        started = game.start();
    }
    EXPECT_TRUE(started);
    ASSERT_EQ(script.texts().size(), 2);
    EXPECT_EQ(script.texts()[0], QStringLiteral("The skin Gone Skin is missing. It will be "
                                                "replaced for the default skin."));
    EXPECT_EQ(script.texts()[1], QStringLiteral("Disk full"));
    EXPECT_EQ(game.principal->rules().settings().SkinName.text(), QStringLiteral("Default Skin"));
    EXPECT_FALSE(game.principal->buttonImage(1)->picture().isNull());
    EXPECT_EQ(game.configBytes(), before);

    // Nothing was stored, so the next start tells the player again and saves then.
    script.clear();
    EXPECT_TRUE(game.start());
    EXPECT_EQ(script.texts().size(), 1);
    EXPECT_EQ(game.readConfig().SkinName.text(), QStringLiteral("Default Skin"));
}

}  // namespace
