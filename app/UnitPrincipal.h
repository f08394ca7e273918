#pragma once
// The main window: a borderless, skinned 456 x 352 board. It owns the pictures, the two
// game timers and the hidden menu, forwards every timer, mouse and key event to its
// session, and shows and asks what the session and the rules want shown and asked.
#include <array>
#include <memory>

#include <QTimer>
#include <QWidget>

#include "BoardView.h"
#include "KeypadKeys.h"
#include "PrincipalPrompts.h"
#include "PrincipalSession.h"
#include "PrincipalView.h"
#include "SkinHolders.h"
#include "WindowDrag.h"

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

class TFormPrincipal : public QWidget, public BoardView, public PrincipalView {
    Q_OBJECT
public:
    TFormPrincipal(WaveOutput& wave, std::unique_ptr<MusicPlayer> music, QWidget* parent = nullptr);
    ~TFormPrincipal() override;

    void setWindows(const PrincipalWindows& windows);

    // The start-up steps; false when the program must end.
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
    void SetGraphicsPointers();
    void SetLabelPointers();
    void LoadGraphics();
    void SetInitialGraphics();

    GameRules& rules() { return session_.rules(); }
    const QString& appDir() const { return session_.appDir(); }
    QLabel* infoLabel(int line) const { return InfoLabels[line - 1]; }
    SkinImage* buttonImage(int n) const { return ButtonImages[n - 1]; }
    SkinImage* controlImage(int n) const { return ControlImages[n - 1]; }
    SkinImage* markImage(int n) const { return ErrorImages[n - 1]; }
    QTimer& showTimer() { return ShowTimer; }
    QTimer& timeTimer() { return TimeTimer; }

    // BoardView
    void ShowButtonPicture(int n, Picture picture) override;
    void ShowControlPicture(int n, Picture picture) override;
    void ShowMark(int n, MarkKind kind) override;
    void HideMarks() override;
    void setInfoLine(int line, const QString& text) override;
    void setGameMode(bool playing) override;
    void startShowTimer(int intervalMs) override;
    void stopShowTimer() override { ShowTimer.stop(); }
    void setTimeTimerInterval(int intervalMs) override { TimeTimer.setInterval(intervalMs); }
    void startTimeTimer() override { TimeTimer.start(); }
    void stopTimeTimer() override { TimeTimer.stop(); }

    // PrincipalView
    void runWindow(Window window) override;
    void openPage(const QString& url) override;
    void centre() override;
    void applySkin(const SkinPictures& pictures) override;
    void setButtonVisible(int n, bool visible) override;
    void ShowIconPicture(int n, Picture picture) override;
    void minimize() override { showMinimized(); }
    void endApplication() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createComponents();
    void createBackground();
    void createMenu();
    void bindPresses();
    void bindPress(SkinImage* image, const std::array<SkinImage*, 9>& family,
                   void (TFormPrincipal::*down)(int), void (TFormPrincipal::*up)(int), int n);
    void showWhatResponds();
    void styleInfoLines(const LabelStyle& style);

    std::unique_ptr<MusicPlayer> music_;
    PrincipalPrompts prompts_;
    PrincipalSession session_;
    PrincipalWindows windows_;
    std::unique_ptr<TGoToWeb> GoToWeb;

    SkinImage* Background = nullptr;
    std::array<SkinImage*, 9> ButtonImages{};
    std::array<SkinImage*, 9> ControlImages{};  // 8 used
    std::array<SkinImage*, 9> IconImages{};     // 3 used
    std::array<SkinImage*, 9> ErrorImages{};
    std::array<QLabel*, 5> InfoLabels{};
    SkinHolders Sources;  // the up and down pictures and the marks

    QTimer ShowTimer;
    QTimer TimeTimer;
    WindowDrag drag_{this};
    KeypadKeys keys_;

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
};
