#pragma once
// Sets the immutable attribute on one file for the guard's lifetime: nobody, root
// included, may open it for writing. Needs a file system and privileges that allow it.
#include <QByteArray>
#include <QString>

class ImmutableFile {
public:
    explicit ImmutableFile(const QString& path);
    ~ImmutableFile();
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool active() const { return active_; }
    const QString& why() const { return why_; }

private:
    bool setFlag(bool on);

    QByteArray path_;
    bool active_ = false;
    QString why_;
};
