#pragma once
// One game of Zelto 2000 without a window: the sequence, its playback tick by tick,
// the judging of presses, the player clock, game over and record entry. The main
// window forwards its timer, mouse and key events here; tests call the same handlers.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "ConfigRecord.h"
#include "GameView.h"

class MusicPlayer;

class GameRules {
public:
    static constexpr int kSequenceSize = 65000;
    static constexpr int kNoHighlight = 20;

    GameRules(GameView& view, MusicPlayer& music);

    void setAppDir(const QString& appDir) { appDir_ = appDir; }
    const QString& appDir() const { return appDir_; }
    ConfigRecord& config() { return config_; }
    const ConfigRecord& config() const { return config_; }
    // Returns the seed for GenerateSequence; the game seeds from the time of day.
    void setSeeder(std::function<std::uint32_t()> seeder) { seeder_ = std::move(seeder); }

    // Handlers, named as the main window names them.
    void PlayClick();
    bool QuitClick();  // true when the player confirmed and the game ended
    void ShowTimerTimer();
    void TimeTimerTimer();
    void ButtonDown(int n);
    void ButtonUp(int n);
    void MediaPlayerNotify();
    void GenerateSequence();
    void GameLost();

    // Whether control n (1..8) responds now.
    static bool controlResponds(int n, bool playing);

    bool Playing() const { return playing_; }
    bool PlayerTurn() const { return playerTurn_; }
    int SeqLength() const { return seqLength_; }
    int ShowPos() const { return showPos_; }
    bool ShowLit() const { return showLit_; }
    int PlayerPos() const { return playerPos_; }
    int TimeTicks() const { return timeTicks_; }
    int MistakesLeft() const { return mistakesLeft_; }
    int WrongButton() const { return wrongButton_; }
    int Score() const { return seqLength_ - 1; }
    int sequenceAt(int i) const { return sequence_[i - 1]; }  // i = 1..65000
    bool buttonShowsDown(int n) const { return buttonDown_[n - 1]; }
    bool showTimerRunning() const { return showTimerRunning_; }
    bool timeTimerRunning() const { return timeTimerRunning_; }

    const QString& PlayerName() const { return playerName_; }
    void setPlayerName(const QString& name) { playerName_ = name; }
    int HighlightRow() const { return highlightRow_; }
    void setHighlightRow(int row) { highlightRow_ = row; }

private:
    // Implementation helpers are private; see GameRules.cpp.
    friend class GameRulesTestAccess;  // tests reach the 65000-step end without playing it

    void setButtonPicture(int n, Picture picture);
    void beginRoundDisplay();
    void startShow(int leadIn);
    void rightPress();
    void wrongPress(int n, int due);
    void loseMistake();
    void replayRound();
    void startShowTimer();
    void startTimeTimer();
    void stopTimeTimer();
    void stopShowTimer();
    void playIfSounds(const QString& path);
    QString scheme() const;
    void returnToIdle();
    void idleBoard();
    void startMusic();
    void stopMusic();
    void closeMusicQuietly();
    void enterRecord();
    void finishedSequence();

    GameView& view_;
    MusicPlayer& music_;
    QString appDir_;
    ConfigRecord config_;
    std::function<std::uint32_t()> seeder_;

    bool playing_ = false;
    bool playerTurn_ = false;
    std::vector<std::uint8_t> sequence_ = std::vector<std::uint8_t>(kSequenceSize, 1);
    int seqLength_ = 1;
    int showPos_ = 0;
    bool showLit_ = false;
    int playerPos_ = 0;
    int timeTicks_ = 0;
    int mistakesLeft_ = 0;
    int wrongButton_ = 0;
    std::array<bool, 9> buttonDown_{};
    bool showTimerRunning_ = false;
    bool timeTimerRunning_ = false;
    QString playerName_ = QStringLiteral("Anonymous");
    int highlightRow_ = kNoHighlight;
};
