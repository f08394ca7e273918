#pragma once
// The main window: a borderless, skinned 456 x 352 board. It owns the pictures, the
// two game timers and the hidden menu, forwards every timer, mouse and key event to
// the game rules and draws what the rules ask for.
#include <array>
#include <map>
#include <memory>

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "ConfigRecord.h"
#include "DragMover.h"
#include "GameRules.h"
#include "GameView.h"
#include "LabelStyle.h"
#include "SkinFolder.h"

class QAction;
class QLabel;
class SkinImage;
class WaveOutput;
class MusicPlayer;
class TFormGeneral;
class TFormSkin;
class TFormSounds;
class TFormMusic;
class TFormAbout;
class TFormTop10;
class TFormLogo;
class TGoToWeb;

// The other windows, created by the program entry before this one is shown.
struct PrincipalWindows {
    TFormGeneral* general = nullptr;
    TFormSkin* skin = nullptr;
    TFormSounds* sounds = nullptr;
    TFormMusic* music = nullptr;
    TFormAbout* about = nullptr;
    TFormTop10* top10 = nullptr;
    TFormLogo* logo = nullptr;
};

class TFormPrincipal : public QWidget, public GameView {
    Q_OBJECT
public:
    TFormPrincipal(WaveOutput& wave, std::unique_ptr<MusicPlayer> music, QWidget* parent = nullptr);
    ~TFormPrincipal() override;

    void setWindows(const PrincipalWindows& windows) { windows_ = windows; }

    // The start-up checks; false when the program must end.
    bool FormShow();

    // Commands of the control panel and the hidden menu.
    void PlayClick();
    void QuitClick();
    void GeneralClick();
    void SkinClick();
    void SoundsClick();
    void MusicClick();
    void StatisticClick();
    void IndexClick();
    void AboutClick();
    void ExitsClick();

    void ButtonDown(int n);
    void ButtonUp(int n);
    void ControlDown(int n);
    void ControlUp(int n);
    void IconDown(int n);
    void IconUp(int n);
    void ShowTimerTimer();
    void TimeTimerTimer();

    // Skin operations.
    void LoadGraphics();
    void SetInitialGraphics();
    void ShowButtonPicture(int n, Picture picture);
    void ShowControlPicture(int n, Picture picture);
    void ShowIconPicture(int n, Picture picture);
    void ShowMark(int n, MarkKind kind);
    void HideMarks();

    GameRules& rules() { return rules_; }
    const QString& appDir() const { return appDir_; }
    QLabel* infoLabel(int line) const { return InfoLabels[line - 1]; }
    SkinImage* buttonImage(int n) const { return ButtonImages[n - 1]; }
    SkinImage* controlImage(int n) const { return ControlImages[n - 1]; }
    SkinImage* markImage(int n) const { return ErrorImages[n - 1]; }
    QTimer& showTimer() { return ShowTimer; }
    QTimer& timeTimer() { return TimeTimer; }

    // GameView
    void showButtonPicture(int n, Picture picture) override { ShowButtonPicture(n, picture); }
    void showControlPicture(int n, Picture picture) override { ShowControlPicture(n, picture); }
    void showMark(int n, MarkKind kind) override { ShowMark(n, kind); }
    void hideMarks() override { HideMarks(); }
    void setInfoLine(int line, const QString& text) override;
    void setGameMode(bool playing) override;
    void startShowTimer(int intervalMs) override;
    void stopShowTimer() override { ShowTimer.stop(); }
    void setTimeTimerInterval(int intervalMs) override { TimeTimer.setInterval(intervalMs); }
    void startTimeTimer() override { TimeTimer.start(); }
    void stopTimeTimer() override { TimeTimer.stop(); }
    void playSound(const QString& path) override;
    void showGameOver() override;
    QString askRecordName(const QString& offered) override;
    bool saveConfig(const ConfigRecord& record) override;
    void showRecords(int highlightRow) override;
    bool confirmQuit() override;
    void showError(const QString& text) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createComponents();
    void createMenu();
    void SetGraphicsPointers();
    void SetLabelPointers();
    void bindPress(SkinImage* image, const std::array<SkinImage*, 9>& family,
                   void (TFormPrincipal::*down)(int), void (TFormPrincipal::*up)(int), int n);
    bool checkDataFolders(ConfigRecord& onDisk);
    bool replaceMissing(ConfigRecord& onDisk, bool missing, const QString& message,
                        void (*setDefault)(ConfigRecord&));
    void applySkin(const SkinPictures& pictures);
    void applyPlainSkin();
    void styleInfoLines(const LabelStyle& style);
    void centre();
    void rereadConfig();
    static int keypadDigit(const QKeyEvent* event);
    static quint32 keyIdentity(const QKeyEvent* event);

    WaveOutput& wave_;
    std::unique_ptr<MusicPlayer> music_;
    GameRules rules_;
    PrincipalWindows windows_;
    std::unique_ptr<TGoToWeb> GoToWeb;
    QString appDir_;

    SkinImage* Background = nullptr;
    std::array<SkinImage*, 9> ButtonImages{};
    std::array<SkinPair, 9> ButtonSources;
    std::array<SkinImage*, 9> ControlImages{};  // 8 used
    std::array<SkinPair, 8> ControlSources;
    std::array<SkinImage*, 9> IconImages{};  // 3 used
    std::array<SkinPair, 3> IconSources;
    std::array<SkinImage*, 9> ErrorImages{};
    std::array<QLabel*, 5> InfoLabels{};
    QImage IconNo, IconYes, IconTime;

    QTimer ShowTimer;
    QTimer TimeTimer;
    DragMover drag_;

    QAction* Play = nullptr;
    QAction* Quit = nullptr;
    QAction* Statistic = nullptr;
    QAction* Exits = nullptr;
    QAction* General = nullptr;
    QAction* Skin = nullptr;
    QAction* Sounds = nullptr;
    QAction* Music = nullptr;
    QAction* Index = nullptr;
    QAction* About = nullptr;
    bool configurationEnabled_ = true;
    std::map<quint32, int> keysDown_;  // held keypad keys and the button each pressed
};
