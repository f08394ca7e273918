// The main window's decisions without a window: start-up and its order, rereading the
// settings after a dialog, the skin fall-back and which controls respond.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "FakeGameView.h"
#include "FakeMusicPlayer.h"
#include "FakeSessionView.h"
#include "PrincipalSession.h"
#include "RecordingWave.h"

namespace {

using Window = PrincipalView::Window;

class PrincipalSessionTest : public ::testing::Test {
protected:
    PrincipalSessionTest() {
        const QString from = QStringLiteral(ZELTO_APPDIR);
        QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString target = temp.path() + path.mid(from.size());
            if (it.fileInfo().isDir())
                QDir().mkpath(target);
            else
                QFile::copy(path, target);
        }
        QFile::setPermissions(configFile(), QFile::permissions(configFile()) | QFile::WriteOwner);
        QDir::setCurrent(temp.path());
        appDir = QDir::currentPath();
        ConfigRecord rec = onDisk();
        rec.PlayMusic = 0;
        write(rec);
        session.setAppDirUsers({&window});
    }

    QString configFile() const { return temp.path() + QStringLiteral("/Config.dat"); }
    ConfigRecord onDisk() const {
        ConfigRecord rec;
        ReadConfig(temp.path(), rec);
        return rec;
    }
    void write(const ConfigRecord& rec) const { WriteConfig(temp.path(), rec); }
    int at(const QString& entry) const { return board.indexOf(entry); }
    void startIdle() {
        ASSERT_TRUE(session.FormShow());
        board.clearLog();
        wave.files.clear();
    }

    QTemporaryDir temp;
    QString appDir;
    RecordingWave wave;
    FakeGameView board;
    FakeMusicPlayer music{&board.log};
    FakeSessionView window{&board.log};
    PrincipalSession session{board, window, board, window, wave, music};
};

TEST_F(PrincipalSessionTest, WithoutConfigTheSplashComesFirstAndStartUpStops) {
    ASSERT_TRUE(QFile::remove(configFile()));
    EXPECT_FALSE(session.FormShow());
    const std::vector<QString> expected = {
        QStringLiteral("appDir ") + appDir, QStringLiteral("window Logo"),
        QStringLiteral("startup error The file ") + appDir +
            QStringLiteral("/Config.dat is missing. Without that file is impossible to start "
                           "the application")};
    EXPECT_EQ(board.log, expected);
    EXPECT_FALSE(QFile::exists(configFile()));
}

TEST_F(PrincipalSessionTest, StartUpReplacesMissingNamesSkinFirstThenPlacesAndSkinsTheWindow) {
    ConfigRecord rec = onDisk();
    rec.SkinName.setText(QStringLiteral("Gone Skin"));
    rec.SoundScheme.setText(QStringLiteral("Gone Sounds"));
    rec.ButtonEnabled[4] = 0;
    write(rec);
    ASSERT_TRUE(session.FormShow());

    const int skinMessage =
        at(QStringLiteral("startup error The skin Gone Skin is missing. It "
                          "will be replaced for the default skin."));
    const int soundsMessage =
        at(QStringLiteral("startup error The sounds Gone Sounds are "
                          "missing. They will be replaced for the default "
                          "sounds."));
    EXPECT_LT(at(QStringLiteral("appDir ") + appDir), at(QStringLiteral("window Logo")));
    EXPECT_LT(at(QStringLiteral("window Logo")), skinMessage);
    EXPECT_LT(skinMessage, soundsMessage);
    EXPECT_LT(soundsMessage, at(QStringLiteral("centre")));
    EXPECT_LT(at(QStringLiteral("centre")), at(QStringLiteral("skin complete")));
    EXPECT_LT(at(QStringLiteral("skin complete")), at(QStringLiteral("visible 5 0")));
    EXPECT_LT(at(QStringLiteral("icon 3 Up")), at(QStringLiteral("HideMarks")));
    EXPECT_EQ(board.log.back(), QStringLiteral("gameMode 0"));
    EXPECT_EQ(board.count(QStringLiteral("visible 1 1")), 1);

    ConfigRecord expected = rec;
    expected.SkinName.setText(QStringLiteral("Default Skin"));
    expected.SoundScheme.setText(QStringLiteral("Default Sounds"));
    EXPECT_TRUE(onDisk() == expected);
    EXPECT_TRUE(session.rules().settings() == expected);
    EXPECT_EQ(session.rules().PlayerName(), QStringLiteral("Anonymous"));
    EXPECT_EQ(music.fileName(), appDir + QStringLiteral("/Music/") + rec.MusicFile.text());
}

// Out-of-range values are warned about and played on a safe copy while the file keeps
// them; a file that cannot be read leaves the settings as they were.
TEST_F(PrincipalSessionTest, ADamagedFileAfterADialogIsWarnedAboutOrLeavesTheSettings) {
    startIdle();
    const ConfigRecord before = session.rules().settings();
    window.onWindow = [&](Window) {
        ConfigRecord rec = onDisk();
        rec.Delay = 5000;
        rec.ButtonEnabled.fill(0);
        write(rec);
    };
    session.GeneralClick();
    const size_t warning = at(QStringLiteral("window General")) + 1;
    ASSERT_LT(warning, board.log.size());
    EXPECT_TRUE(board.log[warning].startsWith(QStringLiteral("settings warning ")));
    EXPECT_EQ(board.countStartingWith(QStringLiteral("settings warning ")), 1);
    EXPECT_EQ(session.rules().settings().Delay, 1000);
    EXPECT_EQ(board.count(QStringLiteral("visible 9 1")), 1) << "all nine on when fewer than two";
    EXPECT_EQ(onDisk().Delay, 5000);

    window.onWindow = [&](Window) { QFile(configFile()).resize(100); };
    board.clearLog();
    session.SoundsClick();
    const std::vector<QString> expected = {QStringLiteral("window Sounds"),
                                           QStringLiteral("io Read beyond end of file")};
    EXPECT_EQ(board.log, expected);
    EXPECT_EQ(session.rules().settings().Delay, 1000);
    EXPECT_TRUE(session.rules().settings().SoundScheme == before.SoundScheme);
}

// A broken skin gives way to the default one in memory only; the skin dialog reloads
// only when the name it leaves in the file differs.
TEST_F(PrincipalSessionTest, TheSkinFallBackIsInMemoryAndOnlyANewNameReloads) {
    ASSERT_TRUE(QFile::remove(temp.path() + QStringLiteral("/Skins/Midnight/Labels.txt")));
    ConfigRecord rec = onDisk();
    rec.SkinName.setText(QStringLiteral("Midnight"));
    write(rec);
    ASSERT_TRUE(session.FormShow());
    const int error =
        at(QStringLiteral("skin error Some file(s) of the skin are missing or "
                          "corrupted. It will be replaced for the default skin."));
    EXPECT_LT(at(QStringLiteral("skin broken")), error);
    EXPECT_LT(error, at(QStringLiteral("skin complete")));
    EXPECT_EQ(session.rules().settings().SkinName.text(), QStringLiteral("Default Skin"));
    EXPECT_EQ(onDisk().SkinName.text(), QStringLiteral("Midnight"));

    rec.SkinName.setText(QStringLiteral("Default Skin"));
    write(rec);
    board.clearLog();
    session.SkinClick();
    EXPECT_EQ(board.countStartingWith(QStringLiteral("skin ")), 0) << "the same name again";

    window.onWindow = [&](Window) {
        rec.SkinName.setText(QStringLiteral("Midnight"));
        write(rec);
    };
    session.SkinClick();
    EXPECT_EQ(board.count(QStringLiteral("skin broken")), 1) << "a new name reloads";
    EXPECT_EQ(board.log.back(), QStringLiteral("HideMarks"));
}

TEST_F(PrincipalSessionTest, ControlsRespondAndRunTheirCommandsOnlyInTheirGameState) {
    startIdle();
    session.ControlDown(2);
    session.ControlUp(2);
    for (int n = 3; n <= 8; ++n) {
        session.ControlDown(n);
        session.ControlUp(n);
    }
    EXPECT_EQ(board.countStartingWith(QStringLiteral("control 2")), 0);
    EXPECT_EQ(board.count(QStringLiteral("confirmQuit")), 0);
    EXPECT_EQ(wave.files.size(), 6) << "a click for each control that responds";
    for (const char* entry :
         {"window General", "window Skin", "window Sounds", "window Music", "showRecords 20"})
        EXPECT_EQ(board.count(QString::fromLatin1(entry)), 1) << entry;
    EXPECT_EQ(
        board.count(QStringLiteral("page ") + appDir + QStringLiteral("/Zelto 2000 Help.html")), 1);

    board.clearLog();
    session.ControlDown(1);
    session.ControlUp(1);
    ASSERT_TRUE(session.rules().Playing());
    EXPECT_LT(at(QStringLiteral("gameMode 1")), at(QStringLiteral("control 1 Up")))
        << "the new-game control shows its pressed picture until the game has started";

    board.clearLog();
    for (int n : {1, 3, 4, 5, 6}) {
        session.ControlDown(n);
        session.ControlUp(n);
    }
    session.GeneralClick();
    session.PlayClick();
    EXPECT_EQ(board.countStartingWith(QStringLiteral("control ")), 0);
    EXPECT_EQ(board.countStartingWith(QStringLiteral("window ")), 0);
    session.ControlDown(7);
    session.ControlUp(7);
    board.quitAnswer = false;
    session.ControlDown(2);
    session.ControlUp(2);
    EXPECT_EQ(board.count(QStringLiteral("showRecords 20")), 1);
    EXPECT_EQ(board.count(QStringLiteral("confirmQuit")), 1);
    EXPECT_TRUE(session.rules().Playing());

    session.IconUp(1);
    session.IconUp(3);
    EXPECT_LT(at(QStringLiteral("window About")), at(QStringLiteral("end")))
        << "the icons answer during a game";
}

}  // namespace
