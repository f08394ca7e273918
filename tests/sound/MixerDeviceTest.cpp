// Choosing the General MIDI soundfont, and opening the device only when asked.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SDL.h>

#include "EventWait.h"
#include "MediaFiles.h"
#include "MixerDevice.h"
#include "ScopedEnv.h"

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
    EXPECT_EQ(MixerDevice::findSoundFont({a, b}), canonical(a));
    EXPECT_EQ(MixerDevice::findSoundFont({b, a}), canonical(b));
}

TEST_F(SoundFontTest, LinkIsFollowedToItsFile) {
    const QString target = font(QStringLiteral("real.sf2"));
    const QString link = missing(QStringLiteral("default-GM.sf2"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(MixerDevice::findSoundFont({link}), canonical(target));
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
        EXPECT_EQ(MixerDevice::findSoundFont({path, b}), canonical(b)) << path.toStdString();
    EXPECT_TRUE(MixerDevice::findSoundFont(unusable).isEmpty());
    EXPECT_TRUE(MixerDevice::findSoundFont({}).isEmpty());
    EXPECT_TRUE(MixerDevice::findSoundFont({QString()}).isEmpty());
}

TEST(SoundFontDefaults, EveryDefaultCandidateIsAnAbsoluteSoundFontPath) {
    const QStringList candidates = MixerDevice::defaultSoundFonts();
    ASSERT_FALSE(candidates.isEmpty());
    for (const QString& path : candidates) {
        EXPECT_TRUE(path.startsWith(QLatin1Char('/'))) << path.toStdString();
        EXPECT_TRUE(path.endsWith(QStringLiteral(".sf2")) || path.endsWith(QStringLiteral(".sf3")))
            << path.toStdString();
    }
}

// --- opening ---

TEST(MixerDeviceOpen, OpensOnceAndStaysOpen) {
    MixerDevice device;
    EXPECT_FALSE(device.failed());
    EXPECT_TRUE(device.ensureOpen());
    EXPECT_TRUE(device.ensureOpen());
    EXPECT_FALSE(device.failed());
}

TEST(MixerDeviceOpen, InstalledSoundFontIsHandedToTheSynthesizer) {
    MixerDevice device;
    ASSERT_TRUE(device.ensureOpen());
    EXPECT_EQ(device.soundFont(), MixerDevice::findSoundFont(MixerDevice::defaultSoundFonts()));
}

// A device that could not be opened (no server yet, no card) is tried again, but not
// at every press.
TEST(MixerDeviceOpen, AFailedDeviceIsTriedAgainOnlyAfterAPause) {
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", QStringLiteral("no-such-driver"));
    MixerDevice device;
    device.setRetryAfter(60000);
    EXPECT_FALSE(device.ensureOpen());
    EXPECT_TRUE(device.failed());
    env.set("SDL_AUDIODRIVER", QStringLiteral("dummy"));
    EXPECT_FALSE(device.ensureOpen()) << "too soon";
    EXPECT_TRUE(device.soundFont().isEmpty());
    device.setRetryAfter(0);
    EXPECT_TRUE(device.ensureOpen());
}

TEST(MixerDeviceOpen, RestOfAClosedOrFailedDeviceDoesNothing) {
    MixerDevice device;
    EXPECT_FALSE(device.rest());
    EXPECT_FALSE(device.isOpen());
    EXPECT_FALSE(device.failed());
    device.soundStarted();
    EXPECT_FALSE(device.isOpen()) << "only a sound opens the device";
}

// A game in progress keeps the device open through quiet spells and opens a resting
// one at once, in the background; after the game it may rest again.
TEST(MixerDeviceReady, AGameInProgressKeepsTheDeviceOpen) {
    MixerDevice device;
    device.keepReady(true);
    ASSERT_TRUE(EventWait::until([&] { return device.isOpen(); }, 10000));
    EXPECT_FALSE(device.rest());
    device.keepReady(false);
    EXPECT_TRUE(device.rest());
    EXPECT_FALSE(device.isOpen());
    device.playerActive();
    EXPECT_TRUE(EventWait::until([&] { return device.isOpen(); }, 10000))
        << "the player's input does not wake the device";
}

// The stream carries the game's name, not the executable's.
TEST(MixerDeviceReady, TheStreamIsNamedAfterTheGame) {
    const QString before = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Zelto 2000"));
    MixerDevice device;
    QCoreApplication::setApplicationName(before);
    ASSERT_TRUE(device.ensureOpen());
    EXPECT_STREQ(SDL_GetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME), "Zelto 2000");
    EXPECT_STREQ(SDL_GetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME), "Zelto 2000");
}
