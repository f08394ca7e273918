#include "MusicCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <malloc.h>

#include "MixerLibrary.h"

MusicCache::~MusicCache() {
    clear();
}

_Mix_Music* MusicCache::decode(const QByteArray& bytes) {
    SDL_RWops* rw = mixer().RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    return rw ? mixer().LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
}

// A synthesizer with its soundfont is several megabytes; the heap gives them back to the
// system at once, or every game would leave the next one's copy beside it.
void MusicCache::dispose(_Mix_Music* music) {
    if (!music) return;
    mixer().FreeMusic(music);
    malloc_trim(0);
}

_Mix_Music* MusicCache::take(const QString& path, const QByteArray& bytes) {
    _Mix_Music* music = nullptr;
    if (kept_.music && kept_.path == path && kept_.bytes == bytes) {
        decodeKept();
        music = kept_.music;
        kept_.music = nullptr;
    }
    clear();
    return music;
}

void MusicCache::keep(const QString& path, const QByteArray& bytes, _Mix_Music* music,
                      bool played) {
    clear();
    kept_ = Kept{path, bytes, music, played};
    // Decoding takes tens of milliseconds: not inside the handler that closed the piece.
    if (played && QCoreApplication::instance())
        QMetaObject::invokeMethod(this, &MusicCache::decodeKept, Qt::QueuedConnection);
}

// Emptied meanwhile (the device closed, or the piece was taken): nothing to do.
void MusicCache::decodeKept() {
    if (!kept_.music || !kept_.played) return;
    dispose(kept_.music);
    kept_.music = decode(kept_.bytes);
    kept_.played = false;
}

void MusicCache::clear() {
    dispose(kept_.music);
    kept_ = Kept{};
}

void MusicCache::chooseSoundFont() {
    soundFont_ = findSoundFont(defaultSoundFonts());
    if (!soundFont_.isEmpty()) mixer().SetSoundFonts(QFile::encodeName(soundFont_).constData());
}

QStringList MusicCache::defaultSoundFonts() {
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

QString MusicCache::findSoundFont(const QStringList& candidates) {
    for (const QString& path : candidates) {
        const QFileInfo info(path);  // follows the alternatives' symlinks
        if (info.isFile() && info.isReadable() && info.size() > 0) return info.canonicalFilePath();
    }
    return QString();
}
