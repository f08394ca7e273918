// Opening the device only when asked, trying a failed one again, and keeping it ready.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <SDL.h>

#include "EventWait.h"
#include "MixerDevice.h"
#include "ScopedEnv.h"

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
    EXPECT_EQ(device.musicCache().soundFont(),
              MusicCache::findSoundFont(MusicCache::defaultSoundFonts()));
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
    EXPECT_TRUE(device.musicCache().soundFont().isEmpty());
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
