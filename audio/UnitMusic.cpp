#include "UnitMusic.h"

#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "AppDirLayout.h"
#include "FilePath.h"
#include "FolderList.h"
#include "GameTitle.h"
#include "MusicPlayer.h"

TFormMusic::TFormMusic(WaveOutput& wave, std::unique_ptr<MusicPlayer> preview, QWidget* parent)
    : SelectionDialog(wave, QStringLiteral("FormMusic"), QStringLiteral("Music Selection"), parent),
      MediaPlayer(std::move(preview)) {
    list_->setObjectName(QStringLiteral("FileListBox"));
    auto button = [this](const char* name, const QString& text, int top) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(156, top, 64, 20);
        return b;
    };
    ButtonPlay = button("ButtonPlay", QStringLiteral("Play"), 36);
    ButtonPause = button("ButtonPause", QStringLiteral("Pause"), 58);
    ButtonStop = button("ButtonStop", QStringLiteral("Stop"), 80);
    // The preview's frame is a plain one here, where the sound dialog's is raised.
    Bevel->setFrameShape(QFrame::Box);
    Bevel->setFrameShadow(QFrame::Plain);
    connect(list_, &QListWidget::itemSelectionChanged, this, &TFormMusic::FileListBoxClick);
    connect(list_, &QListWidget::itemDoubleClicked, this, &TFormMusic::FileListBoxDblClick);
    connect(ButtonPlay, &QPushButton::clicked, this, &TFormMusic::ButtonPlayClick);
    connect(ButtonPause, &QPushButton::clicked, this, &TFormMusic::ButtonPauseClick);
    connect(ButtonStop, &QPushButton::clicked, this, &TFormMusic::ButtonStopClick);
    connect(ButtonOk, &QPushButton::clicked, this, &TFormMusic::ButtonOkClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormMusic::ButtonCancelClick);
    list_->installEventFilter(this);
}

TFormMusic::~TFormMusic() = default;

QString TFormMusic::musicDir() const {
    return AppDirLayout(appDir()).musicDir();
}

void TFormMusic::setButtons(bool play, bool pause, bool stop) {
    ButtonPlay->setEnabled(play);
    ButtonPause->setEnabled(pause);
    ButtonStop->setEnabled(stop);
}

template <typename Operation>
bool TFormMusic::attempt(Operation operation) {
    try {
        operation();
        return true;
    } catch (const MciError& e) {
        QMessageBox::critical(this, kGameTitle, e.text());
        return false;
    }
}

void TFormMusic::FormShow() {
    ButtonOk->setEnabled(false);
    setButtons(false, false, false);
    selected_.clear();
    const QSignalBlocker blocker(list_);
    list_->clear();
    if (!readRecordAndCentre()) return;
    list_->addItems(FolderList::filesWithSuffix(musicDir(), QStringLiteral(".mid")));
    list_->setCurrentIndex(QModelIndex());
    list_->clearSelection();
}

void TFormMusic::FileListBoxClick() {
    if (list_->selectedItems().isEmpty()) return;
    ButtonOk->setEnabled(recordRead());
    setButtons(true, false, false);
    selected_ = list_->selectedItems().first()->text();
    MediaPlayer->setFileName(AppDirLayout(appDir()).musicFile(selected_));
    // Opening closes what was open, so a preview that was playing stops.
    attempt([this] { MediaPlayer->open(); });
}

void TFormMusic::FileListBoxDblClick() {
    if (!selected_.isEmpty()) ButtonPlayClick();
}

void TFormMusic::ButtonPlayClick() {
    setButtons(false, true, true);
    attempt([this] { MediaPlayer->play(); });
}

void TFormMusic::ButtonPauseClick() {
    setButtons(true, false, true);
    attempt([this] { MediaPlayer->pause(); });
}

void TFormMusic::ButtonStopClick() {
    setButtons(true, false, false);
    attempt([this] {
        MediaPlayer->stop();
        MediaPlayer->rewind();
    });
}

void TFormMusic::ButtonOkClick() {
    if (!recordRead() || selected_.isEmpty()) return;
    clickSound();
    if (!FilePath::isFile(AppDirLayout(appDir()).musicFile(selected_))) {
        reportGone(QStringLiteral("The music %1 no longer exists.").arg(selected_));
        FormClose();
        FormShow();
        return;
    }
    editRecord().MusicFile.setText(selected_);
    if (!writeRecord(record())) return;
    accept();
}

void TFormMusic::ButtonCancelClick() {
    clickSound();
    reject();
}

// A preview that never opened has nothing to stop: no second error on closing.
void TFormMusic::FormClose() {
    if (selected_.isEmpty() || !MediaPlayer->isOpen()) return;
    attempt([this] {
        MediaPlayer->stop();
        MediaPlayer->close();
    });
}

void TFormMusic::done(int result) {
    FormClose();
    SelectionDialog::done(result);
}

// Any character typed in the list plays the selected piece, Enter and Esc included;
// Tab only moves on to the next control.
bool TFormMusic::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        const bool character = !text.isEmpty() && text != QStringLiteral("\t");
        if (character && !selected_.isEmpty()) ButtonPlayClick();
    }
    return SelectionDialog::eventFilter(watched, event);
}
