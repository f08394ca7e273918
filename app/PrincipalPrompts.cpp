#include "PrincipalPrompts.h"

#include <QInputDialog>
#include <QMessageBox>

#include "ConfigCheck.h"
#include "ConfigFile.h"
#include "GameTitle.h"
#include "IoErrorBox.h"
#include "QuitQuestionBox.h"
#include "RecordTable.h"
#include "UnitTop10.h"

// Start-up's boxes come before the main window is shown, so they have no parent.
void PrincipalPrompts::showStartupMessage(StartupCheck::Step::Kind kind, const QString& text) {
    if (kind == StartupCheck::Step::Kind::Warning)
        QMessageBox::warning(nullptr, kGameTitle, text);
    else
        QMessageBox::critical(nullptr, kGameTitle, text);
}

void PrincipalPrompts::showStartupIoError(const ConfigIoError& error) {
    ::showIoError(nullptr, error);
}

// At start-up the window is not shown yet and there is nothing to keep a box above.
void PrincipalPrompts::showSkinError(const QString& text) {
    QMessageBox::critical(window_->isVisible() ? window_ : nullptr, QStringLiteral("Error"), text);
}

void PrincipalPrompts::showSettingsWarning(const QString& text) {
    QMessageBox::warning(window_, kGameTitle, text);
}

void PrincipalPrompts::showIoError(const ConfigIoError& error) {
    ::showIoError(window_, error);
}

void PrincipalPrompts::showGameOver() {
    QMessageBox::information(window_, kGameTitle, QStringLiteral("The game is over."));
}

QString PrincipalPrompts::askRecordName(const QString& offered) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(window_, QStringLiteral("Congratulations!"),
                              QStringLiteral("You made a new record !! Insert your name here:"),
                              QLineEdit::Normal, offered, &ok);
    return ok ? answer : offered;
}

// The whole copy goes into the file, with a skin name the fall-back put in its place.
// After the range warning only the game's table goes in, onto the record as it is
// there: the damaged settings stay as they were on disk, as the warning promised.
bool PrincipalPrompts::saveRecord(const ConfigRecord& record) {
    try {
        ConfigRecord onDisk;
        ReadConfig(appDir_, onDisk);
        if (ConfigCheck::problems(onDisk).isEmpty()) {
            WriteConfig(appDir_, record);
        } else {
            RecordTable::copyTable(record, onDisk);
            WriteConfig(appDir_, onDisk);
        }
    } catch (const ConfigIoError& e) {
        ::showIoError(window_, e);
        return false;
    }
    return true;
}

void PrincipalPrompts::showRecords(int highlightRow) {
    top10_->setHighlightRow(highlightRow);
    top10_->exec();
}

bool PrincipalPrompts::confirmQuit() {
    QuitQuestionBox box(kGameTitle, window_);
    return box.finishGame();
}

void PrincipalPrompts::showError(const QString& text) {
    QMessageBox::critical(window_, kGameTitle, text);
}
