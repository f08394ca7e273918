#pragma once
// What the main window decides, free of widgets: the start-up steps, the commands of
// the control panel, the title icons and the hidden menu, rereading Config.dat after
// each settings dialog, and which skin is shown. It owns the rules of the game and
// shows everything through the window's ports.
#include <vector>

#include <QString>

#include "AppDirUser.h"
#include "BoardView.h"
#include "ConfigRecord.h"
#include "GamePrompts.h"
#include "GameRules.h"
#include "PrincipalView.h"
#include "SchemeSounds.h"
#include "SessionPrompts.h"

class MusicPlayer;
class WaveOutput;

class PrincipalSession {
public:
    PrincipalSession(BoardView& board, PrincipalView& view, GamePrompts& gamePrompts,
                     SessionPrompts& prompts, WaveOutput& wave, MusicPlayer& music);

    // The windows that get the application directory at start-up.
    void setAppDirUsers(std::vector<AppDirUser*> users) { appDirUsers_ = std::move(users); }

    // The start-up steps; false when the program must end.
    bool FormShow();

    void PlayClick();
    void QuitClick();
    void GeneralClick();
    void SkinClick();
    void SoundsClick();
    void MusicClick();
    void StatisticClick();
    void IndexClick();
    void AboutClick();
    void ControlDown(int n);
    void ControlUp(int n);
    void IconDown(int n);
    void IconUp(int n);

    void LoadGraphics();
    void SetInitialGraphics();
    // A game keeps the sound device ready, so no sound of it waits for a device to open.
    void keepSoundReady(bool playing) { sounds_.keepReady(playing); }

    bool controlResponds(int n) const { return GameRules::controlResponds(n, rules_.Playing()); }
    GameRules& rules() { return rules_; }
    const GameRules& rules() const { return rules_; }
    const QString& appDir() const { return appDir_; }

private:
    void showStartup(const StartupCheck::Result& start);
    void applySettings(const ConfigRecord& settings);
    void rereadConfig();
    bool runSettingsDialog(PrincipalView::Window dialog);
    void showBoardButtons();

    BoardView& board_;
    PrincipalView& view_;
    GamePrompts& gamePrompts_;
    SessionPrompts& prompts_;
    MusicPlayer& music_;
    SchemeSounds sounds_;
    GameRules rules_;
    std::vector<AppDirUser*> appDirUsers_;
    QString appDir_;
};
