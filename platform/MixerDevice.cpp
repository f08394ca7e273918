#include "MixerDevice.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFileInfo>

#include "MixerLibrary.h"

namespace {
// 512 frames at 44.1 kHz keep the press-to-sound delay near 12 ms; fewer let the
// synthesizer's music break up on a busy machine.
constexpr int kDeviceRate = 44100;
constexpr int kChunkFrames = 512;

// SDL's PulseAudio driver keeps a whole buffer ahead in the server, which through
// pipewire-pulse puts a press over 20 ms; its PipeWire driver mixes each cycle as the
// graph asks for it. The player's own SDL_AUDIODRIVER still wins.
bool pipeWireServerRunning() {
    QString dir = qEnvironmentVariable("PIPEWIRE_RUNTIME_DIR");
    if (dir.isEmpty()) dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString remote = qEnvironmentVariable("PIPEWIRE_REMOTE");
    if (remote.isEmpty()) remote = QStringLiteral("pipewire-0");
    return !dir.isEmpty() && QFileInfo::exists(dir + QLatin1Char('/') + remote);
}

// Over an SDL_AUDIODRIVER that is set but empty too; "" is SDL's usual order.
void chooseDriver(const char* name) {
    mixer().SetHintWithPriority(SDL_HINT_AUDIODRIVER, name, SDL_HINT_OVERRIDE);
}
}  // namespace

MixerDevice::MixerDevice() : streamName_(QCoreApplication::applicationName().toUtf8()) {
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestAfterMs);
    connect(&restTimer_, &QTimer::timeout, this, [this] {
        if (closeIfLost()) return;
        if (!rest() && !wanted()) soundStarted();  // still sounding: look again later
    });
    watchTimer_.setInterval(kWatchEveryMs);
    connect(&watchTimer_, &QTimer::timeout, this, &MixerDevice::watch);
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

MixerDevice::~MixerDevice() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    watchTimer_.stop();
    pending_ = nullptr;
    finishOpening();
    closeNow();
}

bool MixerDevice::tryDue() const {
    return state_ == State::Closed ||
           (state_ == State::Failed && failedAt_.isValid() && failedAt_.elapsed() >= retryAfterMs_);
}

bool MixerDevice::readyFor(Client& client, std::function<void()> retry) {
    closeIfLost();
    if (state_ == State::Open) return true;
    if (state_ != State::Opening && !tryDue()) return false;
    pendingClient_ = &client;
    pending_ = std::move(retry);
    pendingSince_.start();
    // Without an event loop nothing would deliver the opened device: open it here.
    if (!QCoreApplication::instance()) {
        ensureOpen();
        return false;
    }
    if (state_ != State::Opening) startOpening();
    return false;
}

bool MixerDevice::ensureOpen() {
    closeIfLost();
    if (state_ == State::Opening) finishOpening();
    if (tryDue()) {
        opened_.store(MixerLibrary::load() && openNow());
        state_ = State::Opening;
        finishOpening();
    }
    return state_ == State::Open;
}

void MixerDevice::startOpening() {
    state_ = State::Opening;
    opener_ = std::thread([this] {
        opened_.store(openOffThread());
        QMetaObject::invokeMethod(this, &MixerDevice::finishOpening, Qt::QueuedConnection);
    });
}

// SDL frees what it keeps for a thread (its error text, its thread data) only for the
// threads it made itself, so the device is opened on one of those.
bool MixerDevice::openOffThread() {
    const MixerLibrary* sdl = MixerLibrary::load();
    if (!sdl) return false;
    const auto open = [](void* device) -> int {
        return static_cast<MixerDevice*>(device)->openNow() ? 1 : 0;
    };
    SDL_Thread* thread = sdl->CreateThread(open, "zelto sound", this);
    if (!thread) return false;
    int opened = 0;
    sdl->WaitThread(thread, &opened);
    return opened == 1;
}

// On the user-interface thread: once the worker is done, or at once when someone needs
// the device now.
void MixerDevice::finishOpening() {
    if (state_ != State::Opening) return;
    if (opener_.joinable()) opener_.join();
    std::function<void()> pending = std::move(pending_);
    pending_ = nullptr;
    pendingClient_ = nullptr;
    if (!opened_.load()) {
        state_ = State::Failed;
        failedAt_.start();
        return;
    }
    state_ = State::Open;
    soundStarted();
    // What played before the device went away comes back first; a newer sound then
    // replaces it on the voice.
    const std::vector<Client*> clients = clients_;
    for (Client* client : clients) client->deviceOpened();
    if (pending && pendingSince_.elapsed() <= kPendingForMs) pending();
}

bool MixerDevice::openNow() {
    // SDL would otherwise swallow SIGTERM and SIGINT: the desktop must be able to end us.
    mixer().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The desktop's mixer names the stream after the game, not after the executable.
    if (!streamName_.isEmpty()) {
        mixer().SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, streamName_.constData());
        mixer().SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, streamName_.constData());
    }
    const bool chosen = qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER");
    const bool native = chosen && pipeWireServerRunning();
    if (chosen) chooseDriver(native ? "pipewire" : "");
    if (mixer().InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (!native) return false;
        // No PipeWire driver in this SDL: its usual order of drivers.
        chooseDriver("");
        if (mixer().InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    }
    mixer().Init(MIX_INIT_MID);
    if (mixer().OpenAudio(kDeviceRate, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
        mixer().Quit();
        mixer().QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer().AllocateChannels(1);
    musicCache_.chooseSoundFont();
    // Only a removal from now on says that this device went away.
    mixer().FlushEvents(SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED);
    return true;
}

void MixerDevice::soundStarted() {
    // Without an event loop (a command-line tool) the device simply stays open.
    if (state_ == State::Open && QCoreApplication::instance()) restTimer_.start();
}

void MixerDevice::holdOpen() {
    ++holds_;
    restTimer_.stop();
    updateWatch();
}

void MixerDevice::releaseHold() {
    if (holds_ > 0 && --holds_ == 0 && !ready_) soundStarted();
    updateWatch();
}

void MixerDevice::keepReady(bool on) {
    if (ready_ == on) return;
    ready_ = on;
    if (on) {
        restTimer_.stop();
        playerActive();
    } else if (holds_ == 0) {
        soundStarted();
    }
    updateWatch();
}

void MixerDevice::playerActive() {
    if (state_ == State::Open) {
        if (!wanted()) soundStarted();
        return;
    }
    // Opening takes tens of milliseconds on some servers: done now, before the press. A
    // device that failed is tried again by sounds, not by every move of the pointer.
    if (state_ == State::Closed && QCoreApplication::instance()) startOpening();
}

bool MixerDevice::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
            playerActive();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

// A device someone wants is checked for a lost server, and reopened once one is back.
void MixerDevice::updateWatch() {
    if (wanted() && QCoreApplication::instance()) {
        if (!watchTimer_.isActive()) watchTimer_.start();
    } else {
        watchTimer_.stop();
    }
}

void MixerDevice::watch() {
    if (state_ == State::Open) {
        closeIfLost();
        return;
    }
    if (state_ != State::Opening && tryDue()) startOpening();
}

void MixerDevice::addClient(Client& client) {
    if (std::ranges::find(clients_, &client) == clients_.end()) clients_.push_back(&client);
}

void MixerDevice::removeClient(Client& client) {
    std::erase(clients_, &client);
    if (pendingClient_ != &client) return;
    pendingClient_ = nullptr;
    pending_ = nullptr;
}

bool MixerDevice::rest() {
    if (state_ != State::Open || wanted() || mixer().Playing(-1) != 0 ||
        mixer().PlayingMusic() != 0)
        return false;
    closeNow();
    return true;
}

// A server that goes away leaves the device mixing into nothing; SDL says so with a
// removal event, which arrives from its audio thread.
bool MixerDevice::closeIfLost() {
    if (state_ != State::Open) return false;
    SDL_Event events[8];
    bool lost = false;
    int count = 0;
    while ((count = mixer().PeepEvents(events, 8, SDL_GETEVENT, SDL_AUDIODEVICEADDED,
                                       SDL_AUDIODEVICEREMOVED)) > 0)
        for (int i = 0; i < count; ++i)
            if (events[i].type == SDL_AUDIODEVICEREMOVED && events[i].adevice.iscapture == 0)
                lost = true;
    if (!lost) return false;
    closeNow();
    return true;
}

void MixerDevice::closeNow() {
    if (state_ != State::Open) return;
    // A client may release its hold while freeing; none of that may reopen anything.
    // Holds stay: what holds the device wants it back once the server is.
    const std::vector<Client*> clients = clients_;
    for (Client* client : clients) client->deviceClosing();
    shutDown();
    state_ = State::Closed;
}

void MixerDevice::shutDown() {
    restTimer_.stop();
    musicCache_.clear();
    mixer().HaltChannel(-1);
    mixer().HaltMusic();
    mixer().CloseAudio();
    mixer().Quit();
    mixer().QuitSubSystem(SDL_INIT_AUDIO);
}
