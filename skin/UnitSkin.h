#pragma once
// "Skin Selection": lists the skin folders, previews the one clicked at a quarter of the
// main window's size while checking that all its pictures decode, and stores the chosen
// name in Config.dat on Ok.
#include <array>

#include "RecordDialog.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
struct SkinPreview;

class TFormSkin : public RecordDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 273;
    static constexpr int kClientHeight = 159;

    explicit TFormSkin(WaveOutput& wave, QWidget* parent = nullptr);

    void FormShow() override;
    void ListBoxClick();
    void ButtonOkClick();
    void ButtonCancelClick();
    bool SomeSelected() const;

private:
    void createPreview();
    QLabel* makePreviewImage(const QString& name, const QRect& geometry);
    void setPreviewVisible(bool visible);
    void showPreview(const SkinPreview& preview);
    void clearList();
    void fillList();
    void scheduleCheck();
    QString selectedName() const;

    bool checkPending_ = false;

    QListWidget* ListBox = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Bevel = nullptr;
    QLabel* BackGround = nullptr;
    std::array<QLabel*, 9> Buttons{};  // [0] is Button1
    std::array<QLabel*, 3> Icons{};
    std::array<QLabel*, 8> Controls{};
    QLabel* ImageControl = nullptr;
};
