#pragma once
// "Sounds Selection": the sound schemes under Sounds, nine preview buttons laid out
// like the board, and Ok to store the chosen scheme in Config.dat.
#include <array>

#include "SelectionDialog.h"

class QKeyEvent;

class TFormSounds : public SelectionDialog {
    Q_OBJECT
public:
    explicit TFormSounds(WaveOutput& wave, QWidget* parent = nullptr);

    void FormShow() override;
    void ListBoxClick();
    void ButtonClick(int n);  // preview button n = 1..9
    void ButtonOkClick();
    void ButtonCancelClick();
    bool SomeSelected() const;

    QListWidget* listBox() const { return list_; }
    QPushButton* previewButton(int n) const { return Buttons[n - 1]; }
    const QString& selectedScheme() const { return selected_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPreviewsEnabled(bool enabled);

    std::array<QPushButton*, 9> Buttons{};
    QString selected_;
};
