#include "UnitLogo.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "EmbeddedData.h"

TFormLogo::TFormLogo(WaveOutput& wave, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), wave_(&wave) {
    setObjectName(QStringLiteral("FormLogo"));
    setWindowTitle(QStringLiteral("Logo"));
    setFixedSize(kWidth, kHeight);
    setModal(true);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(0, 0, kWidth, kHeight);
    image1_->setScaledContents(true);
    image1_->setPixmap(EmbeddedData::picture(QStringLiteral("Logo.jpg"), QSize(kWidth, kHeight)));

    EmbeddedData::readWave(QStringLiteral("LogoWave.dat"), wave_.WaveData());

    // The splash time counts from the window's creation, not from its showing.
    timer_.setSingleShot(true);
    timer_.setInterval(kTimerInterval);
    connect(&timer_, &QTimer::timeout, this, &TFormLogo::TimerTimer);
    timer_.start();
}

void TFormLogo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFormLogo::FormShow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - kWidth) / 2, area.top() + (area.height() - kHeight) / 2);
    }
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
