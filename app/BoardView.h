#pragma once
// What the rules of a game show on the board: pictures, marks, info lines and the
// commands' game mode, and the two timers they start and stop. The main window draws
// it; tests record it.
#include <QString>

#include "PictureKind.h"

class BoardView {
public:
    virtual ~BoardView() = default;

    // The picture operations keep the main window's own names.
    virtual void ShowButtonPicture(int n, Picture picture) = 0;   // n = 1..9
    virtual void ShowControlPicture(int n, Picture picture) = 0;  // n = 1..8
    virtual void ShowMark(int n, MarkKind kind) = 0;
    virtual void HideMarks() = 0;
    virtual void setInfoLine(int line, const QString& text) = 0;  // line = 1..5

    // Game mode: Play and Configuration off, Quit on, active cursor on control 2 and the
    // board; idle mode the reverse. Controls 7 and 8 always respond.
    virtual void setGameMode(bool playing) = 0;

    virtual void startShowTimer(int intervalMs) = 0;
    virtual void stopShowTimer() = 0;
    virtual void setTimeTimerInterval(int intervalMs) = 0;
    // (Re)starts the player clock so that a full tick passes before its next event.
    virtual void startTimeTimer() = 0;
    virtual void stopTimeTimer() = 0;
};
