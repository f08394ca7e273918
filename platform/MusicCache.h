#pragma once
// Decoded MIDI pieces on SDL_mixer's synthesizer. A piece closed by a player is kept
// decoded for the next open of the same file, so the next game's music does not load the
// synthesizer again. A piece that has played is decoded afresh at the next quiet moment:
// the synthesizer cannot go back to the top of a piece. The device empties the cache
// when it closes, so a device at rest keeps nothing.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

struct _Mix_Music;

class MusicCache : public QObject {
    Q_OBJECT
public:
    MusicCache() = default;
    ~MusicCache() override;
    MusicCache(const MusicCache&) = delete;
    MusicCache& operator=(const MusicCache&) = delete;

    // The piece kept for this file and these bytes, ready at its top, or null; either
    // way nothing stays kept.
    _Mix_Music* take(const QString& path, const QByteArray& bytes);
    // Takes over `music`; `played` when it is no longer at its top.
    void keep(const QString& path, const QByteArray& bytes, _Mix_Music* music, bool played);
    void clear();
    bool holds() const { return kept_.music != nullptr; }

    // A piece decoded from a MIDI file's bytes, or null.
    static _Mix_Music* decode(const QByteArray& bytes);
    static void dispose(_Mix_Music* music);

    // Hands the first installed General MIDI soundfont to the synthesizer, on every open
    // of the device: the library's built-in path may name a file that is not installed.
    void chooseSoundFont();
    // The soundfont handed over, empty when none is installed.
    const QString& soundFont() const { return soundFont_; }
    // The first installed soundfont of `candidates` (small ones first), or empty.
    static QString findSoundFont(const QStringList& candidates);
    static QStringList defaultSoundFonts();

private:
    void decodeKept();

    struct Kept {
        QString path;
        QByteArray bytes;
        _Mix_Music* music = nullptr;
        bool played = false;  // no longer at its top: decoded afresh before it is reused
    };
    Kept kept_;
    QString soundFont_;
};
