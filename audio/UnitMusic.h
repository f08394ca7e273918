#pragma once
// "Music Selection": the MIDI files under Music, a preview with Play, Pause and Stop,
// and Ok to store the chosen file in Config.dat.
#include <memory>

#include "SelectionDialog.h"

class MusicPlayer;

class TFormMusic : public SelectionDialog {
    Q_OBJECT
public:
    TFormMusic(WaveOutput& wave, std::unique_ptr<MusicPlayer> preview, QWidget* parent = nullptr);
    ~TFormMusic() override;

    void FormShow() override;
    void FileListBoxClick();
    void FileListBoxDblClick();
    void ButtonPlayClick();
    void ButtonPauseClick();
    void ButtonStopClick();
    void ButtonOkClick();
    void ButtonCancelClick();
    void FormClose();

    QListWidget* fileListBox() const { return list_; }
    QPushButton* playButton() const { return ButtonPlay; }
    QPushButton* pauseButton() const { return ButtonPause; }
    QPushButton* stopButton() const { return ButtonStop; }
    const QString& selectedMusic() const { return selected_; }

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString musicDir() const;
    void setButtons(bool play, bool pause, bool stop);
    // Runs one player operation; its error is shown in a box, as the player reports it.
    template <typename Operation>
    bool attempt(Operation operation);

    std::unique_ptr<MusicPlayer> MediaPlayer;
    QPushButton* ButtonPlay = nullptr;
    QPushButton* ButtonPause = nullptr;
    QPushButton* ButtonStop = nullptr;
    QString selected_;
};
