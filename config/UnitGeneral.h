#pragma once
// "Game Configuration": which board buttons play, mistakes allowed, interval time,
// player time limit, alternating sequences, sounds and music. Reads Config.dat when
// shown and writes the whole record back on Ok.
#include <array>

#include <QString>
#include "FixedDialog.h"

#include "ConfigRecord.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class WaveOutput;

class TFormGeneral : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 254;
    static constexpr int kClientHeight = 203;
    // Outer size used to centre the window, frame and caption included.
    static constexpr int kOuterWidth = 262;
    static constexpr int kOuterHeight = 230;

    explicit TFormGeneral(WaveOutput& wave, QWidget* parent = nullptr);

    void setAppDir(const QString& appDir) { appDir_ = appDir; }

    void FormShow();
    void SetCheckBoxPointers();
    void ScrollBarChange();
    void DelayScrollBarChange();
    void ButtonOkClick();
    void ButtonCancelClick();

    // Check box of board button n (1..9).
    QCheckBox* buttonCheckBox(int n) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createButtonBoxes();
    void createScrollBars();
    void createOptions();
    void arrangeTabOrder();
    void fillControls();
    int tickedCount() const;
    void storeControls(ConfigRecord& rec) const;
    void centre();
    void PlaySound(const QString& path);

    WaveOutput& wave_;
    QString appDir_;
    ConfigRecord config_;
    bool configRead_ = false;

    std::array<QCheckBox*, 9> CheckBoxes{};  // the table, index 0 is button 1
    std::array<QCheckBox*, 9> created_{};    // CheckBox1..CheckBox9 as built

    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QFrame* Bevel4 = nullptr;
    QLabel* MistakesLabel = nullptr;
    QLabel* DelayLabel = nullptr;
    QScrollBar* ScrollBar = nullptr;
    QScrollBar* DelayScrollBar = nullptr;
    QCheckBox* AltSeqModeCheckBox = nullptr;
    QCheckBox* TimeCheckBox = nullptr;
    QCheckBox* SoundsCheckBox = nullptr;
    QCheckBox* MusicCheckBox = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;
};
