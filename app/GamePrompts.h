#pragma once
// What the rules of a game ask of the player and of the world outside the board: the
// game-over box, the record name, the records viewer, the quit question, errors, and
// storing an entered record.
#include <QString>

struct ConfigRecord;

class GamePrompts {
public:
    virtual ~GamePrompts() = default;

    virtual void showGameOver() = 0;  // "The game is over."
    // The record name box; returns `offered` unchanged when cancelled.
    virtual QString askRecordName(const QString& offered) = 0;
    // Stores the record just entered: the table of `record`'s category goes into
    // Config.dat. Shows any failure itself and returns false then.
    virtual bool saveRecord(const ConfigRecord& record) = 0;
    virtual void showRecords(int highlightRow) = 0;
    virtual bool confirmQuit() = 0;  // "Finish current game?": true unless No
    virtual void showError(const QString& text) = 0;
};
