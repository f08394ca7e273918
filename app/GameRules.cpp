#include "GameRules.h"

#include <random>

#include <QTime>

#include "ClickSound.h"
#include "MusicPlayer.h"
#include "RecordTable.h"

namespace {

constexpr int kNewGameLeadIn = 3;
constexpr int kRoundLeadIn = 2;
constexpr int kMistakeLeadIn = 6;
constexpr int kTimeLimitTicks = 10;

enum InfoLine { kTurnLine = 1, kScoreLine, kSequenceLine, kMistakesLine, kTimeLine };

std::uint32_t timeOfDaySeed() {
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

QString sequenceText(int count) {
    return QStringLiteral("Sequence: %1").arg(count);
}

// The first `max` characters, without leaving half of a surrogate pair at the end.
QString leftWhole(const QString& text, int max) {
    if (text.size() <= max) return text;
    int n = max;
    if (n > 0 && text.at(n - 1).isHighSurrogate()) --n;
    return text.left(n);
}

}  // namespace

GameRules::GameRules(BoardView& board, GamePrompts& prompts, SoundPort& sounds, MusicPlayer& music)
    : view_(board), prompts_(prompts), sounds_(sounds), music_(music), seeder_(timeOfDaySeed) {
    // The piece repeats for as long as a game runs; the player loops it itself, so the
    // seam has no gap, and MediaPlayerNotify only restarts a play that ended otherwise.
    music_.setLooping(true);
}

bool GameRules::controlResponds(int n, bool playing) {
    switch (n) {
        case 1:
        case 3:
        case 4:
        case 5:
        case 6:
            return !playing;
        case 2:
            return playing;
        case 7:
        case 8:
            return true;
        default:
            return false;
    }
}

// ---- New game and sequence ----

void GameRules::PlayClick() {
    playing_ = true;
    view_.setGameMode(true);
    startMusic();
    GenerateSequence();
    seqLength_ = 1;
    playerTurn_ = false;
    view_.setInfoLine(kScoreLine, QStringLiteral("Score: %1").arg(Score()));
    view_.setInfoLine(kSequenceLine, sequenceText(0));
    view_.setInfoLine(kTimeLine, QStringLiteral("Timer: Paused"));
    wrongButton_ = 0;
    mistakesLeft_ = config_.MistakesAllowed;
    view_.setInfoLine(kMistakesLine, QStringLiteral("Mistakes left: %1").arg(mistakesLeft_));
    if (config_.PlayerTime == 0)
        view_.setInfoLine(kTimeLine, QStringLiteral("Timer off"));
    else
        view_.setTimeTimerInterval(config_.Delay / 10);
    showPos_ = -kNewGameLeadIn;
    showLit_ = false;
    view_.setInfoLine(kTurnLine, QStringLiteral("PC turn"));
    startShowTimer();
    view_.ShowControlPicture(1, Picture::Up);
}

void GameRules::GenerateSequence() {
    std::vector<std::uint8_t> enabled;
    for (int n = 1; n <= 9; ++n)
        if (config_.ButtonEnabled[n - 1] == 1) enabled.push_back(static_cast<std::uint8_t>(n));
    // A record without any enabled button never comes from the game itself; drawing
    // from all nine keeps the game playable instead of searching forever.
    if (enabled.empty())
        for (int n = 1; n <= 9; ++n) enabled.push_back(static_cast<std::uint8_t>(n));

    std::mt19937 generator(seeder_ ? seeder_() : timeOfDaySeed());
    std::uniform_int_distribution<std::size_t> pick(0, enabled.size() - 1);
    for (std::uint8_t& step : sequence_) step = enabled[pick(generator)];
}

// ---- Playback ----

void GameRules::ShowTimerTimer() {
    if (!showTimerRunning_) return;
    if (showLit_) {
        setButtonPicture(sequenceAt(showPos_), Picture::Up);
        showLit_ = false;
        if (showPos_ == seqLength_) {
            stopShowTimer();
            view_.setInfoLine(kSequenceLine, sequenceText(0));
            view_.setInfoLine(kTurnLine, QStringLiteral("Your turn"));
            playerTurn_ = true;
            playerPos_ = 0;
        }
        return;
    }
    ++showPos_;
    if (showPos_ < 1) return;
    if (showPos_ == 1) beginRoundDisplay();
    const int b = sequenceAt(showPos_);
    setButtonPicture(b, Picture::Down);
    playIfSoundsOn(sounds_, config_, buttonSound(b));
    view_.setInfoLine(kSequenceLine, sequenceText(showPos_));
    showLit_ = true;
}

void GameRules::beginRoundDisplay() {
    view_.setInfoLine(kTurnLine, QStringLiteral("PC turn"));
    view_.setInfoLine(kScoreLine, QStringLiteral("Score: %1").arg(Score()));
    if (config_.PlayerTime != 0) view_.setInfoLine(kTimeLine, QStringLiteral("Timer: Paused"));
    view_.HideMarks();
    if (wrongButton_ != 0) {
        setButtonPicture(wrongButton_, Picture::Up);
        wrongButton_ = 0;
    }
}

void GameRules::startShow(int leadIn) {
    playerTurn_ = false;
    showPos_ = -leadIn;
    showLit_ = false;
    startShowTimer();
}

// ---- Player input ----

// Only in the player's turn, and not while the button is shown down: a held key's
// repeats press again only once it is up.
bool GameRules::buttonResponds(int n) const {
    if (n < 1 || n > 9) return false;
    return playerTurn_ && playing_ && config_.buttonEnabled(n) && !buttonDown_[n - 1];
}

void GameRules::ButtonDown(int n) {
    if (!buttonResponds(n)) return;
    setButtonPicture(n, Picture::Down);
    playIfSoundsOn(sounds_, config_, buttonSound(n));
    ++playerPos_;
    const int due = sequenceAt(playerPos_);
    if (n == due)
        rightPress();
    else
        wrongPress(n, due);
}

void GameRules::rightPress() {
    view_.setInfoLine(kSequenceLine, sequenceText(playerPos_));
    if (config_.PlayerTime != 0) {
        timeTicks_ = 0;
        view_.setInfoLine(kTimeLine, QStringLiteral("Timer: Paused"));
        stopTimeTimer();
        startTimeTimer();
    }
    if (playerPos_ != seqLength_) return;
    stopTimeTimer();
    if (seqLength_ == kSequenceSize) {
        finishedSequence();
        return;
    }
    ++seqLength_;
    if (config_.AltSeqMode != 0) GenerateSequence();
    startShow(kRoundLeadIn);
}

void GameRules::wrongPress(int n, int due) {
    view_.setInfoLine(kTurnLine, QStringLiteral("Wrong button !!"));
    playIfSoundsOn(sounds_, config_, GameSound::Mistake);
    view_.ShowMark(n, MarkKind::No);
    view_.ShowMark(due, MarkKind::Yes);
    if (mistakesLeft_ == 0) {
        GameLost();
        return;
    }
    loseMistake();
    view_.setInfoLine(kSequenceLine, sequenceText(playerPos_));
    if (config_.PlayerTime != 0) {
        timeTicks_ = 0;
        stopTimeTimer();
    }
    wrongButton_ = n;
    replayRound();
}

void GameRules::ButtonUp(int n) {
    if (n < 1 || n > 9) return;
    const bool afterLastPress = playerPos_ == seqLength_ - 1;
    if (!(playerTurn_ || afterLastPress) || !playing_ || !config_.buttonEnabled(n)) return;
    setButtonPicture(n, Picture::Up);
    if (afterLastPress && !playerTurn_ && showPos_ <= 0) {
        view_.setInfoLine(kTurnLine, QStringLiteral("PC turn"));
        view_.setInfoLine(kScoreLine, QStringLiteral("Score: %1").arg(Score()));
        view_.setInfoLine(kSequenceLine, sequenceText(0));
    }
}

// The whole sequence has been repeated and no longer round exists, so the game ends
// like a lost one. The score counts all 65000 repeated steps.
void GameRules::finishedSequence() {
    seqLength_ = kSequenceSize + 1;
    playerTurn_ = false;
    GameLost();
}

void GameRules::loseMistake() {
    --mistakesLeft_;
    view_.setInfoLine(kMistakesLine, QStringLiteral("Mistakes left: %1").arg(mistakesLeft_));
}

void GameRules::replayRound() {
    if (config_.AltSeqMode != 0) GenerateSequence();
    startShow(kMistakeLeadIn);
}

// ---- Player clock ----

void GameRules::TimeTimerTimer() {
    if (!timeTimerRunning_) return;
    ++timeTicks_;
    view_.setInfoLine(kTimeLine, QStringLiteral("Timer: %1 %").arg(timeTicks_ * 10));
    if (timeTicks_ != kTimeLimitTicks) return;

    view_.setInfoLine(kTimeLine, QStringLiteral("Timer: 100 %"));
    view_.setInfoLine(kTurnLine, QStringLiteral("Time Over !!"));
    view_.ShowMark(sequenceAt(playerPos_ + 1), MarkKind::Time);
    stopTimeTimer();
    timeTicks_ = 0;
    playIfSoundsOn(sounds_, config_, GameSound::TimeOver);
    if (mistakesLeft_ == 0) {
        GameLost();
        return;
    }
    loseMistake();
    wrongButton_ = 0;
    replayRound();
}

// ---- End of a game ----

void GameRules::GameLost() {
    if (config_.PlayerTime != 0) {
        timeTicks_ = 0;
        stopTimeTimer();
    }
    view_.setInfoLine(kSequenceLine, sequenceText(playerPos_));
    playing_ = false;
    stopMusic();
    prompts_.showGameOver();
    view_.HideMarks();
    view_.setGameMode(false);
    idleBoard();
    enterRecord();
}

bool GameRules::QuitClick() {
    if (!prompts_.confirmQuit()) return false;
    returnToIdle();
    return true;
}

void GameRules::returnToIdle() {
    playing_ = false;
    view_.setGameMode(false);
    view_.HideMarks();
    stopMusic();
    idleBoard();
}

void GameRules::idleBoard() {
    playerTurn_ = false;
    stopShowTimer();
    stopTimeTimer();
    for (int line = kTurnLine; line <= kTimeLine; ++line) view_.setInfoLine(line, QString());
    for (int n = 1; n <= 9; ++n) setButtonPicture(n, Picture::Up);
}

void GameRules::enterRecord() {
    const int score = Score();
    const int rank = RecordTable::findRank(config_, score);
    if (rank == 0) return;
    // A cancelled box returns the offered name, which is then entered as well.
    playerName_ = leftWhole(prompts_.askRecordName(playerName_), RecordTable::kMaxNameLength);
    RecordTable::insert(config_, rank, score, playerName_);
    if (!prompts_.saveRecord(config_)) return;
    highlightRow_ = rank;
    prompts_.showRecords(rank);
}

// ---- Music ----

void GameRules::startMusic() {
    if (!config_.musicOn()) return;
    try {
        music_.open();
        music_.play();
    } catch (const MciError& e) {
        // The game goes on in silence; a half-opened player must not be looped later.
        closeMusicQuietly();
        prompts_.showError(e.text());
    }
}

void GameRules::stopMusic() {
    if (!config_.musicOn() || !music_.isOpen()) return;
    try {
        music_.stop();
    } catch (const MciError&) {
    }
    closeMusicQuietly();
}

void GameRules::closeMusicQuietly() {
    try {
        music_.close();
    } catch (const MciError&) {
    }
}

void GameRules::MediaPlayerNotify() {
    if (!playing_ || !music_.isOpen()) return;
    try {
        music_.play();
    } catch (const MciError&) {
    }
}

// ---- Helpers ----

void GameRules::setButtonPicture(int n, Picture picture) {
    buttonDown_[n - 1] = picture == Picture::Down;
    view_.ShowButtonPicture(n, picture);
}

void GameRules::startShowTimer() {
    showTimerRunning_ = true;
    view_.startShowTimer(config_.Delay / 2);
}

void GameRules::stopShowTimer() {
    showTimerRunning_ = false;
    view_.stopShowTimer();
}

void GameRules::startTimeTimer() {
    timeTimerRunning_ = true;
    view_.startTimeTimer();
}

void GameRules::stopTimeTimer() {
    timeTimerRunning_ = false;
    view_.stopTimeTimer();
}

void GameRules::Click() {
    playIfSoundsOn(sounds_, config_, GameSound::Click);
}
