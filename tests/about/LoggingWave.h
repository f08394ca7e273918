#pragma once
// A wave output that notes each request in a shared log, so a test can see what
// happened before and after a sound.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "WaveOutput.h"

class LoggingWave : public WaveOutput {
public:
    void playFile(const QString& path) override {
        files << path;
        log << "file:" + path;
    }
    void playMemory(const QByteArray& riffImage) override {
        images << riffImage;
        log << QStringLiteral("memory");
    }

    QStringList log;
    QStringList files;
    QList<QByteArray> images;
};
