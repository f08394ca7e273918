#pragma once
// Whole-file writes that never leave a half-written file behind.
#include <stdexcept>

#include <QByteArray>
#include <QImage>
#include <QString>

class FileSinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileSink {
public:
    // Replaces `path` with `bytes` through a temporary file and a rename.
    static void write(const QString& path, const QByteArray& bytes);
    // Creates `path` with `bytes` only if no such file exists; false when it was already there.
    static bool create(const QString& path, const QByteArray& bytes);
    // Encodes `image` in `format` ("BMP", "JPG", "PNG") and writes it as above.
    static void writeImage(const QString& path, const QImage& image, const char* format,
                           int quality = -1);
    static void makeDir(const QString& path);
};
