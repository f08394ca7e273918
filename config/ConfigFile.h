#pragma once
// Reading and writing the one record of Config.dat in the application directory.
// The file is opened for reading and writing, never created or truncated.
#include <stdexcept>

#include <QString>

#include "ConfigRecord.h"

// A failed open, read, write, flush or close, with the text the player is shown:
// "File not found", "Invalid filename", "Too many open files", "File access denied",
// "Read beyond end of file", "Disk full" or "I/O error <code>".
class ConfigIoError : public std::runtime_error {
public:
    explicit ConfigIoError(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// Reads the first 80788 bytes into `rec`; throws ConfigIoError. `rec` is only
// changed when the whole record was read.
void ReadConfig(const QString& appDir, ConfigRecord& rec);

// Writes `rec` over the first 80788 bytes and flushes it to disk before returning;
// bytes past the record are left alone. Throws ConfigIoError.
void WriteConfig(const QString& appDir, const ConfigRecord& rec);
