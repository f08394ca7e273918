#pragma once
// The boxes of the main window: what the rules of a game ask (game over, record name,
// records viewer, quit question, errors, storing a record) and those of its session.
#include <QString>

#include "AppDirUser.h"
#include "GamePrompts.h"
#include "SessionPrompts.h"

class QWidget;
class TFormTop10;

class PrincipalPrompts : public GamePrompts, public SessionPrompts, public AppDirUser {
public:
    explicit PrincipalPrompts(QWidget* window) : window_(window) {}

    void setAppDir(const QString& appDir) override { appDir_ = appDir; }
    void setRecordsViewer(TFormTop10* top10) { top10_ = top10; }

    void showGameOver() override;
    QString askRecordName(const QString& offered) override;
    bool saveRecord(const ConfigRecord& record) override;
    void showRecords(int highlightRow) override;
    bool confirmQuit() override;
    void showError(const QString& text) override;

    void showStartupMessage(StartupCheck::Step::Kind kind, const QString& text) override;
    void showStartupIoError(const ConfigIoError& error) override;
    void showSkinError(const QString& text) override;
    void showSettingsWarning(const QString& text) override;
    void showIoError(const ConfigIoError& error) override;

private:
    QWidget* window_;
    TFormTop10* top10_ = nullptr;
    QString appDir_;
};
