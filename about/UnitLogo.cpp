#include "UnitLogo.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

#include "CentreOnScreen.h"
#include "EmbeddedData.h"

namespace {
// Ends a wait once the window has been exposed; the expose itself still paints it.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow* window, QEventLoop& loop) : window_(window), loop_(loop) {
        window_->installEventFilter(this);
    }
    ~ExposeWatcher() override { window_->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose) loop_.quit();
        return false;
    }

private:
    QWindow* window_;
    QEventLoop& loop_;
};
}  // namespace

TFormLogo::TFormLogo(WaveOutput& wave, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), wave_(&wave) {
    setObjectName(QStringLiteral("FormLogo"));
    setWindowTitle(QStringLiteral("Logo"));
    setFixedSize(kWidth, kHeight);
    setModal(true);

    picture_ = EmbeddedData::picture(QStringLiteral("Logo.jpg"), QSize(kWidth, kHeight)).toImage();

    EmbeddedData::readWave(QStringLiteral("LogoWave.dat"), wave_.WaveData());

    // The splash time counts from the window's creation, not from its showing.
    timer_.setSingleShot(true);
    timer_.setInterval(kTimerInterval);
    connect(&timer_, &QTimer::timeout, this, &TFormLogo::TimerTimer);
    timer_.start();
}

void TFormLogo::showAtOnce() {
    show();
    QWindow* window = windowHandle();
    if (!window || window->isExposed()) return;
    QEventLoop loop;
    const ExposeWatcher watcher(window, loop);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(kExposeWaitMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TFormLogo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void TFormLogo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormLogo::FormShow() {
    centreOnScreen(this, size());
    wave_.Play();
    // Shown after its time was up (a slow start): close as soon as the loop runs.
    if (timeUp_) QMetaObject::invokeMethod(this, &TFormLogo::TimerTimer, Qt::QueuedConnection);
}

void TFormLogo::TimerTimer() {
    timeUp_ = true;
    if (isVisible()) accept();
}

// Only the timer closes the splash.
void TFormLogo::reject() {}

void TFormLogo::keyPressEvent(QKeyEvent* event) {
    event->accept();
}
