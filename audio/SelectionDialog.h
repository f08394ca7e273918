#pragma once
// The layout the sound and music selection dialogs share: a list on the left, a
// preview panel on the right, Ok and Cancel below; Enter and Esc leave it alone.
#include "RecordDialog.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

class SelectionDialog : public RecordDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 230;
    static constexpr int kClientHeight = 142;

    SelectionDialog(WaveOutput& wave, const QString& objectName, const QString& caption,
                    QWidget* parent);

protected:
    // Tells the player that the entry chosen from the list has gone from the disk.
    void reportGone(const QString& what);

    QListWidget* list_ = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Bevel = nullptr;
};
