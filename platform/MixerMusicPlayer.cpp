#include "MixerMusicPlayer.h"

#include <atomic>

#include <QCoreApplication>
#include <QFile>
#include <QMetaObject>

#include "MixerLibrary.h"

#include "MusicCache.h"

namespace {
const QString kNoDevice = QStringLiteral("No MCI device open");

// SDL_mixer has one music stream and one finished-hook for the whole process. These name
// the player that holds the stream and its play; SDL's audio thread reads them.
std::atomic<MixerMusicPlayer*> streamOwner{nullptr};
std::atomic<quint64> streamPlay{0};

quint64 nextPlayId() {
    static quint64 plays = 0;  // user-interface thread only
    return ++plays;
}

// Pieces are small; anything this big is no MIDI file worth reading into memory.
constexpr qint64 kMaxPieceBytes = qint64(16) * 1024 * 1024;

bool looksLikeMidi(const QByteArray& head) {
    return head.startsWith("MThd") || (head.startsWith("RIFF") && head.mid(8, 4) == "RMID");
}

QString openFailure(const QString& path) {
    if (!QFile::exists(path)) return QStringLiteral("The specified file was not found: ") + path;
    return QStringLiteral("The file ") + path +
           QStringLiteral(" cannot be played: it may be corrupt, or not a MIDI file.");
}

// The whole piece, or nothing when it is missing, unreadable or no MIDI file.
QByteArray readPiece(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPieceBytes) return QByteArray();
    const QByteArray bytes = file.readAll();
    return looksLikeMidi(bytes) ? bytes : QByteArray();
}
}  // namespace

MixerMusicPlayer::MixerMusicPlayer(MixerDevice& device, QObject* parent)
    : QObject(parent), device_(device) {}

MixerMusicPlayer::~MixerMusicPlayer() {
    onNotify_ = nullptr;
    closeFile();
}

void MixerMusicPlayer::requireOpen() const {
    if (!open_) throw MciError(kNoDevice);
}

bool MixerMusicPlayer::ownsStream() const {
    return streamOwner.load() == this;
}

void MixerMusicPlayer::open() {
    close();
    const QByteArray bytes = readPiece(fileName_);
    if (bytes.isEmpty()) throw MciError(openFailure(fileName_));
    if (device_.ensureOpen()) {
        if (!mixer().HasMusicDecoder("MIDI"))
            throw MciError(QStringLiteral("No MIDI synthesizer is available to play ") + fileName_);
        music_ = device_.musicCache().take(fileName_, bytes);
        if (!music_) music_ = MusicCache::decode(bytes);
        if (!music_) throw MciError(openFailure(fileName_));
    }
    // Without a sound device the game plays on in silence, and the piece is heard once a
    // device opens.
    silent_ = music_ == nullptr;
    bytes_ = bytes;
    openedPath_ = fileName_;
    played_ = false;
    device_.holdOpen();
    holdsDevice_ = true;
    device_.addClient(*this);
    open_ = true;
    held_ = false;
    state_ = State::Stopped;
}

void MixerMusicPlayer::play() {
    requireOpen();
    if (silent_) {
        endPlay();
        state_ = State::Playing;
        playId_ = nextPlayId();
        return;
    }
    // A paused or stopped piece goes on where it stands, as a new play that supersedes
    // the old one; anything else starts at the top.
    if (ownsStream() && (state_ != State::Stopped || held_) && mixer().PlayingMusic() != 0)
        continueOnStream();
    else
        startFromTop();
}

void MixerMusicPlayer::continueOnStream() {
    endPlay();  // a pending notification is superseded by this play
    mixer().ResumeMusic();
    held_ = false;
    state_ = State::Playing;
    playId_ = nextPlayId();
    streamPlay.store(playId_);
    // The hook may have read the previous play just before the piece ended.
    if (mixer().PlayingMusic() == 0) playedToEnd(playId_);
}

void MixerMusicPlayer::startFromTop() {
    streamPlay.store(0);
    MixerMusicPlayer* previous = streamOwner.exchange(nullptr);
    if (previous && previous != this) previous->supersede();
    endPlay();
    held_ = false;
    if (played_) decodeAfresh();
    const quint64 play = nextPlayId();
    startStream(play);
    if (state_ == State::Playing) playId_ = play;
    if (state_ == State::Playing && mixer().PlayingMusic() == 0) playedToEnd(playId_);
}

void MixerMusicPlayer::startStream(quint64 play) {
    // A play that cannot start notifies nothing, so looping music simply stops.
    if (!music_) return;
    mixer().HookMusicFinished(&MixerMusicPlayer::musicFinishedHook);
    // A looping piece goes on from its top inside the synthesizer, without waiting for
    // its last notes to ring out, so the seam has no gap.
    if (mixer().PlayMusic(music_, looping_ ? -1 : 0) != 0) return;
    played_ = true;
    state_ = State::Playing;
    streamOwner.store(this);
    streamPlay.store(play);
}

// FluidSynth's player can only go on from where a halted piece stood, so a piece goes
// back to its top by being decoded again from its bytes (some tens of milliseconds).
void MixerMusicPlayer::decodeAfresh() {
    if (ownsStream()) releaseStream();
    MusicCache::dispose(music_);
    music_ = MusicCache::decode(bytes_);
    played_ = false;
}

void MixerMusicPlayer::pause() {
    requireOpen();
    if (silent_) {
        if (state_ != State::Stopped)
            state_ = state_ == State::Playing ? State::Paused : State::Playing;
        return;
    }
    if (!ownsStream()) return;
    if (state_ == State::Playing) {
        mixer().PauseMusic();
        state_ = State::Paused;
    } else if (state_ == State::Paused) {
        mixer().ResumeMusic();
        state_ = State::Playing;
    }
}

// The stream is only paused, so a later play goes on from the same place.
void MixerMusicPlayer::stop() {
    requireOpen();
    if (state_ == State::Stopped) return;
    if (!silent_ && ownsStream()) {
        streamPlay.store(0);
        mixer().PauseMusic();
        held_ = true;
    }
    endPlay();
}

void MixerMusicPlayer::rewind() {
    requireOpen();
    if (silent_) {
        endPlay();
        return;
    }
    releaseStream();
    endPlay();
    if (played_) decodeAfresh();
}

void MixerMusicPlayer::close() {
    closeFile();
}

void MixerMusicPlayer::closeFile() {
    if (!open_) return;
    releaseStream();
    endPlay();
    device_.removeClient(*this);
    keepDecoded();
    if (holdsDevice_) device_.releaseHold();
    holdsDevice_ = false;
    music_ = nullptr;
    bytes_.clear();
    played_ = false;
    open_ = false;
    silent_ = false;
}

// For the next open of the same file; a device at rest keeps nothing.
void MixerMusicPlayer::keepDecoded() {
    if (!music_) return;
    if (device_.isOpen())
        device_.musicCache().keep(openedPath_, bytes_, music_, played_);
    else
        MusicCache::dispose(music_);
}

// The device is closing under an open piece (the sound server went away): the piece
// stays open, and a play goes on in silence, with its notification still due.
void MixerMusicPlayer::deviceClosing() {
    const bool sounding = ownsStream();
    releaseStream();
    MusicCache::dispose(music_);
    music_ = nullptr;
    played_ = false;
    silent_ = true;
    // A play that was superseded or stopped before the loss is not revived.
    if (!sounding && state_ == State::Playing) endPlay();
}

// The synthesizer cannot say where the lost stream stood, so a play that went on in
// silence starts again from the top: for looping music what a player knows from a new
// game, rather than a jump into the middle of a bar.
void MixerMusicPlayer::deviceOpened() {
    if (!open_ || !silent_) return;
    if (!mixer().HasMusicDecoder("MIDI")) return;
    music_ = device_.musicCache().take(openedPath_, bytes_);
    if (!music_) music_ = MusicCache::decode(bytes_);
    if (!music_) return;
    silent_ = false;
    played_ = false;
    if (state_ != State::Playing) return;
    streamPlay.store(0);
    MixerMusicPlayer* previous = streamOwner.exchange(nullptr);
    if (previous && previous != this) previous->supersede();
    const quint64 play = playId_;
    startStream(play);
    // Cannot start: the play ends as a failed one does.
    if (state_ != State::Playing || !ownsStream()) endPlay();
}

void MixerMusicPlayer::releaseStream() {
    held_ = false;
    if (!ownsStream()) return;
    streamOwner.store(nullptr);
    streamPlay.store(0);
    mixer().HaltMusic();
}

void MixerMusicPlayer::supersede() {
    held_ = false;
    endPlay();
}

// The end of a play is announced after the running handler has returned, like any
// other event, and only once however the play ended.
void MixerMusicPlayer::endPlay() {
    state_ = State::Stopped;
    const quint64 id = playId_;
    playId_ = 0;
    if (id == 0) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (onNotify_) onNotify_();
        },
        Qt::QueuedConnection);
}

void MixerMusicPlayer::playedToEnd(quint64 play) {
    if (!ownsStream() || playId_ != play) return;  // stopped or replaced meanwhile
    streamOwner.store(nullptr);
    streamPlay.store(0);
    endPlay();
    decodeAfresh();  // ready for the next play from the top
}

// Runs on SDL's audio thread: it only hands the play's id over to the user-interface
// thread, which finds the player there, if it still holds the stream.
void MixerMusicPlayer::musicFinishedHook() {
    const quint64 play = streamPlay.load();
    QCoreApplication* app = QCoreApplication::instance();
    if (play == 0 || !app) return;
    QMetaObject::invokeMethod(
        app,
        [play] {
            if (MixerMusicPlayer* owner = streamOwner.load()) owner->playedToEnd(play);
        },
        Qt::QueuedConnection);
}
