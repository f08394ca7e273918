#include "MixerMusicPlayer.h"

#include <atomic>

#include <QFile>
#include <QMetaObject>
#include <QPointer>

#include <SDL_mixer.h>

#include "MixerDevice.h"

namespace {
const QString kNoDevice = QStringLiteral("No MCI device open");

// SDL_mixer has one music stream and one finished-hook for the whole process; this
// names the player whose play owns the stream now.
std::atomic<MixerMusicPlayer*> streamOwner{nullptr};

bool looksLikeMidi(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(16);
    return head.startsWith("MThd") || (head.startsWith("RIFF") && head.mid(8, 4) == "RMID");
}

QString openFailure(const QString& path) {
    if (!QFile::exists(path)) return QStringLiteral("The specified file was not found: ") + path;
    return QStringLiteral("The file ") + path +
           QStringLiteral(" cannot be played: it may be corrupt, or not a MIDI file.");
}
}  // namespace

MixerMusicPlayer::MixerMusicPlayer(MixerDevice& device, QObject* parent)
    : QObject(parent), device_(device) {}

MixerMusicPlayer::~MixerMusicPlayer() {
    onNotify_ = nullptr;
    close();
}

void MixerMusicPlayer::requireOpen() const {
    if (!open_) throw MciError(kNoDevice);
}

bool MixerMusicPlayer::ownsStream() const { return streamOwner.load() == this; }

void MixerMusicPlayer::open() {
    close();
    if (!looksLikeMidi(fileName_)) throw MciError(openFailure(fileName_));
    if (!device_.ensureOpen()) {
        // No sound device: the game plays on in silence.
        silent_ = true;
        open_ = true;
        return;
    }
    music_ = Mix_LoadMUS(QFile::encodeName(fileName_).constData());
    if (!music_) throw MciError(openFailure(fileName_));
    open_ = true;
    silent_ = false;
    state_ = State::Stopped;
    resumeAt_ = 0;
    atEnd_ = false;
}

void MixerMusicPlayer::play() {
    requireOpen();
    if (silent_) return;
    if (state_ == State::Paused && ownsStream()) {
        Mix_ResumeMusic();
        state_ = State::Playing;
        return;
    }
    if (state_ == State::Playing) endPlay();  // a new play supersedes this one
    if (atEnd_) resumeAt_ = 0;                 // auto-rewind
    MixerMusicPlayer* previous = streamOwner.exchange(this);
    if (previous && previous != this) previous->endPlay();
    Mix_HookMusicFinished(&MixerMusicPlayer::musicFinishedHook);
    static std::atomic<quint64> plays{0};
    playId_ = ++plays;
    atEnd_ = false;
    if (Mix_PlayMusic(music_, 0) != 0) {
        streamOwner.store(nullptr);
        endPlay();
        return;
    }
    if (resumeAt_ > 0) Mix_SetMusicPosition(resumeAt_);
    state_ = State::Playing;
}

void MixerMusicPlayer::pause() {
    requireOpen();
    if (silent_ || !ownsStream()) return;
    if (state_ == State::Playing) {
        Mix_PauseMusic();
        state_ = State::Paused;
    } else if (state_ == State::Paused) {
        Mix_ResumeMusic();
        state_ = State::Playing;
    }
}

void MixerMusicPlayer::stop() {
    requireOpen();
    if (silent_ || state_ == State::Stopped) return;
    if (ownsStream()) {
        const double at = Mix_GetMusicPosition(music_);
        resumeAt_ = at > 0 ? at : 0;
        streamOwner.store(nullptr);
        Mix_HaltMusic();
    }
    endPlay();
}

void MixerMusicPlayer::rewind() {
    requireOpen();
    resumeAt_ = 0;
    atEnd_ = false;
    if (!silent_ && ownsStream() && state_ != State::Stopped) Mix_RewindMusic();
}

void MixerMusicPlayer::close() {
    if (!open_) return;
    if (ownsStream()) {
        streamOwner.store(nullptr);
        Mix_HaltMusic();
    }
    if (state_ != State::Stopped) endPlay();
    if (music_) Mix_FreeMusic(music_);
    music_ = nullptr;
    open_ = false;
    silent_ = false;
}

// The end of a play is announced after the running handler has returned, like any
// other event, and only once however the play ended.
void MixerMusicPlayer::endPlay() {
    state_ = State::Stopped;
    const quint64 id = playId_;
    playId_ = 0;
    if (id == 0) return;
    QMetaObject::invokeMethod(
        this, [this] { if (onNotify_) onNotify_(); }, Qt::QueuedConnection);
}

void MixerMusicPlayer::finishedOnAudioThread() {
    QPointer<MixerMusicPlayer> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
            if (!self || !self->ownsStream() || self->state_ != State::Playing) return;
            streamOwner.store(nullptr);
            self->atEnd_ = true;
            self->resumeAt_ = 0;
            self->endPlay();
        },
        Qt::QueuedConnection);
}

void MixerMusicPlayer::musicFinishedHook() {
    // Runs on SDL's audio thread: never touch the player here, only hand over.
    if (MixerMusicPlayer* owner = streamOwner.load()) owner->finishedOnAudioThread();
}
