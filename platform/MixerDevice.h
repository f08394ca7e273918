#pragma once
// The sound device, shared by the wave voice and the MIDI players. It is opened on the
// first sound, on a worker thread, so no window waits for the sound system; when there
// is no device the game stays silent, and a device that went away (the sound server
// stopped) is opened again by a later sound, or in the background while a game or a
// piece of music wants it.
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include <QByteArray>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>

#include "MusicCache.h"

class MixerDevice : public QObject {
    Q_OBJECT
public:
    // What uses the device: told before it closes and each time it has opened.
    class Client {
    public:
        // At rest, when lost, at exit: frees what was decoded for the device.
        virtual void deviceClosing() = 0;
        // For what should sound again once a lost device is back.
        virtual void deviceOpened() {}

    protected:
        ~Client() = default;
    };

    static constexpr int kVoiceChannel = 0;
    // SDL mixes for as long as the device is open, even in silence or paused (its stream
    // is never corked, and the sound server keeps its graph running for it), so the device
    // closes after a while without sound and without the player's input, and an idle game
    // costs no CPU. The player's next input, or the next sound, opens it again. A loaded
    // piece of music or a game in progress keeps it open.
    static constexpr int kRestAfterMs = 15000;
    // How often a device that is wanted is checked for a lost server, and tried again.
    static constexpr int kWatchEveryMs = 1000;
    // A device that could not be opened is tried again by a later sound, not sooner.
    static constexpr int kRetryAfterMs = 3000;
    // A sound asked for while the device was opening plays only if it is still this fresh.
    static constexpr int kPendingForMs = 1000;

    MixerDevice();
    ~MixerDevice() override;
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    // True when a sound can start now. Otherwise opening is started in the background
    // (when a try is due) and `retry` runs once the device is open; a newer retry
    // replaces an older one, as a newer sound replaces an older one on the voice.
    bool readyFor(Client& client, std::function<void()> retry);
    // True when the device is open now: waits for an open in progress, or opens it here.
    bool ensureOpen();
    bool isOpen() const { return state_ == State::Open; }
    bool opening() const { return state_ == State::Opening; }
    bool failed() const { return state_ == State::Failed; }
    void setRetryAfter(int ms) { retryAfterMs_ = ms; }

    void soundStarted();  // restarts the countdown to rest
    void holdOpen();      // a piece of music was loaded
    void releaseHold();   // and freed
    // A game in progress waits for a press that must sound at once: while on, the device
    // does not rest, and one that is closed opens in the background.
    void keepReady(bool on);
    bool keptReady() const { return ready_; }
    // The player touched one of the game's windows: a sound may follow at any moment.
    void playerActive();
    void addClient(Client& client);
    // Drops the client and its pending retry.
    void removeClient(Client& client);
    // Closes the device now if nothing sounds and nothing holds it; true when it did.
    bool rest();
    // Closes the device if the sound system reported it gone; true when it did.
    bool closeIfLost();

    // Pieces kept decoded between players; emptied whenever the device closes.
    MusicCache& musicCache() { return musicCache_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Closed, Opening, Open, Failed };
    bool tryDue() const;
    bool wanted() const { return holds_ > 0 || ready_; }
    void updateWatch();
    void watch();
    void startOpening();
    void finishOpening();
    bool openOffThread();
    bool openNow();  // SDL and SDL_mixer only, once the library is loaded
    void closeNow();
    void shutDown();

    State state_ = State::Closed;
    int holds_ = 0;
    bool ready_ = false;
    int retryAfterMs_ = kRetryAfterMs;
    QElapsedTimer failedAt_;
    QTimer restTimer_;
    QTimer watchTimer_;
    MusicCache musicCache_;
    std::vector<Client*> clients_;
    Client* pendingClient_ = nullptr;
    std::function<void()> pending_;
    QElapsedTimer pendingSince_;
    std::thread opener_;
    std::atomic<bool> opened_{false};
    QByteArray streamName_;  // as the desktop's mixer shows the game
};
