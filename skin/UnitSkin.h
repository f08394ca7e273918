#pragma once
// "Skin Selection": lists the skin folders, previews the one clicked at a quarter of the
// main window's size while checking that all its pictures decode, and stores the chosen
// name in Config.dat on Ok.
#include <array>

#include <QString>
#include "FixedDialog.h"

#include "ConfigRecord.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class WaveOutput;
struct SkinPreview;

class TFormSkin : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 273;
    static constexpr int kClientHeight = 159;
    // Outer size used to centre the window, frame and caption included.
    static constexpr int kOuterWidth = 281;
    static constexpr int kOuterHeight = 186;

    explicit TFormSkin(WaveOutput& wave, QWidget* parent = nullptr);

    void setAppDir(const QString& appDir) { appDir_ = appDir; }

    void FormShow();
    void ListBoxClick();
    void ButtonOkClick();
    void ButtonCancelClick();
    bool SomeSelected() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createPreview();
    QLabel* makePreviewImage(const QString& name, const QRect& geometry);
    void setPreviewVisible(bool visible);
    void showPreview(const SkinPreview& preview);
    void rebuildList();
    void centre();
    void clickSound();
    void PlaySound(const QString& path);
    void scheduleCheck();
    QString selectedName() const;
    QString skinsDir() const;

    WaveOutput& wave_;
    QString appDir_;
    ConfigRecord config_;
    bool configRead_ = false;
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
