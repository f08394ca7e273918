#include "MixerDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <malloc.h>

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

bool MixerDevice::readyFor(const void* owner, std::function<void()> retry) {
    closeIfLost();
    if (state_ == State::Open) return true;
    if (state_ != State::Opening && !tryDue()) return false;
    pendingOwner_ = owner;
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
    pendingOwner_ = nullptr;
    if (!opened_.load()) {
        state_ = State::Failed;
        failedAt_.start();
        return;
    }
    state_ = State::Open;
    soundStarted();
    // What played before the device went away comes back first; a newer sound then
    // replaces it on the voice.
    const Listeners listeners = openListeners_;
    for (const auto& [owner, opened] : listeners) opened();
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
    // The library's built-in soundfont path may name a file that is not installed.
    soundFont_ = findSoundFont(defaultSoundFonts());
    if (!soundFont_.isEmpty()) mixer().SetSoundFonts(QFile::encodeName(soundFont_).constData());
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

void MixerDevice::addCloseListener(const void* owner, std::function<void()> freeDecoded) {
    closeListeners_.emplace_back(owner, std::move(freeDecoded));
}

void MixerDevice::addOpenListener(const void* owner, std::function<void()> opened) {
    openListeners_.emplace_back(owner, std::move(opened));
}

void MixerDevice::forget(const void* owner) {
    const auto owned = [owner](const auto& entry) { return entry.first == owner; };
    std::erase_if(closeListeners_, owned);
    std::erase_if(openListeners_, owned);
    if (pendingOwner_ != owner) return;
    pendingOwner_ = nullptr;
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
    // A listener may release its hold while freeing; none of that may reopen anything.
    // Holds stay: what holds the device wants it back once the server is.
    const Listeners listeners = closeListeners_;
    for (const auto& [owner, freeDecoded] : listeners) freeDecoded();
    shutDown();
    state_ = State::Closed;
}

void MixerDevice::shutDown() {
    restTimer_.stop();
    freeKeptMusic();
    mixer().HaltChannel(-1);
    mixer().HaltMusic();
    mixer().CloseAudio();
    mixer().Quit();
    mixer().QuitSubSystem(SDL_INIT_AUDIO);
}

_Mix_Music* MixerDevice::decodeMusic(const QByteArray& bytes) {
    SDL_RWops* rw = mixer().RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    return rw ? mixer().LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
}

_Mix_Music* MixerDevice::takeMusic(const QString& path, const QByteArray& bytes) {
    _Mix_Music* music = nullptr;
    if (kept_.music && kept_.path == path && kept_.bytes == bytes) {
        decodeKept();
        music = kept_.music;
        kept_.music = nullptr;
    }
    freeKeptMusic();
    return music;
}

void MixerDevice::keepMusic(const QString& path, const QByteArray& bytes, _Mix_Music* music,
                            bool played) {
    freeKeptMusic();
    kept_ = KeptMusic{path, bytes, music, played};
    if (state_ != State::Open) {
        freeKeptMusic();
        return;
    }
    // Decoding takes tens of milliseconds: not inside the handler that closed the piece.
    if (played && QCoreApplication::instance())
        QMetaObject::invokeMethod(this, &MixerDevice::decodeKept, Qt::QueuedConnection);
}

void MixerDevice::decodeKept() {
    if (state_ != State::Open || !kept_.music || !kept_.played) return;
    freeMusic(kept_.music);
    kept_.music = decodeMusic(kept_.bytes);
    kept_.played = false;
}

// A synthesizer with its soundfont is several megabytes; the heap gives them back to the
// system at once, or every game would leave the next one's copy beside it.
void MixerDevice::freeMusic(_Mix_Music* music) {
    if (!music) return;
    mixer().FreeMusic(music);
    malloc_trim(0);
}

void MixerDevice::freeKeptMusic() {
    freeMusic(kept_.music);
    kept_ = KeptMusic{};
}

QStringList MixerDevice::defaultSoundFonts() {
    QStringList candidates = {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
                              QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
                              QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
                              QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
                              QStringLiteral("/usr/share/soundfonts/default.sf2")};
    for (const QString& dir :
         {QStringLiteral("/usr/share/sounds/sf2"), QStringLiteral("/usr/share/sounds/sf3"),
          QStringLiteral("/usr/share/soundfonts")})
        for (const QString& name : QDir(dir).entryList(
                 {QStringLiteral("*.sf2"), QStringLiteral("*.sf3")}, QDir::Files, QDir::Name))
            candidates << dir + QLatin1Char('/') + name;
    return candidates;
}

QString MixerDevice::findSoundFont(const QStringList& candidates) {
    for (const QString& path : candidates) {
        const QFileInfo info(path);  // follows the alternatives' symlinks
        if (info.isFile() && info.isReadable() && info.size() > 0) return info.canonicalFilePath();
    }
    return QString();
}
