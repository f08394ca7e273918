#pragma once
// The sound device, shared by the wave voice and the MIDI players. It is opened on the
// first sound, not at start-up; when there is no device the game simply stays silent.
#include <functional>
#include <utility>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QTimer>

struct _Mix_Music;

class MixerDevice {
public:
    static constexpr int kVoiceChannel = 0;

    MixerDevice();
    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    // True when the device is open; tries once, never again after a failure.
    bool ensureOpen();
    bool failed() const { return state_ == State::Failed; }

    // SDL mixes for as long as the device is open, even in silence, so the device closes
    // after a while without sound and an idle game costs no CPU; the next sound opens it
    // again. A loaded piece of music keeps it open.
    static constexpr int kRestAfterMs = 15000;
    bool isOpen() const { return state_ == State::Open; }
    void soundStarted();  // restarts the countdown to rest
    void holdOpen();      // a piece of music was loaded
    void releaseHold();   // and freed
    // Called before the device closes, to free what was decoded for it.
    void addRestListener(const void* owner, std::function<void()> freeDecoded);
    void removeRestListener(const void* owner);
    // Closes the device now if nothing sounds and nothing holds it; true when it did.
    bool rest();

    // The last piece of music closed stays decoded, so the next game's music starts
    // without loading the synthesizer and its soundfont again. Taking it back needs
    // the same file, unchanged; a device at rest keeps nothing.
    _Mix_Music* takeMusic(const QString& path);
    void keepMusic(const QString& path, _Mix_Music* music);

    // The General MIDI soundfont handed to the synthesizer, empty when none is installed.
    const QString& soundFont() const { return soundFont_; }
    // The first installed soundfont of `candidates` (small ones first), or empty.
    static QString findSoundFont(const QStringList& candidates);
    static QStringList defaultSoundFonts();

private:
    enum class State { Closed, Open, Failed };
    void shutDown();
    void freeKeptMusic();

    struct KeptMusic {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        _Mix_Music* music = nullptr;
    };

    State state_ = State::Closed;
    int holds_ = 0;
    QTimer restTimer_;
    KeptMusic kept_;
    std::vector<std::pair<const void*, std::function<void()>>> restListeners_;
    QString soundFont_;
};
