// A record that cannot be saved at game over: the player sees why, no viewer opens,
// the game is idle and playable again, the entry stays in the main window's copy, and
// Config.dat is never left shorter than a record nor loses a record saved before.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "GameWindows.h"
#include "ModalBoxCloser.h"
#include "ReadOnlyFile.h"
#include "ScopedFileOps.h"
#include "UnitGeneral.h"
#include "UnitPrincipal.h"

namespace {

const QString kRecordsTitle = QStringLiteral("Zelto 2000 Records");
const QString kGameOver = QStringLiteral("The game is over.");

class GameOverFaults : public ::testing::Test {
protected:
    void SetUp() override {
        game.writeQuickRules();
        ASSERT_TRUE(game.start());
        script.clear();
    }

    const ConfigRecord& memory() const { return game.principal->rules().settings(); }
    int scoreAt(const ConfigRecord& rec, int rank) const {
        return rec.Top10Scores[rec.recordIndex(rank)];
    }
    QString nameAt(const ConfigRecord& rec, int rank) const {
        return rec.Top10Names[rec.recordIndex(rank)].text();
    }

    // The game ended, the failure was shown after the name box, and no viewer opened.
    void expectFailedRecord(const QString& error) const {
        EXPECT_EQ(script.texts(), (QStringList{kGameOver, error}));
        EXPECT_EQ(script.dialogs, QStringList{QStringLiteral("Congratulations!")});
        EXPECT_FALSE(script.dialogs.contains(kRecordsTitle));
        EXPECT_FALSE(game.principal->rules().Playing());
        EXPECT_FALSE(game.principal->showTimer().isActive());
        EXPECT_TRUE(game.principal->findChild<QAction*>(QStringLiteral("Play"))->isEnabled());
        EXPECT_FALSE(game.principal->findChild<QAction*>(QStringLiteral("Quit"))->isEnabled());
        EXPECT_EQ(scoreAt(memory(), 1), 1) << "the entry stays in memory";
        EXPECT_EQ(nameAt(memory(), 1), QStringLiteral("Anonymous"));
    }

    ModalBoxCloser script;
    QTemporaryDir temp;
    GameWindows game{temp.path() + QStringLiteral("/app")};
};

TEST_F(GameOverFaults, AfterARemovedConfigTheNextDialogFailsAndNothingIsLost) {
    const QByteArray installed = game.configBytes();
    ASSERT_TRUE(QFile::remove(game.configFile()));
    game.loseWithScore(1);
    expectFailedRecord(QStringLiteral("File not found"));

    // The settings dialog cannot read the file: it says so and offers no Ok; the main
    // window's reread fails the same way and keeps its copy.
    script.clear();
    bool okEnabled = true;
    script.onDialog = [&](QDialog*) {
        okEnabled = game.general->findChild<QPushButton*>(QStringLiteral("ButtonOk"))->isEnabled();
    };
    game.principal->GeneralClick();
    EXPECT_EQ(script.dialogs, QStringList{QStringLiteral("Game Configuration")});
    EXPECT_EQ(script.texts(),
              (QStringList{QStringLiteral("File not found"), QStringLiteral("File not found")}));
    EXPECT_FALSE(okEnabled);
    EXPECT_FALSE(QFile::exists(game.configFile()));
    EXPECT_EQ(scoreAt(memory(), 1), 1);

    // Once the file is back, the next record stores the unsaved one with it.
    QFile restored(game.configFile());
    ASSERT_TRUE(restored.open(QIODevice::WriteOnly));
    restored.write(installed);
    restored.close();
    script.clear();
    game.loseWithScore(2);
    EXPECT_EQ(script.texts(), QStringList{kGameOver});
    EXPECT_TRUE(script.dialogs.contains(kRecordsTitle));
    const ConfigRecord saved = game.readConfig();
    EXPECT_EQ(scoreAt(saved, 1), 2);
    EXPECT_EQ(scoreAt(saved, 2), 1);
    EXPECT_EQ(game.configBytes().size(), kConfigRecordSize);
}

TEST_F(GameOverFaults, ReadOnlyConfigFailsTheRecordAndLeavesTheFileAlone) {
    const QByteArray before = game.configBytes();
    {
        ReadOnlyFile readOnly(game.configFile());
        ASSERT_TRUE(readOnly.active()) << readOnly.why().toStdString();
        game.loseWithScore(1);
    }
    expectFailedRecord(QStringLiteral("File access denied"));
    EXPECT_EQ(game.configBytes(), before);
}

TEST_F(GameOverFaults, WriteCutShortIsDiskFullAndKeepsTheRecordSavedBefore) {
    game.loseWithScore(1);
    ASSERT_EQ(scoreAt(game.readConfig(), 1), 1) << "the first record is saved";
    script.clear();
    ShortWrites::writes = 0;
    {
        ScopedFileOps cutShort({::pread, ShortWrites::stopAfter1000, ::fsync});
        game.loseWithScore(1);
    }
    EXPECT_EQ(script.texts(), (QStringList{kGameOver, QStringLiteral("Disk full")}));
    EXPECT_FALSE(script.dialogs.contains(kRecordsTitle));
    const QByteArray after = game.configBytes();
    EXPECT_EQ(after.size(), kConfigRecordSize);
    const ConfigRecord onDisk = ConfigRecord::decode(after);
    EXPECT_EQ(scoreAt(onDisk, 1), 1);
    EXPECT_EQ(nameAt(onDisk, 1), QStringLiteral("Anonymous"));
    EXPECT_EQ(scoreAt(memory(), 2), 1) << "the new entry waits in memory";
    EXPECT_FALSE(game.principal->rules().Playing());
}

TEST_F(GameOverFaults, AfterAFailedRecordANewGameStartsAndPlays) {
    ASSERT_TRUE(QFile::remove(game.configFile()));
    game.loseWithScore(1);
    game.startGame();
    EXPECT_TRUE(game.principal->rules().Playing());
    EXPECT_TRUE(game.principal->rules().PlayerTurn());
}

}  // namespace
