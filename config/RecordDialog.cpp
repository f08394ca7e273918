#include "RecordDialog.h"

#include <QShowEvent>

#include "CentreOnScreen.h"
#include "ClickSound.h"
#include "ConfigFile.h"
#include "IoErrorBox.h"

RecordDialog::RecordDialog(WaveOutput& wave, QWidget* parent, const QString& objectName,
                           const QString& caption, QSize client)
    : FixedDialog(parent, objectName, caption, client), wave_(wave) {}

void RecordDialog::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    // Restoring a minimized window is no new showing.
    if (!event->spontaneous()) FormShow();
}

bool RecordDialog::readRecordAndCentre() {
    try {
        ReadConfig(appDir_, record_);
    } catch (const ConfigIoError& e) {
        // Without a record there is nothing Ok could safely write back.
        recordRead_ = false;
        showIoError(this, e);
        return false;
    }
    recordRead_ = true;
    centreOnScreen(this, size() + kFrame);
    return true;
}

bool RecordDialog::writeRecord(const ConfigRecord& updated) {
    if (!recordRead_) return false;
    try {
        WriteConfig(appDir_, updated);
    } catch (const ConfigIoError& e) {
        showIoError(this, e);
        return false;
    }
    if (&updated != &record_) record_ = updated;
    return true;
}

void RecordDialog::clickSound() {
    playClick(wave_, record_, appDir_);
}
