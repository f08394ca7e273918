#include "FakeMusicPlayer.h"

void FakeMusicPlayer::setFileName(const QString& path) {
    fileName_ = path;
    note(QStringLiteral("file ") + path);
}

void FakeMusicPlayer::open() {
    close();
    note(QStringLiteral("open"));
    if (!openError.isEmpty()) throw MciError(openError);
    open_ = true;
}

void FakeMusicPlayer::play() {
    requireOpen(QStringLiteral("play"));
    if (!playError.isEmpty()) throw MciError(playError);
    ++plays;
    playing = true;
}

void FakeMusicPlayer::pause() {
    requireOpen(QStringLiteral("pause"));
}

void FakeMusicPlayer::stop() {
    requireOpen(QStringLiteral("stop"));
    playing = false;
}

void FakeMusicPlayer::rewind() {
    requireOpen(QStringLiteral("rewind"));
}

void FakeMusicPlayer::close() {
    if (!open_) return;
    note(QStringLiteral("close"));
    open_ = false;
    playing = false;
}

void FakeMusicPlayer::requireOpen(const QString& operation) {
    note(operation);
    if (!open_) throw MciError(QStringLiteral("No MCI device open"));
}
