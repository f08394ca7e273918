#pragma once
// What the game rules ask of the main window. The real window draws and asks with
// widgets; tests record the calls.
#include <QString>

#include "PictureKind.h"

struct ConfigRecord;

class GameView {
public:
    virtual ~GameView() = default;

    virtual void showButtonPicture(int n, Picture picture) = 0;   // n = 1..9
    virtual void showControlPicture(int n, Picture picture) = 0;  // n = 1..8
    virtual void showMark(int n, MarkKind kind) = 0;
    virtual void hideMarks() = 0;
    virtual void setInfoLine(int line, const QString& text) = 0;  // line = 1..5

    // Game mode: Play and Configuration off, Quit on, active cursor on controls 2 and
    // the board; idle mode the reverse. Controls 7 and 8 always respond.
    virtual void setGameMode(bool playing) = 0;

    virtual void startShowTimer(int intervalMs) = 0;
    virtual void stopShowTimer() = 0;
    virtual void setTimeTimerInterval(int intervalMs) = 0;
    // (Re)starts the player clock so that a full tick passes before its next event.
    virtual void startTimeTimer() = 0;
    virtual void stopTimeTimer() = 0;

    virtual void playSound(const QString& path) = 0;

    virtual void showGameOver() = 0;  // "The game is over."
    // The record name box; returns `offered` unchanged when cancelled.
    virtual QString askRecordName(const QString& offered) = 0;
    // Writes Config.dat; shows the I/O error itself and returns false on failure.
    virtual bool saveConfig(const ConfigRecord& record) = 0;
    virtual void showRecords(int highlightRow) = 0;
    virtual bool confirmQuit() = 0;  // "Finish current game?": true unless No
    virtual void showError(const QString& text) = 0;
};
