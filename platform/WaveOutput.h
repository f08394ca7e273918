#pragma once
// The single voice every sound of the game goes through: each request stops the
// sound that is playing and starts the new one at once; nothing mixes or queues.
#include <QByteArray>
#include <QString>

class WaveOutput {
public:
    virtual ~WaveOutput() = default;
    // Plays a wave file; a missing or unplayable file plays the alert beep instead.
    virtual void playFile(const QString& path) = 0;
    // Plays a complete RIFF/WAVE image from memory; an unplayable image stays silent.
    virtual void playMemory(const QByteArray& riffImage) = 0;
    // While on, a press may come at any moment and must sound at once (a game is in
    // progress); an output without a device to keep open has nothing to do.
    virtual void keepReady(bool on) { (void)on; }
};
