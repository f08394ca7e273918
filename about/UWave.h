#pragma once
// A wave image carried inside the program and played from memory.
//
// Stored form of the "Data" property: a 32-bit little-endian signed size N, then the
// N bytes of a complete RIFF/WAVE file. An empty holder is never written.
#include <functional>

#include <QByteArray>
#include <QString>

class QIODevice;
class WaveOutput;

class TWaveData {
public:
    // Larger sizes in a stored form are taken as corrupt, not allocated.
    static constexpr qint32 kMaxSize = 64 * 1024 * 1024;

    explicit TWaveData(WaveOutput* output = nullptr) : output_(output) {}
    TWaveData(const TWaveData&) = delete;
    TWaveData& operator=(const TWaveData&) = delete;

    void setOutput(WaveOutput* output) { output_ = output; }
    WaveOutput* output() const { return output_; }

    void Clear();
    // Clears, then copies `size` bytes from `source` when size > 0.
    void SetData(qint32 size, const void* source);
    // A deep copy; no source clears the holder.
    void Assign(const TWaveData* source);

    // Replaces the image by the stored form read from `stream`. A short stream, a
    // negative size, a size above kMaxSize or above what the device still holds
    // leaves the holder empty and returns false.
    bool ReadData(QIODevice& stream);
    // Writes the stored form (also for an empty holder: size 0).
    bool WriteData(QIODevice& stream) const;
    // The whole file becomes the image; a missing, empty or oversized file leaves
    // the holder empty and returns false.
    bool LoadFromFile(const QString& name);
    // Plays the image from memory without waiting; an empty holder plays nothing.
    void Play() const;

    // The "Data" property is stored only when there is something to store.
    bool hasStoredData() const { return !isEmpty(); }
    // Writes the stored form when not empty; false, with nothing written, otherwise.
    bool writeStored(QIODevice& stream) const;

    bool isEmpty() const { return bytes_.isEmpty(); }
    qint32 size() const { return static_cast<qint32>(bytes_.size()); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    WaveOutput* output_ = nullptr;
};

class TWave {
public:
    explicit TWave(WaveOutput* output = nullptr) : data_(output) {}
    TWave(const TWave&) = delete;
    TWave& operator=(const TWave&) = delete;

    TWaveData& WaveData() { return data_; }
    const TWaveData& WaveData() const { return data_; }
    // Copies the content; the owned holder is never replaced.
    void setWaveData(const TWaveData* source) { data_.Assign(source); }
    void setOutput(WaveOutput* output) { data_.setOutput(output); }

    // Called with this component before every sound it starts.
    std::function<void(TWave*)> OnPlay;

    void Play();

private:
    TWaveData data_;
};
