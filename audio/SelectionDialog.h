#pragma once
// What the sound and music selection dialogs share: a list on the left, a preview
// panel on the right, Ok and Cancel, the dialog's own copy of Config.dat read at each
// showing, and the click sound on Ok and Cancel.
#include "FixedDialog.h"

#include "ConfigRecord.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class WaveOutput;

class SelectionDialog : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 230;
    static constexpr int kClientHeight = 142;
    static constexpr int kOuterWidth = 238;
    static constexpr int kOuterHeight = 169;

    SelectionDialog(WaveOutput& wave, const QString& caption, QWidget* parent);

    void setAppDir(const QString& appDir) { appDir_ = appDir; }
    const ConfigRecord& record() const { return config_; }

protected:
    // Reads Config.dat and centres the dialog; false when the record could not be read.
    bool readRecordAndCentre();
    // The click rule on the dialog's copy.
    void clickSound();
    // Writes the copy whole; shows the error and returns false when that fails.
    bool writeRecord();
    // Tells the player that the entry chosen from the list has gone from the disk.
    void reportGone(const QString& what);
    void showEvent(QShowEvent* event) override;
    virtual void FormShow() = 0;

    WaveOutput& wave_;
    QString appDir_;
    ConfigRecord config_;
    bool configRead_ = false;

    QListWidget* list_ = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Bevel = nullptr;
};
