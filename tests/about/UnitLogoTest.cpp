// The splash window: its look, its sound and the timer that alone closes it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "MouseSender.h"
#include "RecordingWave.h"
#include "UnitLogo.h"

namespace {
// Ends a modal loop that would otherwise never end, so a fault fails instead of hanging.
constexpr int kGuardMs = 20000;
constexpr int kGuardResult = 99;

void guard(QDialog& dialog) {
    QTimer::singleShot(kGuardMs, &dialog, [&dialog] {
        if (dialog.isVisible()) dialog.done(kGuardResult);
    });
}
}  // namespace

TEST(FormLogoLook, TitleSizeAndNoBorder) {
    RecordingWave wave;
    TFormLogo logo(wave);
    EXPECT_EQ(logo.windowTitle(), "Logo");
    EXPECT_EQ(logo.size(), QSize(184, 86));
    EXPECT_TRUE(logo.windowFlags() & Qt::FramelessWindowHint);
}

TEST(FormLogoLook, EmbeddedPictureAndJingleAreLoaded) {
    RecordingWave wave;
    TFormLogo logo(wave);
    const QImage picture = logo.Image1();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(184, 86));
    EXPECT_TRUE(logo.Wave().WaveData().bytes().startsWith("RIFF"));
}

TEST(FormLogoTimer, RunsFromCreationForTwoAndAHalfSeconds) {
    RecordingWave wave;
    TFormLogo logo(wave);
    EXPECT_TRUE(logo.Timer().isActive());
    EXPECT_EQ(logo.Timer().interval(), 2500);
    EXPECT_TRUE(logo.Timer().isSingleShot());
    EXPECT_FALSE(logo.isVisible());
}

TEST(FormLogoShow, CentresAndPlaysTheJingleOnce) {
    RecordingWave wave;
    TFormLogo logo(wave);
    logo.show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(logo.pos(), QPoint((screen.width() - 184) / 2, (screen.height() - 86) / 2));
    ASSERT_EQ(wave.images.size(), 1);
    EXPECT_EQ(wave.images.first(), logo.Wave().WaveData().bytes());
    logo.TimerTimer();
    EXPECT_FALSE(logo.isVisible());
}

TEST(FormLogoShow, OnPlayOfTheWaveRunsBeforeTheJingle) {
    RecordingWave wave;
    TFormLogo logo(wave);
    logo.Wave().OnPlay = [&wave](TWave*) { wave.log << "onplay"; };
    logo.show();
    EXPECT_EQ(wave.log, QStringList({"onplay", "memory"}));
    logo.TimerTimer();
}

TEST(FormLogoClose, ClicksAndKeysDoNotCloseOnlyTheTimerDoes) {
    RecordingWave wave;
    TFormLogo logo(wave);
    bool visibleAfterInput = false;
    QTimer::singleShot(0, &logo, [&] {
        MouseSender::click(&logo, QPoint(20, 20));
        MouseSender::click(&logo, QPoint(5, 5));
        MouseSender::key(&logo, Qt::Key_Escape);
        MouseSender::key(&logo, Qt::Key_Return);
        MouseSender::key(&logo, Qt::Key_Space);
        logo.reject();
        visibleAfterInput = logo.isVisible();
        logo.TimerTimer();
    });
    guard(logo);
    EXPECT_EQ(logo.exec(), QDialog::Accepted);
    EXPECT_TRUE(visibleAfterInput);
}

TEST(FormLogoClose, RealTimerEndsTheModalLoop) {
    RecordingWave wave;
    TFormLogo logo(wave);
    logo.Timer().start(20);  // the same timer, made short for the test
    guard(logo);
    EXPECT_EQ(logo.exec(), QDialog::Accepted);
    EXPECT_TRUE(logo.timeUp());
}

TEST(FormLogoClose, ShownAfterItsTimeWasUpClosesAtOnce) {
    RecordingWave wave;
    TFormLogo logo(wave);
    logo.Timer().stop();
    logo.TimerTimer();  // fired while the program was still starting
    EXPECT_FALSE(logo.isVisible());
    guard(logo);
    EXPECT_EQ(logo.exec(), QDialog::Accepted);
    EXPECT_EQ(wave.images.size(), 1);  // the jingle still started
}
