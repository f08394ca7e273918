#pragma once
// The eight windows of the game over a private application directory, created in the
// order of the program entry and started as it starts them, with a player who can
// play a game to a chosen score and lose it.
#include <memory>

#include <QString>

#include "ConfigRecord.h"
#include "RecordingWave.h"

class TFormPrincipal;
class TFormGeneral;
class TFormSkin;
class TFormSounds;
class TFormMusic;
class TFormAbout;
class TFormTop10;
class TFormLogo;

class GameWindows {
public:
    // Copies the installed application directory to `appDir` (created when missing)
    // and makes it the working directory, as the game finds it at start-up.
    explicit GameWindows(const QString& appDir);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    const QString& appDir() const { return appDir_; }
    QString configFile() const;

    // Rules that make a short game: every button on, no mistake allowed, no clock,
    // no music, the fastest pace. Written into Config.dat.
    void writeQuickRules() const;
    ConfigRecord readConfig() const;  // straight from the file, no checks
    QByteArray configBytes() const;

    // Creates the windows and runs the start-up steps; false when the game must end.
    bool start();

    // Starts a game, repeats `score` rounds and then presses a wrong button, which ends
    // the game (no mistake is allowed). Returns with the main window idle again.
    void loseWithScore(int score);
    // Starts a game and runs playback until it is the player's turn.
    void startGame();

    RecordingWave wave;
    std::unique_ptr<TFormPrincipal> principal;
    std::unique_ptr<TFormGeneral> general;
    std::unique_ptr<TFormSkin> skin;
    std::unique_ptr<TFormSounds> sounds;
    std::unique_ptr<TFormMusic> music;
    std::unique_ptr<TFormAbout> about;
    std::unique_ptr<TFormTop10> top10;
    std::unique_ptr<TFormLogo> logo;

private:
    void destroyWindows();
    void runPlaybackToPlayerTurn();
    void press(int n);
    int wrongButtonFor(int due) const;

    QString appDir_;
};
