// The main window on the offscreen platform: the idle board after start-up, the
// command rules of the control panel and the menu keys, keypad input and dragging.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "ConfigFile.h"
#include "GameWindows.h"
#include "ModalBoxCloser.h"
#include "RecordTable.h"
#include "SkinImage.h"
#include "UnitAbout.h"
#include "UnitGeneral.h"
#include "UnitLogo.h"
#include "UnitMusic.h"
#include "UnitPrincipal.h"
#include "UnitSkin.h"
#include "UnitSounds.h"
#include "UnitTop10.h"

namespace {

class PrincipalWindowTest : public ::testing::Test {
protected:
    ConfigRecord readRecord() const {
        ConfigRecord rec;
        ReadConfig(appDir, rec);
        return rec;
    }

    void writeRecord(const ConfigRecord& rec) const { WriteConfig(appDir, rec); }

    // Creates the eight windows in their order and runs the start-up checks.
    bool start() { return game.start(); }

    QAction* action(const char* name) const {
        return principal->findChild<QAction*>(QString::fromLatin1(name));
    }

    void key(int key, Qt::KeyboardModifiers modifiers, bool press = true, bool repeat = false) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, QString(),
                        repeat);
        QApplication::sendEvent(principal.get(), &event);
    }

    // A key as Wayland reports it: no keypad modifier, only the keysym tells the keypad.
    void nativeKey(int key, quint32 keysym, quint32 scanCode, bool press = true) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier,
                        scanCode, keysym, 0);
        QApplication::sendEvent(principal.get(), &event);
    }

    QTemporaryDir temp;
    GameWindows game{temp.path() + QStringLiteral("/app")};
    const QString& appDir = game.appDir();
    RecordingWave& wave = game.wave;
    std::unique_ptr<TFormPrincipal>& principal = game.principal;
    ModalBoxCloser closer;
};

TEST_F(PrincipalWindowTest, IdleBoardShowsEnabledButtonsAndIdleCommands) {
    ConfigRecord rec = readRecord();
    rec.ButtonEnabled[4] = 0;  // button 5 off
    writeRecord(rec);
    ASSERT_TRUE(start());
    EXPECT_TRUE(closer.texts().isEmpty());
    EXPECT_EQ(principal->size(), QSize(456, 352));
    EXPECT_EQ(principal->windowTitle(), QStringLiteral("Zelto 2000"));
    EXPECT_TRUE(principal->buttonImage(5)->isHidden());
    EXPECT_FALSE(principal->buttonImage(4)->isHidden());
    EXPECT_EQ(principal->buttonImage(1)->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(principal->controlImage(1)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(principal->controlImage(2)->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(principal->controlImage(1)->toolTip(), QStringLiteral("Begin a new game"));
    EXPECT_TRUE(action("Play")->isEnabled());
    EXPECT_FALSE(action("Quit")->isEnabled());
    for (int line = 1; line <= 5; ++line) EXPECT_TRUE(principal->infoLabel(line)->text().isEmpty());
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(principal->markImage(n)->isHidden());
}

// What a screen reader says: every board button, control and title icon has a name and
// a description, and the info lines are read by their current text.
TEST_F(PrincipalWindowTest, ScreenReadersFindNamesAndTheInfoLinesText) {
    ASSERT_TRUE(start());
    auto text = [](QWidget* w, QAccessible::Text kind) {
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
        return ai ? ai->text(kind) : QString();
    };
    std::vector<QWidget*> parts;
    for (int n = 1; n <= 9; ++n) parts.push_back(principal->buttonImage(n));
    for (int n = 1; n <= 8; ++n) parts.push_back(principal->controlImage(n));
    for (int n = 1; n <= 3; ++n)
        parts.push_back(principal->findChild<QWidget*>(QStringLiteral("Icon%1Image").arg(n)));
    for (QWidget* part : parts) {
        ASSERT_NE(part, nullptr);
        EXPECT_FALSE(text(part, QAccessible::Name).isEmpty()) << part->objectName().toStdString();
        EXPECT_FALSE(text(part, QAccessible::Description).isEmpty())
            << part->objectName().toStdString();
    }
    EXPECT_EQ(text(principal->buttonImage(7), QAccessible::Name), QStringLiteral("Button 7"));
    EXPECT_EQ(text(principal->controlImage(1), QAccessible::Name),
              QStringLiteral("Begin a new game"));

    action("Play")->trigger();
    for (int line = 2; line <= 5; ++line) {
        QLabel* label = principal->infoLabel(line);
        EXPECT_FALSE(label->text().isEmpty()) << line;
        EXPECT_EQ(text(label, QAccessible::Name), label->text()) << line;
        EXPECT_FALSE(text(label, QAccessible::Description).isEmpty()) << line;
    }
}

// A screen reader presses the pictures as a left click does, and finds which of them
// respond in each state of a game and which board button the computer lights. (Qt hands
// out the change events only to a live bridge: the end-to-end test hears those.)
TEST_F(PrincipalWindowTest, ScreenReadersPressAndFindWhatRespondsAndWhatIsLit) {
    game.writeQuickRules();
    ASSERT_TRUE(start());
    auto ai = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w); };
    auto responds = [&](QWidget* w) { return !ai(w)->state().disabled; };
    auto press = [&](QWidget* w) {
        ai(w)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    };
    QWidget* icon1 = principal->findChild<QWidget*>(QStringLiteral("Icon1Image"));
    for (QWidget* part : std::initializer_list<QWidget*>{principal->buttonImage(5),
                                                         principal->controlImage(8), icon1}) {
        EXPECT_EQ(ai(part)->role(), QAccessible::Button) << part->objectName().toStdString();
        ASSERT_NE(ai(part)->actionInterface(), nullptr);
        EXPECT_TRUE(ai(part)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    EXPECT_NE(ai(principal->findChild<QWidget*>(QStringLiteral("Background")))->role(),
              QAccessible::Button);
    EXPECT_NE(ai(principal->markImage(1))->role(), QAccessible::Button);

    EXPECT_TRUE(responds(principal->controlImage(1)) && responds(icon1));
    EXPECT_FALSE(responds(principal->controlImage(2)) || responds(principal->buttonImage(1)));
    wave.files.clear();
    press(principal->controlImage(1));
    ASSERT_TRUE(principal->rules().Playing()) << "the press started a game";
    EXPECT_EQ(wave.files.size(), 1) << "with the click of a mouse press";
    EXPECT_FALSE(responds(principal->controlImage(1)) || responds(principal->controlImage(3)));
    EXPECT_TRUE(responds(principal->controlImage(2)) && responds(principal->controlImage(7)));
    EXPECT_FALSE(responds(principal->buttonImage(1))) << "not in the computer's turn";

    const int due = principal->rules().sequenceAt(1);
    QWidget* dueButton = principal->buttonImage(due);
    while (!principal->rules().ShowLit()) principal->ShowTimerTimer();
    EXPECT_TRUE(ai(dueButton)->state().pressed);
    principal->ShowTimerTimer();
    EXPECT_FALSE(ai(dueButton)->state().pressed);
    ASSERT_TRUE(principal->rules().PlayerTurn());
    EXPECT_TRUE(responds(dueButton));

    press(dueButton);
    EXPECT_EQ(principal->rules().Score(), 1);
    EXPECT_FALSE(responds(dueButton)) << "the computer's turn again";

    // A modal dialog keeps a press from the window, as it keeps the mouse: no quit question.
    closer.onDialog = [&](QDialog*) { press(principal->controlImage(2)); };
    principal->StatisticClick();
    EXPECT_EQ(closer.dialogs.size(), 1);
    EXPECT_TRUE(closer.boxes.isEmpty());
    EXPECT_TRUE(principal->rules().Playing());
}

// Whatever font the desktop has, no dialog cuts off a caption, a label or the records'
// description: a wide font is set a little smaller instead.
TEST_F(PrincipalWindowTest, EveryDialogTextFitsItsPlace) {
    ASSERT_TRUE(start());
    const std::vector<FixedDialog*> dialogs = {
        game.general.get(), game.skin.get(), game.sounds.get(), game.music.get(), game.top10.get()};
    for (FixedDialog* dialog : dialogs) {
        dialog->show();
        for (QWidget* part : dialog->findChildren<QWidget*>())
            EXPECT_TRUE(FixedDialog::textFits(part))
                << dialog->windowTitle().toStdString() << ": " << part->objectName().toStdString();
        dialog->hide();
    }
}

TEST_F(PrincipalWindowTest, ControlsRespondOnlyInTheirGameState) {
    ASSERT_TRUE(start());
    wave.files.clear();
    // Abort while idle: no pressed picture, no click, nothing happens.
    const QImage before = principal->controlImage(2)->picture();
    principal->ControlDown(2);
    EXPECT_EQ(principal->controlImage(2)->picture(), before);
    EXPECT_TRUE(wave.files.isEmpty());
    principal->ControlUp(2);
    EXPECT_FALSE(principal->rules().Playing());

    principal->ControlDown(1);
    EXPECT_EQ(wave.files.size(), 1);  // the click
    principal->ControlUp(1);
    ASSERT_TRUE(principal->rules().Playing());
    EXPECT_FALSE(action("Play")->isEnabled());
    EXPECT_TRUE(action("Quit")->isEnabled());
    EXPECT_FALSE(action("General")->isEnabled());
    EXPECT_EQ(principal->infoLabel(1)->text(), QStringLiteral("PC turn"));
    EXPECT_EQ(principal->controlImage(3)->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(principal->buttonImage(1)->cursor().shape(), Qt::PointingHandCursor);

    // Options during a game: no picture, no click, no dialog.
    wave.files.clear();
    const QImage options = principal->controlImage(3)->picture();
    principal->ControlDown(3);
    principal->ControlUp(3);
    EXPECT_EQ(principal->controlImage(3)->picture(), options);
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_TRUE(closer.boxes.isEmpty() && closer.dialogs.isEmpty());
    EXPECT_TRUE(principal->showTimer().isActive());
}

// Only No keeps the game: Yes, and a box closed by its frame, end it.
TEST_F(PrincipalWindowTest, QuitQuestionNoKeepsTheGameYesOrTheCloseButtonEndsIt) {
    ASSERT_TRUE(start());
    for (const auto ending : {QMessageBox::Yes, QMessageBox::NoButton}) {
        principal->PlayClick();
        ASSERT_TRUE(principal->showTimer().isActive());
        closer.answer = QMessageBox::No;
        principal->QuitClick();
        EXPECT_EQ(closer.texts().last(), QStringLiteral("Finish current game?"));
        EXPECT_TRUE(principal->rules().Playing());
        EXPECT_TRUE(principal->showTimer().isActive());

        closer.answer = ending;
        principal->QuitClick();
        EXPECT_FALSE(principal->rules().Playing()) << ending;
        EXPECT_FALSE(principal->showTimer().isActive());
        EXPECT_TRUE(principal->infoLabel(1)->text().isEmpty());
        EXPECT_TRUE(action("Play")->isEnabled());
    }
}

// Only keypad digits press; a held key's repeats press again only while its button shows
// its up picture, so a key held from the computer's turn presses once its turn comes.
TEST_F(PrincipalWindowTest, OnlyTheKeypadDigitsPressAndAHeldKeyPressesOnceTheTurnComes) {
    ConfigRecord rec = readRecord();
    rec.PlayMusic = 0;
    rec.Delay = 100;
    writeRecord(rec);
    ASSERT_TRUE(start());
    principal->PlayClick();
    const int due = principal->rules().sequenceAt(1);
    key(Qt::Key_0 + due, Qt::KeypadModifier);  // held down during the computer's turn
    for (int tick = 0; tick < 5; ++tick) principal->ShowTimerTimer();
    ASSERT_TRUE(principal->rules().PlayerTurn());
    EXPECT_EQ(principal->rules().PlayerPos(), 0);

    key(Qt::Key_0 + due, Qt::NoModifier);  // the main keyboard's digit
    EXPECT_EQ(principal->rules().PlayerPos(), 0);

    key(Qt::Key_0 + due, Qt::KeypadModifier, false, true);  // repeat: release + press
    key(Qt::Key_0 + due, Qt::KeypadModifier, true, true);
    EXPECT_EQ(principal->rules().SeqLength(), 2) << "the first repeat in the turn pressed";
    key(Qt::Key_0 + due, Qt::KeypadModifier, true, true);
    key(Qt::Key_0 + due, Qt::KeypadModifier, true, true);
    EXPECT_EQ(principal->rules().SeqLength(), 2) << "repeats of a button shown down add nothing";
    key(Qt::Key_0 + due, Qt::KeypadModifier, false);
    EXPECT_EQ(principal->infoLabel(1)->text(), QStringLiteral("PC turn"));
    EXPECT_EQ(principal->infoLabel(2)->text(), QStringLiteral("Score: 1"));
}

// Keypad digits without the keypad modifier are known by their keysyms (KP_1..KP_9);
// the main keyboard's digits and the keypad with Num Lock off still press nothing, and
// a release belongs to the key's button even if Num Lock changed in between.
TEST_F(PrincipalWindowTest, KeypadDigitsWithoutTheModifierAreKnownByTheirKeysyms) {
    game.writeQuickRules();
    ASSERT_TRUE(start());
    game.startGame();
    const int due = principal->rules().sequenceAt(1);
    const quint32 scanCode = 80 + due;
    nativeKey(Qt::Key_0 + due, 0x30 + due, 10 + due);  // the main keyboard's digit
    nativeKey(Qt::Key_End, 0xff9c, scanCode);          // KP_End: Num Lock off
    nativeKey(Qt::Key_End, 0xff9c, scanCode, false);
    EXPECT_EQ(principal->rules().PlayerPos(), 0);

    nativeKey(Qt::Key_0 + due, 0xffb0 + due, scanCode);
    EXPECT_EQ(principal->rules().SeqLength(), 2);
    nativeKey(Qt::Key_End, 0xff9c, scanCode, false);
    EXPECT_EQ(principal->infoLabel(1)->text(), QStringLiteral("PC turn"));
}

// A record entered after the range warning writes only its own table into Config.dat:
// the damaged settings stay as they were on disk, as the warning said.
TEST_F(PrincipalWindowTest, ARecordAfterTheRangeWarningLeavesTheDamagedSettingsAsTheyWere) {
    game.writeQuickRules();
    ConfigRecord damaged = readRecord();
    damaged.PlaySounds = 7;
    damaged.Delay = 5000;
    writeRecord(damaged);
    ASSERT_TRUE(start());
    ASSERT_FALSE(closer.texts().isEmpty()) << "the range warning";
    game.loseWithScore(2);

    ConfigRecord written = readRecord();
    ASSERT_EQ(written.Top10Scores[written.recordIndex(1)], 2) << "the record was entered";
    EXPECT_EQ(written.PlaySounds, 7);
    EXPECT_EQ(written.Delay, 5000);
    for (int rank = 1; rank <= 10; ++rank) {
        const int i = written.recordIndex(rank);
        written.Top10Scores[i] = damaged.Top10Scores[i];
        written.Top10Names[i] = damaged.Top10Names[i];
    }
    EXPECT_TRUE(written == damaged) << "nothing but the table changed";
}

// The info lines are black plain text until a skin styles them, also in the plain look,
// whatever colours the desktop's theme gives text.
TEST_F(PrincipalWindowTest, InfoLinesAreBlackUntilASkinStylesThem) {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Default Skin/Labels.txt")));
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Default Skin/Button3Down.bmp")));
    const bool started = start();
    QApplication::setPalette(desktop);
    ASSERT_TRUE(started);
    for (int line = 1; line <= 5; ++line) {
        const QLabel* label = principal->infoLabel(line);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black)) << line;
        EXPECT_FALSE(label->font().bold() || label->font().italic()) << line;
    }
}

TEST_F(PrincipalWindowTest, DraggingTheBackgroundMovesTheWindowWithThePointer) {
    ASSERT_TRUE(start());
    principal->move(100, 100);
    QWidget* background = principal->findChild<QWidget*>(QStringLiteral("Background"));
    ASSERT_NE(background, nullptr);
    auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(local), QPointF(background->mapToGlobal(local)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(background, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(250, 20), Qt::RightButton);
    send(QEvent::MouseMove, QPoint(260, 15), Qt::RightButton);
    EXPECT_EQ(principal->pos(), QPoint(110, 95));
    send(QEvent::MouseButtonRelease, QPoint(250, 20), Qt::RightButton);
    send(QEvent::MouseMove, QPoint(270, 30), Qt::NoButton);
    EXPECT_EQ(principal->pos(), QPoint(110, 95)) << "no drag without a press";
}

TEST_F(PrincipalWindowTest, BrokenDefaultSkinFallsBackToAPlainLookOnce) {
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Default Skin/Button3Down.bmp")));
    ConfigRecord rec = readRecord();
    rec.SkinName.setText(QStringLiteral("Midnight"));
    writeRecord(rec);
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Midnight/Labels.txt")));
    ASSERT_TRUE(start());
    ASSERT_EQ(closer.texts().size(), 2);
    EXPECT_EQ(closer.texts()[0],
              QStringLiteral("Some file(s) of the skin are missing or corrupted. "
                             "It will be replaced for the default skin."));
    EXPECT_FALSE(principal->buttonImage(3)->picture().isNull());
    // Only memory changed: the file keeps the skin the player chose.
    EXPECT_EQ(readRecord().SkinName.text(), QStringLiteral("Midnight"));
}

// A record writes the main window's whole copy, the skin it fell back to included, so
// the broken skin's message does not come back at every start.
TEST_F(PrincipalWindowTest, ARecordStoresTheSkinTheGameFellBackTo) {
    game.writeQuickRules();
    ConfigRecord rec = readRecord();
    rec.SkinName.setText(QStringLiteral("Midnight"));
    writeRecord(rec);
    ASSERT_TRUE(QFile::remove(appDir + QStringLiteral("/Skins/Midnight/Labels.txt")));
    ASSERT_TRUE(start());
    ASSERT_EQ(closer.texts().size(), 1) << "the broken skin's message";
    game.loseWithScore(2);

    ConfigRecord expected = rec;
    expected.SkinName.setText(QStringLiteral("Default Skin"));
    RecordTable::insert(expected, RecordTable::findRank(expected, 2), 2,
                        QStringLiteral("Anonymous"));
    EXPECT_TRUE(readRecord() == expected);
}

}  // namespace
