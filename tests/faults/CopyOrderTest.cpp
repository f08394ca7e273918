// Every window writes its whole copy of Config.dat, so a copy read before another
// window's write would undo that write. The modal order keeps that from happening:
// settings dialogs open only while no game runs, each one reads the file when shown,
// and the main window reads it again after each of them closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "GameWindows.h"
#include "ModalBoxCloser.h"
#include "UnitGeneral.h"
#include "UnitMusic.h"
#include "UnitPrincipal.h"
#include "UnitSkin.h"
#include "UnitSounds.h"

namespace {

const QString kViewerCaption = QStringLiteral("Zelto 2000 Records");

class CopyOrder : public ::testing::Test {
protected:
    void SetUp() override {
        game.writeQuickRules();
        ASSERT_TRUE(game.start());
        script.clear();
    }

    int fileScoreAt(int rank) const {
        const ConfigRecord rec = game.readConfig();
        return rec.Top10Scores[rec.recordIndex(rank)];
    }

    void key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(game.principal.get(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(game.principal.get(), &release);
    }

    ModalBoxCloser script;
    QTemporaryDir temp;
    GameWindows game{temp.path() + QStringLiteral("/app")};
};

TEST_F(CopyOrder, SettingsOkAfterARecordKeepsTheRecord) {
    game.loseWithScore(2);
    ASSERT_EQ(fileScoreAt(1), 2);
    script.onDialog = [&](QDialog*) {
        game.general->buttonCheckBox(9)->setChecked(false);
        game.general->ButtonOkClick();
    };
    game.principal->GeneralClick();
    ConfigRecord rec = game.readConfig();
    EXPECT_EQ(rec.ButtonEnabled[8], 0);
    EXPECT_EQ(game.principal->rules().settings(), rec);
    rec.ButtonEnabled[8] = 1;  // back to the table of nine buttons
    EXPECT_EQ(rec.Top10Scores[rec.recordIndex(1)], 2) << "the record is still in the file";
}

TEST_F(CopyOrder, ADialogShownBeforeARecordRereadsWhenShownAgain) {
    game.general->show();  // reads the file as it is now, without a record
    game.general->hide();
    game.loseWithScore(1);
    ASSERT_EQ(fileScoreAt(1), 1);
    script.onDialog = [&](QDialog*) { game.general->ButtonOkClick(); };
    game.principal->GeneralClick();
    EXPECT_EQ(game.general->result(), QDialog::Accepted);
    EXPECT_EQ(fileScoreAt(1), 1);
}

TEST_F(CopyOrder, NoSettingsDialogOpensDuringAGame) {
    game.startGame();
    ASSERT_TRUE(game.principal->rules().Playing());
    game.principal->GeneralClick();
    game.principal->SkinClick();
    game.principal->SoundsClick();
    game.principal->MusicClick();
    for (int n = 3; n <= 6; ++n) {
        game.principal->ControlDown(n);
        game.principal->ControlUp(n);
    }
    for (int k : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7}) key(k);
    for (const char* name : {"General", "Skin", "Sounds", "Music"})
        EXPECT_FALSE(game.principal->findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(script.dialogs.isEmpty()) << script.dialogs.join(u',').toStdString();
    EXPECT_TRUE(game.principal->rules().Playing());
}

TEST_F(CopyOrder, WindowsOpenDuringAGameOnlyRead) {
    game.startGame();
    const QByteArray before = game.configBytes();
    game.principal->StatisticClick();
    game.principal->AboutClick();
    EXPECT_EQ(script.dialogs.size(), 2);
    EXPECT_EQ(game.configBytes(), before);
    EXPECT_TRUE(game.principal->rules().Playing());
}

// Whatever a dialog leaves in the file, Ok or Cancel, is what the next game plays with.
TEST_F(CopyOrder, MainWindowRereadsAfterEverySettingsDialog) {
    struct Command {
        const char* name;
        void (TFormPrincipal::*click)();
    };
    const Command commands[] = {{"General", &TFormPrincipal::GeneralClick},
                                {"Skin", &TFormPrincipal::SkinClick},
                                {"Sounds", &TFormPrincipal::SoundsClick},
                                {"Music", &TFormPrincipal::MusicClick}};
    int delay = 100;
    for (const Command& command : commands) {
        // Another copy of the file changes while the dialog is open, then it is cancelled.
        script.onDialog = [&](QDialog*) {
            ConfigRecord rec = game.readConfig();
            delay += 100;
            rec.Delay = delay;
            rec.Top10Scores[rec.recordIndex(10)] = delay;
            WriteConfig(game.appDir(), rec);
        };
        (game.principal.get()->*command.click)();
        EXPECT_EQ(game.principal->rules().settings().Delay, delay) << command.name;
        EXPECT_EQ(game.principal->rules().settings(), game.readConfig()) << command.name;
    }
    EXPECT_EQ(script.dialogs.size(), 4);
}

TEST_F(CopyOrder, RecordAfterSettingsOkStoresTheNewSettingsToo) {
    script.onDialog = [&](QDialog*) {
        game.general->buttonCheckBox(1)->setChecked(false);
        game.general->ButtonOkClick();
    };
    game.principal->GeneralClick();
    script.onDialog = nullptr;
    ASSERT_EQ(game.principal->rules().settings().enabledCount(), 8);
    game.loseWithScore(1);
    ASSERT_TRUE(script.dialogs.contains(kViewerCaption));
    const ConfigRecord saved = game.readConfig();
    EXPECT_EQ(saved.ButtonEnabled[0], 0) << "the record's write keeps the dialog's settings";
    EXPECT_EQ(saved.Top10Scores[saved.recordIndex(1)], 1);
    EXPECT_EQ(saved, game.principal->rules().settings());
}

}  // namespace
