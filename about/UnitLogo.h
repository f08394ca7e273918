#pragma once
// The splash window: a borderless picture shown at start-up with a short jingle,
// closed by its own timer 2500 ms after the window was made. Clicks and keys do not
// close it.
#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>

#include "AppDirUser.h"
#include "UWave.h"

class WaveOutput;

class TFormLogo : public QDialog, public AppDirUser {
    Q_OBJECT
public:
    static constexpr int kWidth = 184;
    static constexpr int kHeight = 86;
    static constexpr int kTimerInterval = 2500;
    static constexpr int kExposeWaitMs = 500;

    explicit TFormLogo(WaveOutput& wave, QWidget* parent = nullptr);

    void setAppDir(const QString& appDir) override { appDir_ = appDir; }
    // Shows the splash and returns once it is on the screen and painted (or after a
    // short wait), so the first thing a player sees never waits for the other windows.
    void showAtOnce();

    // The splash picture, painted by the window itself: a child widget or a label
    // would cost the first window several milliseconds.
    const QImage& Image1() const { return picture_; }
    QTimer& Timer() { return timer_; }
    TWave& Wave() { return wave_; }
    bool timeUp() const { return timeUp_; }

    void FormShow();
    void TimerTimer();

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage picture_;
    QTimer timer_;
    TWave wave_;
    QString appDir_;
    bool timeUp_ = false;
};
