#pragma once
// A settings or records dialog: its own copy of the Config.dat record, read at each
// showing with the dialog centred on the screen, written back whole only when it was
// read, and the click of its buttons by the one sound rule.
#include <QString>

#include "AppDirUser.h"
#include "ConfigRecord.h"
#include "FixedDialog.h"

class WaveOutput;

class RecordDialog : public FixedDialog, public AppDirUser {
    Q_OBJECT
public:
    // The single border and caption the window system adds around the client area.
    static constexpr QSize kFrame{8, 27};

    RecordDialog(WaveOutput& wave, QWidget* parent, const QString& objectName,
                 const QString& caption, QSize client);

    void setAppDir(const QString& appDir) override { appDir_ = appDir; }
    const ConfigRecord& record() const { return record_; }
    bool recordRead() const { return recordRead_; }

    // Each new showing: the dialog's own steps around readRecordAndCentre().
    virtual void FormShow() = 0;

protected:
    // Reads Config.dat into the copy and centres the dialog; when the record cannot be
    // read, shows the error box, leaves the dialog where it is and returns false.
    bool readRecordAndCentre();
    // Writes `updated` whole and keeps it as the copy; false, with the copy as it was,
    // when no record was read or the write failed (the error box is shown then).
    bool writeRecord(const ConfigRecord& updated);
    void clickSound();

    ConfigRecord& editRecord() { return record_; }
    const QString& appDir() const { return appDir_; }
    WaveOutput& wave() { return wave_; }

    void showEvent(QShowEvent* event) override;

private:
    WaveOutput& wave_;
    QString appDir_;
    ConfigRecord record_;
    bool recordRead_ = false;
};
