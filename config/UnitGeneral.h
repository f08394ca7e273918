#pragma once
// "Game Configuration": which board buttons play, mistakes allowed, interval time,
// player time limit, alternating sequences, sounds and music. Reads Config.dat when
// shown and writes the whole record back on Ok.
#include <array>

#include "RecordDialog.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

class TFormGeneral : public RecordDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 254;
    static constexpr int kClientHeight = 203;

    explicit TFormGeneral(WaveOutput& wave, QWidget* parent = nullptr);

    void FormShow() override;
    void SetCheckBoxPointers();
    void ScrollBarChange();
    void DelayScrollBarChange();
    void ButtonOkClick();
    void ButtonCancelClick();

    // Check box of board button n (1..9).
    QCheckBox* buttonCheckBox(int n) const;

private:
    void createButtonBoxes();
    void createScrollBars();
    void createOptions();
    void arrangeTabOrder();
    void nameInputs();
    void fillControls();
    int tickedCount() const;
    void storeControls(ConfigRecord& rec) const;

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
