#include "PrincipalSession.h"

#include <array>

#include <QDir>

#include "AppDirLayout.h"
#include "ConfigCheck.h"
#include "ConfigFile.h"
#include "MusicPlayer.h"
#include "SkinFallback.h"

PrincipalSession::PrincipalSession(BoardView& board, PrincipalView& view, GamePrompts& gamePrompts,
                                   SessionPrompts& prompts, WaveOutput& wave, MusicPlayer& music)
    : board_(board),
      view_(view),
      gamePrompts_(gamePrompts),
      prompts_(prompts),
      music_(music),
      sounds_(wave),
      rules_(board, gamePrompts, sounds_, music) {}

// ---- Start-up and settings ----

// The splash comes before any check, and the window is placed and skinned only once the
// settings are known.
bool PrincipalSession::FormShow() {
    appDir_ = QDir::currentPath();
    for (AppDirUser* user : appDirUsers_) user->setAppDir(appDir_);
    view_.runWindow(PrincipalView::Window::Logo);

    const StartupCheck::Result start = StartupCheck::run(appDir_);
    showStartup(start);
    if (start.stop) return false;
    applySettings(start.settings);

    view_.centre();
    LoadGraphics();
    SetInitialGraphics();
    rules_.setPlayerName(QStringLiteral("Anonymous"));
    board_.setGameMode(false);
    return true;
}

// Each write follows its message, so a failed write is reported after what caused it.
void PrincipalSession::showStartup(const StartupCheck::Result& start) {
    for (const StartupCheck::Step& step : start.steps) {
        prompts_.showStartupMessage(step.kind, step.text);
        if (!step.write) continue;
        try {
            WriteConfig(appDir_, *step.write);
        } catch (const ConfigIoError& e) {
            prompts_.showStartupIoError(e);
        }
    }
}

// The rules, the scheme the sounds come from and the in-game piece, all from one record.
void PrincipalSession::applySettings(const ConfigRecord& settings) {
    rules_.setSettings(settings);
    sounds_.setScheme(appDir_, settings.SoundScheme.text());
    music_.setFileName(AppDirLayout(appDir_).musicFile(settings.MusicFile.text()));
}

// An unreadable file leaves the settings as they were; one out of range is warned about
// and played on a safe copy, the file itself untouched.
void PrincipalSession::rereadConfig() {
    ConfigRecord rec = rules_.settings();
    try {
        ReadConfig(appDir_, rec);
    } catch (const ConfigIoError& e) {
        prompts_.showIoError(e);
        return;
    }
    const QStringList problems = ConfigCheck::problems(rec);
    if (!problems.isEmpty()) prompts_.showSettingsWarning(ConfigCheck::message(problems));
    applySettings(ConfigCheck::makeSafe(rec));
}

// ---- Commands ----

void PrincipalSession::PlayClick() {
    if (controlResponds(1)) rules_.PlayClick();
}

void PrincipalSession::QuitClick() {
    if (controlResponds(2)) rules_.QuitClick();
}

// The settings dialogs open only between games; the file is reread after each, however
// it was closed.
bool PrincipalSession::runSettingsDialog(PrincipalView::Window dialog) {
    if (rules_.Playing()) return false;
    view_.runWindow(dialog);
    rereadConfig();
    return true;
}

void PrincipalSession::GeneralClick() {
    if (runSettingsDialog(PrincipalView::Window::General)) showBoardButtons();
}

// Only a different name reloads: choosing the same skin again keeps what is shown.
void PrincipalSession::SkinClick() {
    const QString before = rules_.settings().SkinName.text();
    if (!runSettingsDialog(PrincipalView::Window::Skin)) return;
    if (rules_.settings().SkinName.text() == before) return;
    LoadGraphics();
    SetInitialGraphics();
}

void PrincipalSession::SoundsClick() {
    runSettingsDialog(PrincipalView::Window::Sounds);
}

void PrincipalSession::MusicClick() {
    runSettingsDialog(PrincipalView::Window::Music);
}

void PrincipalSession::StatisticClick() {
    rules_.setHighlightRow(GameRules::kNoHighlight);
    gamePrompts_.showRecords(GameRules::kNoHighlight);
}

void PrincipalSession::IndexClick() {
    view_.openPage(AppDirLayout(appDir_).helpPage());
}

void PrincipalSession::AboutClick() {
    view_.runWindow(PrincipalView::Window::About);
}

// ---- Controls and title icons ----

void PrincipalSession::ControlDown(int n) {
    if (!controlResponds(n)) return;
    board_.ShowControlPicture(n, Picture::Down);
    rules_.Click();
}

void PrincipalSession::ControlUp(int n) {
    if (!controlResponds(n)) return;
    // The new-game control keeps its pressed picture until the game has started.
    if (n != 1) board_.ShowControlPicture(n, Picture::Up);
    using Command = void (PrincipalSession::*)();
    static constexpr std::array<Command, 8> kCommands = {
        &PrincipalSession::PlayClick,      &PrincipalSession::QuitClick,
        &PrincipalSession::GeneralClick,   &PrincipalSession::SkinClick,
        &PrincipalSession::SoundsClick,    &PrincipalSession::MusicClick,
        &PrincipalSession::StatisticClick, &PrincipalSession::IndexClick};
    (this->*kCommands[n - 1])();
}

// The icons answer in every state, also during a game.
void PrincipalSession::IconDown(int n) {
    view_.ShowIconPicture(n, Picture::Down);
    rules_.Click();
}

void PrincipalSession::IconUp(int n) {
    view_.ShowIconPicture(n, Picture::Up);
    if (n == 1) AboutClick();
    if (n == 2) view_.minimize();
    if (n == 3) view_.endApplication();
}

// ---- Skin ----

// The configured skin; a broken one gives way to the default skin, in memory only, and
// a broken default skin to a plain look drawn in code. Each step's message follows its
// pictures.
void PrincipalSession::LoadGraphics() {
    const QString configured = rules_.settings().SkinName.text();
    const SkinFallback::Choice choice = SkinFallback::choose(appDir_, configured);
    for (const SkinFallback::Step& step : choice.steps) {
        view_.applySkin(step.pictures);
        if (!step.error.isEmpty()) prompts_.showSkinError(step.error);
    }
    if (choice.skinName == configured) return;
    ConfigRecord settings = rules_.settings();
    settings.SkinName.setText(choice.skinName);
    rules_.setSettings(settings);
}

void PrincipalSession::SetInitialGraphics() {
    showBoardButtons();
    for (int n = 1; n <= 8; ++n) board_.ShowControlPicture(n, Picture::Up);
    for (int n = 1; n <= 3; ++n) view_.ShowIconPicture(n, Picture::Up);
    board_.HideMarks();
}

// Only the enabled buttons take part, each showing its up picture.
void PrincipalSession::showBoardButtons() {
    for (int n = 1; n <= 9; ++n) {
        view_.setButtonVisible(n, rules_.settings().buttonEnabled(n));
        board_.ShowButtonPicture(n, Picture::Up);
    }
}
