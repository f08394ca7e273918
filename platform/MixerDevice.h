#pragma once
// The sound device, shared by the wave voice and the MIDI players. It is opened on the
// first sound, not at start-up; when there is no device the game simply stays silent.
#include <QString>

class MixerDevice {
public:
    static constexpr int kVoiceChannel = 0;

    MixerDevice() = default;
    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    // True when the device is open; tries once, never again after a failure.
    bool ensureOpen();
    bool failed() const { return state_ == State::Failed; }

    // The General MIDI soundfont handed to the synthesizer, empty when none is installed.
    const QString& soundFont() const { return soundFont_; }
    // The first installed soundfont of `candidates` (small ones first), or empty.
    static QString findSoundFont(const QStringList& candidates);
    static QStringList defaultSoundFonts();

private:
    enum class State { Closed, Open, Failed };
    State state_ = State::Closed;
    QString soundFont_;
};
