#pragma once
// The records viewer: the ten ranks of the record table that the settings stored in
// Config.dat select, optionally with one row highlighted. It only reads the file.
#include <array>
#include <cstdint>

#include "RecordDialog.h"

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

class TFormTop10 : public RecordDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 240;
    static constexpr int kClientHeight = 302;
    static constexpr int kNoHighlight = 20;

    explicit TFormTop10(WaveOutput& wave, QWidget* parent = nullptr);

    // Rank 1..10 to highlight, or 20 for none; set before each showing.
    void setHighlightRow(int row) { HighlightRow = std::uint8_t(row); }

    // "For 9 buttons, 3 mistakes allowed, ..." for the settings of `rec`.
    static QString describe(const ConfigRecord& rec);

    void FormShow() override;
    void ButtonOkClick();

    QLabel* nameLabel(int rank) const { return NameLabels[rank - 1]; }
    QLabel* scoreLabel(int rank) const { return ScoreLabels[rank - 1]; }
    QLabel* rankLabel(int rank) const { return RankLabels[rank - 1]; }
    QLabel* descriptionLabel() const { return Label32; }
    QWidget* highlightBar() const { return Shape; }

private:
    void createHeadings();
    void createRows();
    void showNoTable();
    void fillRows(const ConfigRecord& rec);
    void clearRows();
    void moveHighlight(int row);

    std::uint8_t HighlightRow = kNoHighlight;

    QWidget* Shape = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    std::array<QLabel*, kRanks> NameLabels{};   // Label1..Label10
    std::array<QLabel*, kRanks> ScoreLabels{};  // Label11..Label20
    std::array<QLabel*, kRanks> RankLabels{};   // Label21..Label30
    QPushButton* ButtonOk = nullptr;
};
