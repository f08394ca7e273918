#pragma once
// The boxes of the main window: what the rules of a game ask (game over, record name,
// records viewer, quit question, errors, storing a record) and the messages of start-up.
#include <QString>

#include "GamePrompts.h"
#include "StartupCheck.h"

class QWidget;
class TFormTop10;

class PrincipalPrompts : public GamePrompts {
public:
    explicit PrincipalPrompts(QWidget* window) : window_(window) {}

    void setAppDir(const QString& appDir) { appDir_ = appDir; }
    void setRecordsViewer(TFormTop10* top10) { top10_ = top10; }

    // Shows start-up's messages in order and makes its writes after them; false when the
    // program must end.
    bool showStartup(const StartupCheck::Result& start) const;

    void showGameOver() override;
    QString askRecordName(const QString& offered) override;
    bool saveRecord(const ConfigRecord& record) override;
    void showRecords(int highlightRow) override;
    bool confirmQuit() override;
    void showError(const QString& text) override;

private:
    QWidget* window_;
    TFormTop10* top10_ = nullptr;
    QString appDir_;
};
