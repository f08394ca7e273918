// The four settings dialogs against a failing Config.dat: a failed read offers no Ok,
// a failed Ok keeps the dialog open with the player's choice, and the file is never
// created, shortened or half-changed.
#include <gtest/gtest.h>

#include <functional>

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "GameWindows.h"
#include "ModalBoxCloser.h"
#include "ScopedFileOps.h"
#include "UnitGeneral.h"
#include "UnitMusic.h"
#include "UnitSkin.h"
#include "UnitSounds.h"

namespace {

// One settings dialog: how to reach it, make a choice in it and press Ok.
struct DialogCase {
    const char* name;
    std::function<QDialog*(GameWindows&)> dialog;
    std::function<void(GameWindows&)> choose;
    std::function<void(GameWindows&)> ok;
};

// Selects the row showing `text`; a list left empty by a failed read has none.
void selectRow(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (!items.isEmpty()) items.first()->setSelected(true);
}

const DialogCase kDialogs[] = {
    {"General", [](GameWindows& g) -> QDialog* { return g.general.get(); },
     [](GameWindows& g) { g.general->buttonCheckBox(5)->setChecked(false); },
     [](GameWindows& g) { g.general->ButtonOkClick(); }},
    {"Skin", [](GameWindows& g) -> QDialog* { return g.skin.get(); },
     [](GameWindows& g) {
         selectRow(g.skin->findChild<QListWidget*>(QStringLiteral("ListBox")),
                   QStringLiteral("Midnight"));
         g.skin->ListBoxClick();
     },
     [](GameWindows& g) { g.skin->ButtonOkClick(); }},
    {"Sounds", [](GameWindows& g) -> QDialog* { return g.sounds.get(); },
     [](GameWindows& g) { selectRow(g.sounds->listBox(), QStringLiteral("Chimes")); },
     [](GameWindows& g) { g.sounds->ButtonOkClick(); }},
    {"Music", [](GameWindows& g) -> QDialog* { return g.music.get(); },
     [](GameWindows& g) { selectRow(g.music->fileListBox(), QStringLiteral("Night Walk.mid")); },
     [](GameWindows& g) { g.music->ButtonOkClick(); }},
};

class DialogFaults : public ::testing::TestWithParam<DialogCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(game.start());
        script.clear();
        before = game.configBytes();
    }
    void TearDown() override { dialog()->hide(); }

    QDialog* dialog() { return GetParam().dialog(game); }
    void show() { dialog()->show(); }
    void choose() { GetParam().choose(game); }
    void ok() { GetParam().ok(game); }
    bool okEnabled() {
        return dialog()->findChild<QPushButton*>(QStringLiteral("ButtonOk"))->isEnabled();
    }

    ModalBoxCloser script;
    QTemporaryDir temp;
    GameWindows game{temp.path() + QStringLiteral("/app")};
    QByteArray before;
};

TEST_P(DialogFaults, RemovedBeforeOkIsFileNotFoundAndNothingIsCreated) {
    show();
    choose();
    ASSERT_TRUE(okEnabled());
    ASSERT_TRUE(QFile::remove(game.configFile()));
    ok();
    EXPECT_EQ(script.texts().value(0), QStringLiteral("File not found"));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(QFile::exists(game.configFile()));
}

TEST_P(DialogFaults, ShortFileAtShowOffersNoOkAndIsNeverWritten) {
    QFile file(game.configFile());
    ASSERT_TRUE(file.resize(1000));
    show();
    EXPECT_EQ(script.texts(), QStringList{QStringLiteral("Read beyond end of file")});
    choose();
    EXPECT_FALSE(okEnabled());
    ok();
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(game.configBytes(), before.left(1000));
}

TEST_P(DialogFaults, DiskFullAtOkKeepsTheFileWholeAndASecondOkSaves) {
    show();
    choose();
    ASSERT_TRUE(okEnabled());
    ShortWrites::writes = 0;
    {
        ScopedFileOps full({::pread, ShortWrites::fullAfter1000, ::fsync});
        ok();
    }
    EXPECT_EQ(script.texts().value(0), QStringLiteral("Disk full"));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(game.configBytes().size(), before.size());
    EXPECT_EQ(game.configBytes().mid(1000), before.mid(1000));

    // With room again, the same choice is saved and the dialog closes.
    ok();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(dialog()->result(), QDialog::Accepted);
    EXPECT_NE(game.configBytes(), before);
    EXPECT_EQ(game.configBytes().size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(EverySettingsDialog, DialogFaults, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<DialogCase>& dialog) {
                             return std::string(dialog.param.name);
                         });

}  // namespace
