#pragma once
// A wave output that only remembers what it was asked to play.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "WaveOutput.h"

class RecordingWave : public WaveOutput {
public:
    void playFile(const QString& path) override { files << path; }
    void playMemory(const QByteArray& riffImage) override { images << riffImage; }

    QStringList files;
    QList<QByteArray> images;
};
