#pragma once
// A wave output that only records what it was asked to play: the files, the memory
// images, and both in one ordered log ("file:<path>", "memory") to which a test may
// add its own entries.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "WaveOutput.h"

class RecordingWave : public WaveOutput {
public:
    void playFile(const QString& path) override {
        files << path;
        log << QStringLiteral("file:") + path;
    }
    void playMemory(const QByteArray& riffImage) override {
        images << riffImage;
        log << QStringLiteral("memory");
    }

    QStringList files;
    QList<QByteArray> images;
    QStringList log;
};
