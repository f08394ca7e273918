#pragma once
// One game of Zelto 2000 without a window: the sequence, its playback tick by tick,
// the judging of presses, the player clock, game over and record entry. The main
// window forwards its timer, mouse and key events here; tests call the same handlers.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "BoardView.h"
#include "ConfigRecord.h"
#include "GamePrompts.h"
#include "GameSound.h"

class MusicPlayer;

class GameRules {
public:
    static constexpr int kSequenceSize = 65000;
    static constexpr int kNoHighlight = 20;

    // The music player holds the in-game piece; its file is the session's to set.
    GameRules(BoardView& board, GamePrompts& prompts, SoundPort& sounds, MusicPlayer& music);

    // The settings of the games from now on, range-checked by the caller.
    void setSettings(const ConfigRecord& settings) { config_ = settings; }
    const ConfigRecord& settings() const { return config_; }
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
    // The click of a control or a title icon, when sounds are on.
    void Click();

    // Whether control n (1..8) responds now.
    static bool controlResponds(int n, bool playing);
    // Whether a press of board button n (1..9) counts now.
    bool buttonResponds(int n) const;

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
    friend class GameRulesTestAccess;  // tests set rules and reach the 65000-step end directly

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
    void returnToIdle();
    void idleBoard();
    void startMusic();
    void stopMusic();
    void closeMusicQuietly();
    void enterRecord();
    void finishedSequence();

    BoardView& view_;
    GamePrompts& prompts_;
    SoundPort& sounds_;
    MusicPlayer& music_;
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
