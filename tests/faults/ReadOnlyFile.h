#pragma once
// Makes one file read-only for this process for the guard's lifetime. Root ignores
// permissions, so when the tests run as root the process also acts as user "nobody"
// until the guard ends (every folder on the path must be searchable by others).
#include <sys/types.h>

#include <QByteArray>
#include <QString>

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when the file could not be made read-only; why() says what failed.
    bool active() const { return active_; }
    const QString& why() const { return why_; }

private:
    QByteArray path_;
    mode_t mode_ = 0;
    bool dropped_ = false;
    bool active_ = false;
    QString why_;
};
