// Choosing the General MIDI soundfont, and keeping one decoded piece between players.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SDL_mixer.h>

#include "MediaFiles.h"
#include "MixerDevice.h"
#include "MusicCache.h"

namespace {

class SoundFontTest : public ::testing::Test {
protected:
    QString font(const QString& name, int size = 64) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(MediaFiles::write(path, QByteArray(size, 's')));
        return path;
    }
    QString missing(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    QString canonical(const QString& path) const { return QFileInfo(path).canonicalFilePath(); }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(SoundFontTest, FirstExistingCandidateWins) {
    const QString a = font(QStringLiteral("a.sf2"));
    const QString b = font(QStringLiteral("b.sf3"));
    EXPECT_EQ(MusicCache::findSoundFont({a, b}), canonical(a));
    EXPECT_EQ(MusicCache::findSoundFont({b, a}), canonical(b));
}

TEST_F(SoundFontTest, LinkIsFollowedToItsFile) {
    const QString target = font(QStringLiteral("real.sf2"));
    const QString link = missing(QStringLiteral("default-GM.sf2"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(MusicCache::findSoundFont({link}), canonical(target));
}

// Missing, empty, a folder, a dangling link: each gives way to the next candidate.
TEST_F(SoundFontTest, UnusableCandidatesAreSkipped) {
    ASSERT_TRUE(MediaFiles::makeDir(missing(QStringLiteral("folder.sf2"))));
    const QString dangling = missing(QStringLiteral("dangling.sf2"));
    ASSERT_TRUE(QFile::link(missing(QStringLiteral("gone.sf2")), dangling));
    const QStringList unusable = {missing(QStringLiteral("a.sf2")),
                                  font(QStringLiteral("empty.sf2"), 0),
                                  missing(QStringLiteral("folder.sf2")), dangling};
    const QString b = font(QStringLiteral("b.sf2"));
    for (const QString& path : unusable)
        EXPECT_EQ(MusicCache::findSoundFont({path, b}), canonical(b)) << path.toStdString();
    EXPECT_TRUE(MusicCache::findSoundFont(unusable).isEmpty());
    EXPECT_TRUE(MusicCache::findSoundFont({}).isEmpty());
    EXPECT_TRUE(MusicCache::findSoundFont({QString()}).isEmpty());
}

TEST(SoundFontDefaults, EveryDefaultCandidateIsAnAbsoluteSoundFontPath) {
    const QStringList candidates = MusicCache::defaultSoundFonts();
    ASSERT_FALSE(candidates.isEmpty());
    for (const QString& path : candidates) {
        EXPECT_TRUE(path.startsWith(QLatin1Char('/'))) << path.toStdString();
        EXPECT_TRUE(path.endsWith(QStringLiteral(".sf2")) || path.endsWith(QStringLiteral(".sf3")))
            << path.toStdString();
    }
}

// --- the kept piece ---

// Only the same file with the same bytes gets the kept piece back, once; a device at
// rest keeps nothing.
TEST(MusicCacheKept, OnlyTheSameFileAndBytesTakeItAndARestingDeviceEmptiesIt) {
    MixerDevice device;
    ASSERT_TRUE(device.ensureOpen());
    MusicCache& cache = device.musicCache();
    const QString path = QStringLiteral("/music/Piece.mid");
    const QByteArray bytes = MediaFiles::midi(58);
    const auto keepFresh = [&] {
        Mix_Music* piece = MusicCache::decode(bytes);
        ASSERT_NE(piece, nullptr);
        cache.keep(path, bytes, piece, false);
        ASSERT_TRUE(cache.holds());
    };

    keepFresh();
    EXPECT_EQ(cache.take(QStringLiteral("/music/Other.mid"), bytes), nullptr);
    EXPECT_FALSE(cache.holds()) << "a miss still frees the kept piece";
    keepFresh();
    EXPECT_EQ(cache.take(path, MediaFiles::midi(96)), nullptr) << "the file changed";
    keepFresh();
    Mix_Music* taken = cache.take(path, bytes);
    EXPECT_NE(taken, nullptr);
    EXPECT_FALSE(cache.holds());
    EXPECT_EQ(cache.take(path, bytes), nullptr) << "taken twice";
    MusicCache::dispose(taken);

    keepFresh();
    EXPECT_TRUE(device.rest());
    EXPECT_FALSE(cache.holds());
}
