#include "MixerDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
// 512 frames at 44.1 kHz keep the press-to-sound delay near 12 ms.
constexpr int kRate = 44100;
constexpr int kChunkFrames = 512;
}  // namespace

MixerDevice::MixerDevice() {
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(kRestAfterMs);
    QObject::connect(&restTimer_, &QTimer::timeout, [this] {
        if (!rest() && holds_ == 0) soundStarted();  // still sounding: look again later
    });
}

MixerDevice::~MixerDevice() {
    shutDown();
}

void MixerDevice::soundStarted() {
    // Without an event loop (a command-line tool) the device simply stays open.
    if (state_ == State::Open && QCoreApplication::instance()) restTimer_.start();
}

void MixerDevice::holdOpen() {
    ++holds_;
    restTimer_.stop();
}

void MixerDevice::releaseHold() {
    if (holds_ > 0 && --holds_ == 0) soundStarted();
}

void MixerDevice::addRestListener(const void* owner, std::function<void()> freeDecoded) {
    restListeners_.emplace_back(owner, std::move(freeDecoded));
}

void MixerDevice::removeRestListener(const void* owner) {
    std::erase_if(restListeners_, [owner](const auto& entry) { return entry.first == owner; });
}

bool MixerDevice::rest() {
    if (state_ != State::Open || holds_ > 0 || Mix_Playing(-1) != 0 || Mix_PlayingMusic() != 0)
        return false;
    for (const auto& [owner, freeDecoded] : restListeners_) freeDecoded();
    shutDown();
    state_ = State::Closed;
    return true;
}

_Mix_Music* MixerDevice::takeMusic(const QString& path) {
    const QFileInfo info(path);
    _Mix_Music* music = nullptr;
    if (kept_.music && kept_.path == path && info.lastModified() == kept_.modified &&
        info.size() == kept_.size) {
        music = kept_.music;
        kept_.music = nullptr;
    }
    freeKeptMusic();
    return music;
}

void MixerDevice::keepMusic(const QString& path, _Mix_Music* music) {
    freeKeptMusic();
    const QFileInfo info(path);
    kept_ = KeptMusic{path, info.lastModified(), info.size(), music};
}

void MixerDevice::freeKeptMusic() {
    if (kept_.music) Mix_FreeMusic(kept_.music);
    kept_ = KeptMusic{};
}

void MixerDevice::shutDown() {
    restTimer_.stop();
    if (state_ != State::Open) return;
    freeKeptMusic();
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerDevice::ensureOpen() {
    if (state_ != State::Closed) return state_ == State::Open;
    state_ = State::Failed;
    // SDL would otherwise swallow SIGTERM and SIGINT: the desktop must be able to end us.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    // The library's built-in soundfont path may name a file that is not installed.
    soundFont_ = findSoundFont(defaultSoundFonts());
    if (!soundFont_.isEmpty()) Mix_SetSoundFonts(QFile::encodeName(soundFont_).constData());
    state_ = State::Open;
    soundStarted();
    return true;
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
