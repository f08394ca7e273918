#include "SelectionDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "ClickSound.h"
#include "ConfigFile.h"
#include "IoErrorBox.h"

SelectionDialog::SelectionDialog(WaveOutput& wave, const QString& caption, QWidget* parent)
    : FixedDialog(parent, QString(), caption, QSize(kClientWidth, kClientHeight)), wave_(wave) {
    list_ = new QListWidget(this);
    list_->setGeometry(6, 8, 138, 96);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    ButtonOk = new QPushButton(QStringLiteral("Ok"), this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setGeometry(71, 111, 73, 25);
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setGeometry(152, 111, 72, 25);
    Label1 = new QLabel(QStringLiteral("Preview :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(152, 12, 72, 17);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Bevel = new QFrame(this);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setGeometry(152, 32, 72, 72);
    Bevel->setFrameShape(QFrame::Panel);
    Bevel->setFrameShadow(QFrame::Raised);
    Bevel->lower();
    keepOpenOnEnterAndEsc();
}

void SelectionDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring a minimized window is no new showing.
    if (!event->spontaneous()) FormShow();
}

bool SelectionDialog::readRecordAndCentre() {
    try {
        ReadConfig(appDir_, config_);
        configRead_ = true;
    } catch (const ConfigIoError& e) {
        // Without a record there is nothing Ok could safely write back.
        configRead_ = false;
        showIoError(this, e);
        return false;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - kOuterWidth) / 2, (area.height() - kOuterHeight) / 2);
    }
    return true;
}

void SelectionDialog::clickSound() {
    playClick(wave_, config_, appDir_);
}

bool SelectionDialog::writeRecord() {
    try {
        WriteConfig(appDir_, config_);
    } catch (const ConfigIoError& e) {
        showIoError(this, e);
        return false;
    }
    return true;
}

void SelectionDialog::reportGone(const QString& what) {
    QMessageBox::critical(this, QStringLiteral("Error"), what);
}
