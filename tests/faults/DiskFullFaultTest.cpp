// Config.dat on a real disk that has run out of space. A copy of the file with holes
// (as sparse copies and some installers make it) needs new blocks to be rewritten;
// when there are none the save must fail as "Disk full" without changing a byte.
// A file whose blocks are all there is rewritten in place even on a full disk.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "ConfigTestDir.h"
#include "GameWindows.h"
#include "ModalBoxCloser.h"
#include "SmallDisk.h"
#include "UnitPrincipal.h"

namespace {

QString writeError(const QString& appDir, const ConfigRecord& rec) {
    try {
        WriteConfig(appDir, rec);
    } catch (const ConfigIoError& e) {
        return e.text();
    }
    return QString();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A record with data in its first and last pages and zeros between.
ConfigRecord recordWithOneEntry(int score) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Top10Scores[0] = score;
    rec.Top10Names[kTop10Entries - 1].setText(QStringLiteral("Last rank"));
    return rec;
}

class DiskFull : public ::testing::Test {
protected:
    // A disk of `bytes` over <temp>/app; skips the test where mounting is not allowed.
    void mountDisk(qint64 bytes) {
        ASSERT_TRUE(QDir().mkpath(mountPoint));
        disk = std::make_unique<SmallDisk>(mountPoint, bytes);
        if (!disk->mounted()) GTEST_SKIP() << disk->why().toStdString();
    }

    QTemporaryDir temp;
    QString mountPoint = temp.path() + QStringLiteral("/app");
    std::unique_ptr<SmallDisk> disk;
};

TEST_F(DiskFull, SparseConfigOnAFullDiskFailsWithoutChangingAByte) {
    mountDisk(128 * 1024);
    const QString config = mountPoint + QStringLiteral("/Config.dat");
    const ConfigRecord saved = recordWithOneEntry(7);
    {
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(saved.encode());
    }
    ASSERT_GT(SmallDisk::makeSparse(config), 10);
    ASSERT_GT(disk->fill(), 0);
    const QByteArray before = fileBytes(config);

    ConfigRecord changed = saved;
    changed.Delay = 900;
    for (int i = 0; i < kTop10Entries; i += 10) changed.Top10Scores[i] = 1 + i;
    EXPECT_EQ(writeError(mountPoint, changed), QStringLiteral("Disk full"));
    EXPECT_EQ(fileBytes(config), before) << "a failed save leaves the file as it was";

    ConfigRecord back;
    ReadConfig(mountPoint, back);
    EXPECT_EQ(back, saved);

    // With room again the save goes through; afterwards the blocks are all there and a
    // full disk no longer stops a save.
    disk->unfill();
    EXPECT_EQ(writeError(mountPoint, changed), QString());
    ASSERT_GT(disk->fill(), 0);
    changed.Delay = 300;
    EXPECT_EQ(writeError(mountPoint, changed), QString());
    ReadConfig(mountPoint, back);
    EXPECT_EQ(back, changed);
}

TEST_F(DiskFull, FullDiskAtGameOverKeepsTheSavedRecordAndTheFileWhole) {
    mountDisk(4 * 1024 * 1024);
    ModalBoxCloser script;
    GameWindows game(mountPoint);
    game.writeQuickRules();
    ASSERT_TRUE(game.start());

    game.loseWithScore(2);
    ASSERT_TRUE(script.dialogs.contains(QStringLiteral("Zelto 2000 Records")));
    const ConfigRecord firstSave = game.readConfig();
    ASSERT_EQ(firstSave.Top10Scores[firstSave.recordIndex(1)], 2);

    // The folder is put back from a sparse copy, and the disk fills up.
    ASSERT_GT(SmallDisk::makeSparse(game.configFile()), 0);
    ASSERT_GT(disk->fill(), 0);
    const QByteArray before = game.configBytes();
    script.clear();
    game.loseWithScore(1);
    EXPECT_EQ(script.texts(),
              (QStringList{QStringLiteral("The game is over."), QStringLiteral("Disk full")}));
    EXPECT_FALSE(script.dialogs.contains(QStringLiteral("Zelto 2000 Records")));
    EXPECT_EQ(game.configBytes(), before);
    EXPECT_FALSE(game.principal->rules().Playing());
    const ConfigRecord& memory = game.principal->rules().settings();
    EXPECT_EQ(memory.Top10Scores[memory.recordIndex(2)], 1);

    // Room again: the next record stores the waiting one with it.
    disk->unfill();
    script.clear();
    game.loseWithScore(1);
    EXPECT_EQ(script.texts(), QStringList{QStringLiteral("The game is over.")});
    const ConfigRecord last = game.readConfig();
    EXPECT_EQ(last.Top10Scores[last.recordIndex(1)], 2);
    EXPECT_EQ(last.Top10Scores[last.recordIndex(2)], 1);
    EXPECT_EQ(last.Top10Scores[last.recordIndex(3)], 1);
}

}  // namespace
