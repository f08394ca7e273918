#pragma once
// A shell script standing in for a web browser: it records the arguments it was
// started with, each ended by a zero byte, in a file beside itself.
#include <QString>
#include <QStringList>

class FakeBrowser {
public:
    // Writes the script to `scriptPath` (folders are created) and makes it executable.
    explicit FakeBrowser(const QString& scriptPath);

    const QString& script() const { return script_; }
    // Waits for the started script to finish recording (the launcher does not wait)
    // and returns its arguments; nothing when it did not run.
    QStringList arguments(int waitMs = 10000) const;
    bool ran() const;

private:
    QString script_;
    QString record_;
};
