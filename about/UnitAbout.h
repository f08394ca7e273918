#pragma once
// The about box: a borderless picture with the credits, two links that open pages in
// the browser and a picture button that closes it. It can be dragged by its picture.
#include <QDialog>
#include <QPixmap>
#include <QString>

#include "AppDirUser.h"
#include "ConfigRecord.h"
#include "GoToWeb.h"
#include "WindowDrag.h"

class QLabel;
class WaveOutput;

class TFormAbout : public QDialog, public AppDirUser {
    Q_OBJECT
public:
    static constexpr int kWidth = 362;
    static constexpr int kHeight = 202;

    explicit TFormAbout(WaveOutput& wave, QWidget* parent = nullptr);

    void setAppDir(const QString& appDir) override;

    QLabel* Background() const { return background_; }
    QLabel* Label1() const { return credits_; }
    QLabel* Buttton() const { return closeButton_; }
    QLabel* Label2() const { return authorLink_; }
    QLabel* Label3() const { return addressLink_; }
    const QPixmap& ButtonUp() const { return buttonUp_; }
    const QPixmap& ButtonDown() const { return buttonDown_; }
    TGoToWeb& GoToWeb() { return productPage_; }
    TGoToWeb& GoToWeb2() { return contactPage_; }
    const ConfigRecord& config() const { return config_; }
    bool dragging() const { return drag_.dragging(); }

    void FormShow();
    void ButttonMouseDown();
    void ButttonMouseUp();
    void BackgroundMouseDown(int x, int y);
    void BackgroundMouseMove(int x, int y);
    void BackgroundMouseUp();
    void Label2Click();
    void Label3Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCredits();
    QLabel* makeLink(const QString& name, const QString& text, const QString& hint);
    bool filterBackground(QEvent* event);
    bool filterButton(QEvent* event);
    bool filterLink(QLabel* link, QEvent* event);

    WaveOutput& wave_;
    QString appDir_;
    ConfigRecord config_;
    WindowDrag drag_{this};
    QLabel* background_ = nullptr;
    QLabel* credits_ = nullptr;
    QLabel* closeButton_ = nullptr;
    QLabel* authorLink_ = nullptr;
    QLabel* addressLink_ = nullptr;
    QLabel* pressedLink_ = nullptr;
    QPixmap buttonUp_;
    QPixmap buttonDown_;
    TGoToWeb productPage_;
    TGoToWeb contactPage_;
};
