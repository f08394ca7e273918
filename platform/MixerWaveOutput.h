#pragma once
// The game's one voice on SDL_mixer: every request halts the sound that is playing and
// starts the new one on the same channel. Decoded waves are kept until their file
// changes, so a press never waits for the disk.
#include <map>
#include <memory>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "MixerDevice.h"
#include "WaveOutput.h"

struct Mix_Chunk;

class MixerWaveOutput : public WaveOutput, private MixerDevice::Client {
public:
    explicit MixerWaveOutput(MixerDevice& device);
    ~MixerWaveOutput() override;

    void playFile(const QString& path) override;
    void playMemory(const QByteArray& riffImage) override;
    void keepReady(bool on) override;

    // What the voice was last asked to play: for tests and benchmarks.
    enum class Last { Nothing, File, Beep, Memory, Silence };
    Last last() const { return last_; }
    const Mix_Chunk* lastChunk() const { return lastChunk_; }
    int cachedWaves() const { return static_cast<int>(cache_.size()); }

    // The alert beep that stands in for a missing or broken wave, as a RIFF image.
    static QByteArray beepImage();

private:
    struct Cached {
        Mix_Chunk* chunk = nullptr;
        QDateTime modified;
        qint64 size = -1;
    };
    void deviceClosing() override { freeChunks(); }
    Mix_Chunk* chunkFor(const QString& path);
    void start(Mix_Chunk* chunk, Last kind);
    void freeMemoryChunk();
    void freeChunks();

    MixerDevice& device_;
    std::map<QString, Cached> cache_;
    Mix_Chunk* beep_ = nullptr;
    Mix_Chunk* memoryChunk_ = nullptr;
    const Mix_Chunk* lastChunk_ = nullptr;
    Last last_ = Last::Nothing;
};
