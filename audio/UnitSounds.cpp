#include "UnitSounds.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "AppDirLayout.h"
#include "FilePath.h"
#include "FolderList.h"
#include "WaveOutput.h"

TFormSounds::TFormSounds(WaveOutput& wave, QWidget* parent)
    : SelectionDialog(wave, QStringLiteral("FormSounds"), QStringLiteral("Sounds Selection"),
                      parent) {
    list_->setObjectName(QStringLiteral("ListBox"));
    Bevel->setObjectName(QStringLiteral("Bevel1"));
    for (int n = 1; n <= 9; ++n) {
        auto* button = new QPushButton(QString::number(n), this);
        button->setObjectName(QStringLiteral("Button%1").arg(n));
        // 7 8 9 on top, 1 2 3 at the bottom, like the board.
        button->setGeometry(160 + 20 * ((n - 1) % 3), 80 - 20 * ((n - 1) / 3), 17, 17);
        connect(button, &QPushButton::clicked, this, [this, n] { ButtonClick(n); });
        Buttons[n - 1] = button;
    }
    connect(list_, &QListWidget::itemSelectionChanged, this, &TFormSounds::ListBoxClick);
    connect(ButtonOk, &QPushButton::clicked, this, &TFormSounds::ButtonOkClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormSounds::ButtonCancelClick);
    list_->installEventFilter(this);
}

void TFormSounds::FormShow() {
    ButtonOk->setEnabled(false);
    setPreviewsEnabled(false);
    selected_.clear();
    const QSignalBlocker blocker(list_);
    list_->clear();
    if (!readRecordAndCentre()) return;
    list_->addItems(FolderList::subfolders(AppDirLayout(appDir()).soundsDir()));
    list_->setCurrentIndex(QModelIndex());
    list_->clearSelection();
}

bool TFormSounds::SomeSelected() const {
    return !list_->selectedItems().isEmpty();
}

void TFormSounds::ListBoxClick() {
    if (!SomeSelected()) return;
    ButtonOk->setEnabled(recordRead());
    setPreviewsEnabled(true);
    selected_ = list_->selectedItems().first()->text();
}

// Previews always sound, whatever the sounds setting says.
void TFormSounds::ButtonClick(int n) {
    wave().playFile(AppDirLayout(appDir()).soundFile(selected_, buttonSound(n)));
}

void TFormSounds::ButtonOkClick() {
    if (!recordRead() || selected_.isEmpty()) return;
    if (!FilePath::isDir(AppDirLayout(appDir()).schemeDir(selected_))) {
        reportGone(QStringLiteral("The sounds %1 no longer exist.").arg(selected_));
        FormShow();
        return;
    }
    editRecord().SoundScheme.setText(selected_);
    clickSound();  // already in the new scheme
    if (!writeRecord(record())) return;
    accept();
}

void TFormSounds::ButtonCancelClick() {
    clickSound();
    reject();
}

// Digits typed in the list preview that sound; the list still gets the key.
bool TFormSounds::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('9'))
            ButtonClick(text[0].digitValue());
    }
    return SelectionDialog::eventFilter(watched, event);
}

void TFormSounds::setPreviewsEnabled(bool enabled) {
    for (QPushButton* button : Buttons) button->setEnabled(enabled);
}
