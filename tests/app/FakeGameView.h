#pragma once
// The ports of the rules in one fake: it keeps what the window would show, logs every
// call in order (board, boxes and sounds alike), and has scripted answers for the boxes
// that ask something.
#include <array>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "BoardView.h"
#include "ConfigRecord.h"
#include "GamePrompts.h"
#include "GameSound.h"

class FakeGameView : public BoardView, public GamePrompts, public SoundPort {
public:
    void ShowButtonPicture(int n, Picture picture) override;
    void ShowControlPicture(int n, Picture picture) override;
    void ShowMark(int n, MarkKind kind) override;
    void HideMarks() override;
    void setInfoLine(int line, const QString& text) override;
    void setGameMode(bool playing) override;
    void startShowTimer(int intervalMs) override;
    void stopShowTimer() override;
    void setTimeTimerInterval(int intervalMs) override;
    void startTimeTimer() override;
    void stopTimeTimer() override;
    void play(GameSound sound) override;  // logged by file name: "sound Sound3.wav"
    void showGameOver() override;
    QString askRecordName(const QString& offered) override;
    bool saveRecord(const ConfigRecord& record) override;
    void showRecords(int highlightRow) override;
    bool confirmQuit() override;
    void showError(const QString& text) override;

    // Log helpers.
    void clearLog() { log.clear(); }
    int count(const QString& entry) const;
    int countStartingWith(const QString& prefix) const;
    int indexOf(const QString& entry) const;  // -1 when absent
    bool logged(const QString& entry) const { return indexOf(entry) >= 0; }
    int visibleMarks() const;

    // What the window shows now.
    std::array<QString, 6> lines;                   // [1..5]
    std::array<Picture, 10> buttons{};              // [1..9]
    std::array<std::optional<MarkKind>, 10> marks;  // [1..9]
    bool gameMode = false;
    bool showTimerOn = false;
    int showInterval = 0;
    bool timeTimerOn = false;
    int timeInterval = 0;
    QStringList sounds;
    std::vector<QString> log;

    // Scripted answers; no name answer means the name box is cancelled.
    std::optional<QString> nameAnswer;
    bool quitAnswer = true;
    bool saveSucceeds = true;

    // What the boxes saw.
    QStringList namesOffered;
    std::vector<ConfigRecord> saved;
    std::vector<int> recordsShown;
    QStringList errors;
    int marksAtGameOver = -1;
    std::array<QString, 6> linesAtGameOver;
};
