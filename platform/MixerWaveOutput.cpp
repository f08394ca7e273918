#include "MixerWaveOutput.h"

#include <cmath>

#include <QFile>
#include <QFileInfo>

#include "MixerLibrary.h"

#include "FilePath.h"
#include "LittleEndian.h"
#include "WaveImage.h"

namespace {
Mix_Chunk* decode(const QByteArray& riff) {
    const QByteArray image = WaveImage::clamped(riff);
    if (image.isEmpty()) return nullptr;
    SDL_RWops* rw = mixer().RWFromConstMem(image.constData(), static_cast<int>(image.size()));
    return rw ? mixer().LoadWAV_RW(rw, 1) : nullptr;
}

// Scheme folders copied from case-blind systems may spell the folder or the file
// differently; each missing piece of the path is looked up ignoring case.
QString findPathNoCase(const QString& path) {
    const QFileInfo asked(path);
    if (asked.exists()) return path;
    const QString parent = asked.path();
    if (parent == path || asked.fileName().isEmpty()) return QString();
    const QString dir = findPathNoCase(parent);
    return dir.isEmpty() ? QString() : FilePath::findNoCase(dir, asked.fileName());
}
}  // namespace

MixerWaveOutput::MixerWaveOutput(MixerDevice& device) : device_(device) {
    device_.addClient(*this);
}

MixerWaveOutput::~MixerWaveOutput() {
    device_.removeClient(*this);
    freeChunks();
}

// Chunks exist only while the device is open; never open it just to close it.
void MixerWaveOutput::freeChunks() {
    if (cache_.empty() && !beep_ && !memoryChunk_) return;
    mixer().HaltChannel(MixerDevice::kVoiceChannel);
    for (auto& [path, cached] : cache_)
        if (cached.chunk) mixer().FreeChunk(cached.chunk);
    cache_.clear();
    if (beep_) mixer().FreeChunk(beep_);
    beep_ = nullptr;
    freeMemoryChunk();
    lastChunk_ = nullptr;
}

QByteArray MixerWaveOutput::beepImage() {
    constexpr int kRate = 22050;
    constexpr int kSamples = kRate * 15 / 100;  // 150 ms
    QByteArray pcm;
    for (int i = 0; i < kSamples; ++i) {
        const double fade = std::min(1.0, (kSamples - i) / 600.0);
        const double s = std::sin(2 * M_PI * 880.0 * i / kRate) * 0.35 * fade;
        LittleEndian::append16(pcm, static_cast<int>(s * 32767));
    }
    QByteArray out("RIFF");
    LittleEndian::append32(out, 36 + pcm.size());
    out.append("WAVEfmt ");
    LittleEndian::append32(out, 16);
    LittleEndian::append16(out, 1);  // PCM
    LittleEndian::append16(out, 1);  // mono
    LittleEndian::append32(out, kRate);
    LittleEndian::append32(out, kRate * 2);
    LittleEndian::append16(out, 2);
    LittleEndian::append16(out, 16);
    out.append("data");
    LittleEndian::append32(out, pcm.size());
    return out + pcm;
}

void MixerWaveOutput::playFile(const QString& path) {
    if (!device_.readyFor(*this, [this, path] { playFile(path); })) return;
    if (Mix_Chunk* chunk = chunkFor(path)) {
        start(chunk, Last::File);
        return;
    }
    if (!beep_) beep_ = decode(beepImage());
    start(beep_, Last::Beep);
}

void MixerWaveOutput::playMemory(const QByteArray& riffImage) {
    if (!device_.readyFor(*this, [this, riffImage] { playMemory(riffImage); })) return;
    mixer().HaltChannel(MixerDevice::kVoiceChannel);
    freeMemoryChunk();
    memoryChunk_ = decode(riffImage);
    // An image that does not decode stays silent: no beep for embedded sounds.
    start(memoryChunk_, memoryChunk_ ? Last::Memory : Last::Silence);
}

void MixerWaveOutput::keepReady(bool on) {
    device_.keepReady(on);
}

Mix_Chunk* MixerWaveOutput::chunkFor(const QString& path) {
    const QString found = findPathNoCase(path);
    if (found.isEmpty()) return nullptr;
    const QFileInfo info(found);
    if (!info.isFile()) return nullptr;
    auto it = cache_.find(found);
    if (it != cache_.end()) {
        if (it->second.modified == info.lastModified() && it->second.size == info.size())
            return it->second.chunk;
        mixer().HaltChannel(MixerDevice::kVoiceChannel);
        if (it->second.chunk) mixer().FreeChunk(it->second.chunk);
        cache_.erase(it);
    }
    Mix_Chunk* chunk = decode(WaveImage::fromFile(found));
    // A broken file is remembered too, so it is not decoded again on every press.
    cache_[found] = Cached{chunk, info.lastModified(), info.size()};
    return chunk;
}

void MixerWaveOutput::start(Mix_Chunk* chunk, Last kind) {
    mixer().HaltChannel(MixerDevice::kVoiceChannel);
    last_ = kind;
    lastChunk_ = chunk;
    if (!chunk) return;
    mixer().PlayChannelTimed(MixerDevice::kVoiceChannel, chunk, 0, -1);
    device_.soundStarted();
}

void MixerWaveOutput::freeMemoryChunk() {
    if (!memoryChunk_) return;
    mixer().FreeChunk(memoryChunk_);
    memoryChunk_ = nullptr;
}
