// The game configuration dialog: filling the controls from Config.dat, storing them on
// Ok, the two-button rule, the click sounds and the failures of the file.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ConfigFileOps.h"
#include "ConfigTestDir.h"
#include "ModalBoxCloser.h"
#include "RecordingWave.h"
#include "UnitGeneral.h"

namespace {

class GeneralTest : public ::testing::Test {
protected:
    GeneralTest() : form(wave) { form.setAppDir(dir.path()); }

    void showWith(const ConfigRecord& rec) {
        dir.write(rec);
        form.hide();
        form.show();
    }

    template <typename W = QWidget>
    W* child(const QString& name) const {
        W* w = form.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    QCheckBox* box(const char* name) const { return child<QCheckBox>(QLatin1String(name)); }
    QScrollBar* bar(const char* name) const { return child<QScrollBar>(QLatin1String(name)); }
    QString labelText(const char* name) const { return child<QLabel>(QLatin1String(name))->text(); }

    void tickOnly(std::initializer_list<int> buttons) {
        for (int n = 1; n <= 9; ++n) form.buttonCheckBox(n)->setChecked(false);
        for (int n : buttons) form.buttonCheckBox(n)->setChecked(true);
    }

    QString clickPath() const {
        return dir.path() + QStringLiteral("/Sounds/Default Sounds/Click.wav");
    }

    ConfigTestDir dir;
    RecordingWave wave;
    TFormGeneral form;
};

// The next widget the Tab key reaches; labels and frames are in the chain but take no focus.
QWidget* nextTabStop(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    return w;
}

ssize_t pwriteNoSpace(int, const void*, size_t, off_t) {
    errno = ENOSPC;
    return -1;
}

}  // namespace

TEST_F(GeneralTest, WindowHasItsSizeAndCaption) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Game Configuration"));
    EXPECT_EQ(form.size(), QSize(254, 203));
}

TEST_F(GeneralTest, CheckBoxesAreLaidOutLikeTheBoard) {
    const int lefts[] = {33, 49, 65};
    for (int n = 1; n <= 9; ++n) {
        QCheckBox* cb = child<QCheckBox>(QStringLiteral("CheckBox%1").arg(n));
        ASSERT_EQ(cb, form.buttonCheckBox(n));
        const int top = n >= 7 ? 47 : n >= 4 ? 63 : 79;
        EXPECT_EQ(cb->geometry(), QRect(lefts[(n - 1) % 3], top, 17, 17)) << n;
        EXPECT_TRUE(cb->text().isEmpty());
    }
}

TEST_F(GeneralTest, ControlsCarryTheirTextsAndPlaces) {
    EXPECT_EQ(labelText("Label1"), QStringLiteral("Buttons enabled"));
    EXPECT_EQ(labelText("Label2"), QStringLiteral("Mistakes allowed :"));
    EXPECT_EQ(labelText("Label3"), QStringLiteral("Interval time :"));
    EXPECT_EQ(box("AltSeqModeCheckBox")->text(), QStringLiteral("Alt. seq. mode"));
    EXPECT_EQ(box("TimeCheckBox")->text(), QStringLiteral("Player time enabled"));
    EXPECT_EQ(box("SoundsCheckBox")->text(), QStringLiteral("Play sounds"));
    EXPECT_EQ(box("MusicCheckBox")->text(), QStringLiteral("Play ingame music"));
    EXPECT_EQ(box("MusicCheckBox")->geometry(), QRect(124, 137, 113, 17));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("ButtonOk"))->text(), QStringLiteral("Ok"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("ButtonOk"))->geometry(), QRect(95, 171, 72, 25));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("ButtonCancel"))->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(child(QStringLiteral("ButtonCancel"))->geometry(), QRect(175, 171, 72, 25));
    EXPECT_EQ(bar("ScrollBar")->geometry(), QRect(118, 39, 119, 14));
    EXPECT_EQ(bar("DelayScrollBar")->geometry(), QRect(118, 86, 119, 14));
    EXPECT_EQ(child(QStringLiteral("Bevel4"))->geometry(), QRect(26, 42, 59, 59));
    EXPECT_EQ(child(QStringLiteral("MistakesLabel"))->geometry(), QRect(224, 20, 13, 15));
    EXPECT_EQ(child(QStringLiteral("DelayLabel"))->geometry(), QRect(199, 67, 38, 14));
}

TEST_F(GeneralTest, ScrollBarsHaveTheirRangesAndSteps) {
    QScrollBar* mistakes = bar("ScrollBar");
    EXPECT_EQ(mistakes->minimum(), 0);
    EXPECT_EQ(mistakes->maximum(), 9);
    EXPECT_EQ(mistakes->singleStep(), 1);
    EXPECT_EQ(mistakes->pageStep(), 5);
    QScrollBar* delay = bar("DelayScrollBar");
    EXPECT_EQ(delay->minimum(), 100);
    EXPECT_EQ(delay->maximum(), 1000);
    EXPECT_EQ(delay->singleStep(), 100);
    EXPECT_EQ(delay->pageStep(), 500);
    EXPECT_EQ(delay->value(), 100);
}

TEST_F(GeneralTest, TabOrderFollowsTheTable) {
    const QStringList order = {
        "CheckBox1",          "CheckBox2",     "CheckBox3",    "CheckBox4",      "CheckBox5",
        "CheckBox6",          "CheckBox7",     "CheckBox8",    "CheckBox9",      "TimeCheckBox",
        "ScrollBar",          "ButtonOk",      "ButtonCancel", "SoundsCheckBox", "MusicCheckBox",
        "AltSeqModeCheckBox", "DelayScrollBar"};
    for (qsizetype i = 1; i < order.size(); ++i)
        EXPECT_EQ(nextTabStop(child(order[i - 1])), child(order[i])) << order[i - 1].toStdString();
}

// A screen reader names every input by what the dialog shows with it, the first one
// the focus lands on included; nothing on screen changes.
TEST_F(GeneralTest, EveryInputIsNamedByItsLabel) {
    auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    QWidget* first = nextTabStop(&form);
    QWidget* w = first;
    do {
        EXPECT_FALSE(name(w).isEmpty()) << w->objectName().toStdString();
        w = nextTabStop(w);
    } while (w != first);
    EXPECT_EQ(first, form.buttonCheckBox(1));
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(name(form.buttonCheckBox(n)), QStringLiteral("Button %1").arg(n));
        EXPECT_TRUE(form.buttonCheckBox(n)->text().isEmpty());
    }
    EXPECT_EQ(name(bar("ScrollBar")), QStringLiteral("Mistakes allowed"));
    EXPECT_EQ(name(bar("DelayScrollBar")), QStringLiteral("Interval time"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label2"))->buddy(), bar("ScrollBar"));
}

TEST_F(GeneralTest, ShowingFillsEveryControlFromTheFile) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.ButtonEnabled = {1, 0, 1, 0, 1, 0, 1, 0, 0};
    rec.PlayerTime = 1;
    rec.MistakesAllowed = 7;
    rec.AltSeqMode = 1;
    rec.Delay = 350;
    rec.PlaySounds = 0;
    rec.PlayMusic = 1;
    showWith(rec);
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(form.buttonCheckBox(n)->isChecked(), rec.ButtonEnabled[n - 1] == 1) << n;
    EXPECT_TRUE(box("TimeCheckBox")->isChecked());
    EXPECT_TRUE(box("AltSeqModeCheckBox")->isChecked());
    EXPECT_FALSE(box("SoundsCheckBox")->isChecked());
    EXPECT_TRUE(box("MusicCheckBox")->isChecked());
    EXPECT_EQ(bar("ScrollBar")->value(), 7);
    EXPECT_EQ(labelText("MistakesLabel"), QStringLiteral("7"));
    EXPECT_EQ(bar("DelayScrollBar")->value(), 350);
    EXPECT_EQ(labelText("DelayLabel"), QStringLiteral("350"));
}

TEST_F(GeneralTest, LabelsFollowEveryScrollBarChange) {
    showWith(ConfigTestDir::sample());
    bar("ScrollBar")->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(labelText("MistakesLabel"), QStringLiteral("9"));
    bar("DelayScrollBar")->setValue(100);
    bar("DelayScrollBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(labelText("DelayLabel"), QStringLiteral("200"));
    bar("DelayScrollBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(labelText("DelayLabel"), QStringLiteral("700"));
    bar("DelayScrollBar")->setValue(433);
    EXPECT_EQ(labelText("DelayLabel"), QStringLiteral("433"));
}

TEST_F(GeneralTest, OutOfRangeValuesTakeTheNearestEndAndOkStoresThat) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.Delay = 50;
    rec.MistakesAllowed = 40;
    showWith(rec);
    EXPECT_EQ(labelText("DelayLabel"), QStringLiteral("100"));
    EXPECT_EQ(labelText("MistakesLabel"), QStringLiteral("9"));
    form.ButtonOkClick();
    EXPECT_EQ(dir.read().Delay, 100);
    EXPECT_EQ(dir.read().MistakesAllowed, 9);

    rec.Delay = 5000;
    showWith(rec);
    EXPECT_EQ(labelText("DelayLabel"), QStringLiteral("1000"));
    form.ButtonOkClick();
    EXPECT_EQ(dir.read().Delay, 1000);
}

TEST_F(GeneralTest, OkStoresEveryControlAndKeepsAllOtherBytes) {
    // Noise in every other byte: tables, names, tails and reserved bytes must survive.
    ConfigRecord rec = ConfigRecord::decode(ConfigTestDir::noise(kConfigRecordSize, 31));
    rec.ButtonEnabled.fill(1);
    rec.Delay = 500;
    rec.MistakesAllowed = 2;
    rec.PlaySounds = 0;
    rec.PlayerTime = rec.AltSeqMode = rec.PlayMusic = 0;
    const QByteArray trailer("after the record");
    dir.write(rec, trailer);
    form.show();

    tickOnly({8, 9});
    box("TimeCheckBox")->setChecked(true);
    box("AltSeqModeCheckBox")->setChecked(true);
    box("MusicCheckBox")->setChecked(true);
    bar("ScrollBar")->setValue(6);
    bar("DelayScrollBar")->setValue(800);
    form.ButtonOkClick();

    ConfigRecord expected = rec;
    expected.ButtonEnabled = {0, 0, 0, 0, 0, 0, 0, 1, 1};
    expected.PlayerTime = 1;
    expected.AltSeqMode = 1;
    expected.PlayMusic = 1;
    expected.MistakesAllowed = 6;
    expected.Delay = 800;
    EXPECT_EQ(dir.bytes(), expected.encode() + trailer);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(GeneralTest, OkWithoutChangesStillRewritesTheWholeRecord) {
    const ConfigRecord rec = ConfigTestDir::sample();
    showWith(rec);
    // Changed behind the dialog's back: Ok writes its own copy over it.
    ConfigRecord meanwhile = rec;
    meanwhile.Top10Scores[0] = 42;
    dir.write(meanwhile);
    form.ButtonOkClick();
    EXPECT_EQ(dir.read(), rec);
}

TEST_F(GeneralTest, OneTickedButtonIsRefusedWithAWarning) {
    const ConfigRecord rec = ConfigTestDir::sample();
    showWith(rec);
    tickOnly({5});
    {
        ModalBoxCloser closer;
        form.ButtonOkClick();
        ASSERT_EQ(closer.boxes.size(), 1);
        EXPECT_EQ(closer.boxes[0].text,
                  QStringLiteral("The number of buttons enabled must be higher than 1."));
        EXPECT_EQ(closer.boxes[0].icon, QMessageBox::Warning);
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.buttonCheckBox(5)->isChecked());
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_EQ(dir.read(), rec);

    tickOnly({5, 6});
    form.ButtonOkClick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dir.read().enabledCount(), 2);
}

TEST_F(GeneralTest, NoTickedButtonIsRefusedToo) {
    showWith(ConfigTestDir::sample());
    tickOnly({});
    ModalBoxCloser closer;
    form.ButtonOkClick();
    EXPECT_EQ(closer.boxes.size(), 1);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(GeneralTest, OkClicksOnlyWhenSoundsAreNowOn) {
    ConfigRecord rec = ConfigTestDir::sample();
    rec.PlaySounds = 0;
    showWith(rec);
    box("SoundsCheckBox")->setChecked(true);
    form.ButtonOkClick();
    EXPECT_EQ(wave.files, QStringList{clickPath()});

    wave.files.clear();
    showWith(ConfigTestDir::sample());
    box("SoundsCheckBox")->setChecked(false);
    form.ButtonOkClick();
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_EQ(dir.read().PlaySounds, 0);
}

TEST_F(GeneralTest, CancelClicksOnlyWhenSoundsWereOnAndStoresNothing) {
    const ConfigRecord rec = ConfigTestDir::sample();
    showWith(rec);
    box("SoundsCheckBox")->setChecked(false);
    bar("ScrollBar")->setValue(0);
    form.ButtonCancelClick();
    EXPECT_EQ(wave.files, QStringList{clickPath()});
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(dir.read(), rec);

    wave.files.clear();
    ConfigRecord silent = rec;
    silent.PlaySounds = 0;
    showWith(silent);
    box("SoundsCheckBox")->setChecked(true);
    form.ButtonCancelClick();
    EXPECT_TRUE(wave.files.isEmpty());
}

TEST_F(GeneralTest, CloseBoxStoresNothingAndIsSilent) {
    const ConfigRecord rec = ConfigTestDir::sample();
    showWith(rec);
    bar("ScrollBar")->setValue(1);
    form.close();
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_EQ(dir.read(), rec);
}

// No default and no cancel button: Enter in a check box and Esc leave the dialog open
// and store nothing; Enter presses Ok only where Ok has the focus.
TEST_F(GeneralTest, EnterAndEscOnlyReachAFocusedButton) {
    const ConfigRecord rec = ConfigTestDir::sample();
    showWith(rec);
    bar("ScrollBar")->setValue(1);
    const auto press = [](QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to, &event);
    };
    press(box("TimeCheckBox"), Qt::Key_Return, Qt::NoModifier);
    press(box("TimeCheckBox"), Qt::Key_Enter, Qt::KeypadModifier);
    press(bar("ScrollBar"), Qt::Key_Escape, Qt::NoModifier);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dir.read(), rec);

    press(child<QPushButton>(QStringLiteral("ButtonOk")), Qt::Key_Return, Qt::NoModifier);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dir.read().MistakesAllowed, 1);
}

TEST_F(GeneralTest, EveryShowingStartsAgainFromTheFile) {
    showWith(ConfigTestDir::sample());
    bar("ScrollBar")->setValue(8);
    form.ButtonCancelClick();
    form.show();
    EXPECT_EQ(bar("ScrollBar")->value(), 3);
}

TEST_F(GeneralTest, FailedWriteShowsTheErrorAndKeepsTheDialogOpen) {
    const ConfigRecord rec = ConfigTestDir::sample();
    showWith(rec);
    bar("ScrollBar")->setValue(1);
    const ConfigFileOps previous = ConfigFileOps::install(
        {ConfigFileOps::system().pread, pwriteNoSpace, ConfigFileOps::system().fsync});
    ModalBoxCloser closer;
    form.ButtonOkClick();
    ConfigFileOps::install(previous);
    EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("Disk full")});
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(wave.files.isEmpty());
    EXPECT_EQ(bar("ScrollBar")->value(), 1);
    EXPECT_EQ(dir.read(), rec);

    // Once the disk has room again, the same choices are stored.
    form.ButtonOkClick();
    EXPECT_EQ(dir.read().MistakesAllowed, 1);
}

TEST_F(GeneralTest, FailedReadDisablesOkSoNothingUnreadIsWritten) {
    QFile::remove(dir.configFile());
    {
        ModalBoxCloser closer;
        form.show();
        ASSERT_EQ(closer.boxes.size(), 1);
        EXPECT_EQ(closer.boxes[0].text, QStringLiteral("File not found"));
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(child(QStringLiteral("ButtonOk"))->isEnabled());
    form.ButtonOkClick();
    EXPECT_FALSE(QFile::exists(dir.configFile()));

    // A later showing that reads the file makes Ok usable again.
    showWith(ConfigTestDir::sample());
    EXPECT_TRUE(child(QStringLiteral("ButtonOk"))->isEnabled());
}
