// The one voice on SDL_mixer's dummy driver: a request replaces the sound that plays,
// a file that cannot be played beeps, an embedded image that cannot be played is
// silent, and decoded waves are kept until their file changes.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <SDL.h>
#include <SDL_mixer.h>

#include "EventWait.h"
#include "MediaFiles.h"
#include "MixerDevice.h"
#include "MixerWaveOutput.h"
#include "ScopedEnv.h"

namespace {

using Last = MixerWaveOutput::Last;

class WaveOutputTest : public ::testing::Test {
protected:
    WaveOutputTest() { EXPECT_TRUE(device.ensureOpen()); }

    // Two seconds: still playing when the test looks, whatever the machine's speed.
    QString waveFile(const QString& name, int frames = 44100, int tone = 440) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(MediaFiles::write(path, MediaFiles::wave(frames, 22050, tone)));
        return path;
    }

    QString garbageFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(MediaFiles::write(path, bytes));
        return path;
    }

    // The voice channel plays exactly what the output says it started.
    void expectChannelPlaysLast() const {
        ASSERT_NE(wave.lastChunk(), nullptr);
        EXPECT_EQ(Mix_Playing(MixerDevice::kVoiceChannel), 1);
        EXPECT_EQ(Mix_GetChunk(MixerDevice::kVoiceChannel), wave.lastChunk());
    }

    static QByteArray samples(const Mix_Chunk* chunk) {
        return QByteArray(reinterpret_cast<const char*>(chunk->abuf), int(chunk->alen));
    }

    QTemporaryDir dir;
    MixerDevice device;
    MixerWaveOutput wave{device};
};

quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData() + at));
}

quint16 le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData() + at));
}

}  // namespace

// --- one voice ---

// Files, embedded images and the beep take turns on the one voice channel.
TEST_F(WaveOutputTest, EveryRequestHaltsTheSoundThatPlaysAndPlaysItsOwnChunk) {
    const QString first = waveFile(QStringLiteral("Sound1.wav"), 44100, 440);
    const QString second = waveFile(QStringLiteral("Mistake.wav"), 40000, 660);
    const Mix_Chunk* before = nullptr;
    auto expectReplaced = [&](Last kind, const char* what) {
        EXPECT_EQ(wave.last(), kind) << what;
        EXPECT_NE(wave.lastChunk(), before) << what;
        expectChannelPlaysLast();
        before = wave.lastChunk();
    };
    wave.playFile(first);
    expectReplaced(Last::File, "a file");
    EXPECT_EQ(Mix_AllocateChannels(-1), 1) << "one channel: sounds never mix";
    wave.playFile(second);
    expectReplaced(Last::File, "another file");
    wave.playMemory(MediaFiles::wave(30000, 22050, 300));
    expectReplaced(Last::Memory, "an embedded sound");
    wave.playFile(first);
    expectReplaced(Last::File, "a file after an embedded sound");
    wave.playFile(dir.path() + QStringLiteral("/Gone.wav"));
    expectReplaced(Last::Beep, "the beep");
    wave.playMemory(MediaFiles::wave(44100));
    expectReplaced(Last::Memory, "an embedded sound after the beep");
    wave.playFile(first);
    wave.playFile(first);
    EXPECT_EQ(wave.last(), Last::File) << "the same file again restarts it";
    expectChannelPlaysLast();
}

// --- missing and broken files beep ---

// Missing, no scheme name, no name at all, a folder, no wave, empty, another RIFF.
TEST_F(WaveOutputTest, FilesThatCannotBePlayedBeep) {
    waveFile(QStringLiteral("Sounds/Default Sounds/Sound3.wav"));
    ASSERT_TRUE(MediaFiles::makeDir(dir.path() + QStringLiteral("/Sound4.wav")));
    QByteArray avi = MediaFiles::wave(1000);
    avi.replace(8, 4, "AVI ");
    const QString paths[] = {
        dir.path() + QStringLiteral("/Sounds/Default Sounds/TimeOver.wav"),
        dir.path() + QStringLiteral("/Sounds//Sound3.wav"),
        QString(),
        dir.path() + QStringLiteral("/Sound4.wav"),
        garbageFile(QStringLiteral("Sound5.wav"), QByteArray("this is no wave", 15)),
        garbageFile(QStringLiteral("Sound6.wav"), QByteArray()),
        garbageFile(QStringLiteral("Sound7.wav"), avi),
    };
    for (const QString& path : paths) {
        wave.playMemory(MediaFiles::wave(1000));  // so each beep starts afresh
        wave.playFile(path);
        EXPECT_EQ(wave.last(), Last::Beep) << path.toStdString();
        expectChannelPlaysLast();
    }
}

TEST_F(WaveOutputTest, EveryMissingFileSharesOneBeep) {
    wave.playFile(dir.path() + QStringLiteral("/a.wav"));
    const Mix_Chunk* beep = wave.lastChunk();
    wave.playFile(dir.path() + QStringLiteral("/b.wav"));
    EXPECT_EQ(wave.lastChunk(), beep);
    EXPECT_EQ(wave.cachedWaves(), 0) << "nothing to cache for a file that is not there";
}

// --- letter case ---

TEST_F(WaveOutputTest, FileInAnotherLetterCaseIsFound) {
    waveFile(QStringLiteral("SOUND8.WAV"));
    wave.playFile(dir.path() + QStringLiteral("/Sound8.wav"));
    EXPECT_EQ(wave.last(), Last::File);
    expectChannelPlaysLast();
}

TEST_F(WaveOutputTest, SchemeFolderInAnotherLetterCaseIsFound) {
    waveFile(QStringLiteral("sounds/DEFAULT SOUNDS/sound1.WAV"));
    wave.playFile(dir.path() + QStringLiteral("/Sounds/Default Sounds/Sound1.wav"));
    EXPECT_EQ(wave.last(), Last::File);
    expectChannelPlaysLast();
}

TEST_F(WaveOutputTest, ExactLetterCaseWinsOverAnotherSpelling) {
    waveFile(QStringLiteral("click.wav"), 10000);
    waveFile(QStringLiteral("Click.wav"), 30000);
    wave.playFile(dir.path() + QStringLiteral("/click.wav"));
    const Uint32 lower = wave.lastChunk()->alen;
    wave.playFile(dir.path() + QStringLiteral("/Click.wav"));
    const Uint32 upper = wave.lastChunk()->alen;
    EXPECT_LT(lower, upper);
    EXPECT_EQ(wave.cachedWaves(), 2);
}

// --- embedded images ---

// No beep for an embedded sound, but the sound that played still stops.
TEST_F(WaveOutputTest, UndecodableMemoryImageIsSilent) {
    const QByteArray images[] = {QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunk", 20), QByteArray(),
                                 QByteArray(64, '\xff')};
    for (const QByteArray& image : images) {
        wave.playFile(waveFile(QStringLiteral("Sound9.wav")));
        ASSERT_EQ(Mix_Playing(MixerDevice::kVoiceChannel), 1);
        wave.playMemory(image);
        EXPECT_EQ(wave.last(), Last::Silence) << image.size();
        EXPECT_EQ(wave.lastChunk(), nullptr) << image.size();
        EXPECT_EQ(Mix_Playing(MixerDevice::kVoiceChannel), 0) << image.size();
    }
}

TEST_F(WaveOutputTest, TruncatedMemoryImageNeverBeeps) {
    const QByteArray whole = MediaFiles::wave(1000);
    for (int size : {4, 12, 20, 36, 43}) {
        wave.playMemory(whole.left(size));
        EXPECT_NE(wave.last(), Last::Beep) << size;
        if (wave.last() == Last::Silence) {
            EXPECT_EQ(Mix_Playing(0), 0) << size;
        }
    }
}

// A header that claims more than the file holds (a cut-off copy, a hostile file) plays
// the samples that are there instead of asking the decoder for gigabytes.
TEST_F(WaveOutputTest, ChunkSizesThatOverstateTheFileAreCutToItsBytes) {
    QByteArray lying = MediaFiles::wave(4000);
    const int dataSize = 4000 * 2;
    for (quint32 claim : {0xffffffffu, 0x7fffffffu, quint32(dataSize + 1)}) {
        qToLittleEndian(claim, lying.data() + 40);  // the data chunk's size
        qToLittleEndian(claim, lying.data() + 4);   // and the RIFF's
        wave.playFile(garbageFile(QStringLiteral("Lying%1.wav").arg(claim), lying));
        EXPECT_EQ(wave.last(), Last::File) << claim;
        expectChannelPlaysLast();
        EXPECT_EQ(int(wave.lastChunk()->alen), dataSize * 4) << "22.05 kHz mono to 44.1 kHz stereo";
        wave.playMemory(lying);
        EXPECT_EQ(wave.last(), Last::Memory) << claim;
    }
}

// --- resting ---

// An idle game must not keep SDL mixing silence: the device closes once nothing sounds
// and opens again, with freshly decoded waves, on the next request.
TEST_F(WaveOutputTest, DeviceRestsOnlyInSilenceAndTheNextSoundWakesIt) {
    const QString path = waveFile(QStringLiteral("Sound1.wav"));
    wave.playFile(path);
    EXPECT_FALSE(device.rest()) << "still sounding";
    EXPECT_TRUE(device.isOpen());
    Mix_HaltChannel(MixerDevice::kVoiceChannel);
    EXPECT_TRUE(device.rest());
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(wave.cachedWaves(), 0) << "decoded waves belong to the closed device";
    EXPECT_EQ(wave.lastChunk(), nullptr);
    wave.playFile(path);
    EXPECT_TRUE(device.opening()) << "opened off the user-interface thread";
    ASSERT_TRUE(EventWait::until([this] { return device.isOpen(); }));
    EXPECT_EQ(wave.last(), Last::File) << "the sound asked for meanwhile plays once it is open";
    expectChannelPlaysLast();
    wave.playMemory(MediaFiles::wave(1000));
    EXPECT_EQ(wave.last(), Last::Memory);
}

// --- the cache ---

TEST_F(WaveOutputTest, CacheReusesTheChunkOfAnUnchangedFile) {
    const QString path = waveFile(QStringLiteral("Sound1.wav"), 20000, 440);
    wave.playFile(path);
    const Mix_Chunk* first = wave.lastChunk();
    const QByteArray decoded = samples(first);
    const QDateTime stamp = QFileInfo(path).lastModified();

    // Same size and time stamp: the file counts as unchanged, the old samples play.
    waveFile(QStringLiteral("Sound1.wav"), 20000, 880);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();

    wave.playFile(path);
    EXPECT_EQ(wave.lastChunk(), first);
    EXPECT_EQ(samples(wave.lastChunk()), decoded);
    EXPECT_EQ(wave.cachedWaves(), 1);
    expectChannelPlaysLast();
}

TEST_F(WaveOutputTest, CacheReloadsAFileThatChangedSize) {
    const QString path = waveFile(QStringLiteral("Sound1.wav"), 20000);
    wave.playFile(path);
    const Uint32 before = wave.lastChunk()->alen;

    waveFile(QStringLiteral("Sound1.wav"), 30000);
    wave.playFile(path);
    EXPECT_EQ(wave.last(), Last::File);
    EXPECT_GT(wave.lastChunk()->alen, before);
    EXPECT_EQ(wave.cachedWaves(), 1);
    expectChannelPlaysLast();
}

TEST_F(WaveOutputTest, CacheReloadsAFileWithANewTimeStamp) {
    const QString path = waveFile(QStringLiteral("Sound1.wav"), 20000, 440);
    wave.playFile(path);
    const QByteArray before = samples(wave.lastChunk());
    const QDateTime stamp = QFileInfo(path).lastModified();

    waveFile(QStringLiteral("Sound1.wav"), 20000, 880);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp.addSecs(10), QFileDevice::FileModificationTime));
    file.close();

    wave.playFile(path);
    EXPECT_NE(samples(wave.lastChunk()), before);
    EXPECT_EQ(wave.cachedWaves(), 1);
}

TEST_F(WaveOutputTest, BrokenFileThatIsRepairedPlays) {
    const QString path = garbageFile(QStringLiteral("Click.wav"), QByteArray(100, 'x'));
    wave.playFile(path);
    ASSERT_EQ(wave.last(), Last::Beep);
    waveFile(QStringLiteral("Click.wav"), 5000);
    wave.playFile(path);
    EXPECT_EQ(wave.last(), Last::File);
    expectChannelPlaysLast();
}

TEST_F(WaveOutputTest, FileRemovedAfterCachingBeeps) {
    const QString path = waveFile(QStringLiteral("Click.wav"), 5000);
    wave.playFile(path);
    ASSERT_EQ(wave.last(), Last::File);
    ASSERT_TRUE(QFile::remove(path));
    wave.playFile(path);
    EXPECT_EQ(wave.last(), Last::Beep);
    expectChannelPlaysLast();
}

TEST_F(WaveOutputTest, ReloadingTheWaveThatPlaysLeavesTheChannelOnTheNewChunk) {
    const QString path = waveFile(QStringLiteral("Sound1.wav"), 44100);
    wave.playFile(path);
    ASSERT_EQ(Mix_Playing(0), 1);
    // The old chunk is freed while it was playing: the channel must not keep it.
    waveFile(QStringLiteral("Sound1.wav"), 40000);
    wave.playFile(path);
    expectChannelPlaysLast();
}

// --- the beep itself ---

TEST(BeepImage, IsAValidPcmRiffWave) {
    const QByteArray b = MixerWaveOutput::beepImage();
    ASSERT_GE(b.size(), 44);
    EXPECT_EQ(b.left(4), QByteArray("RIFF"));
    EXPECT_EQ(le32(b, 4), quint32(b.size() - 8));
    EXPECT_EQ(b.mid(8, 4), QByteArray("WAVE"));
    EXPECT_EQ(b.mid(12, 4), QByteArray("fmt "));
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1) << "PCM";
    const quint16 channels = le16(b, 22);
    const quint32 rate = le32(b, 24);
    const quint16 bits = le16(b, 34);
    EXPECT_GE(channels, 1);
    EXPECT_GT(rate, 0u);
    EXPECT_TRUE(bits == 8 || bits == 16);
    EXPECT_EQ(le16(b, 32), channels * bits / 8) << "block align";
    EXPECT_EQ(le32(b, 28), rate * channels * bits / 8) << "byte rate";
    EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
    const quint32 data = le32(b, 40);
    EXPECT_EQ(data, quint32(b.size() - 44));
    EXPECT_GT(data, 0u);
    EXPECT_EQ(data % le16(b, 32), 0u) << "whole frames only";
}

TEST(BeepImage, IsShortAndNotSilent) {
    const QByteArray b = MixerWaveOutput::beepImage();
    const double seconds = double(le32(b, 40)) / le32(b, 28);
    EXPECT_GT(seconds, 0.02);
    EXPECT_LE(seconds, 1.0) << "an alert, not a tune";
    int loudest = 0;
    for (int at = 44; at + 1 < b.size(); at += 2)
        loudest = std::max(loudest, std::abs(int(qint16(le16(b, at)))));
    EXPECT_GT(loudest, 1000);
}

TEST_F(WaveOutputTest, BeepImageDecodesAndPlaysFromMemory) {
    wave.playMemory(MixerWaveOutput::beepImage());
    EXPECT_EQ(wave.last(), Last::Memory);
    expectChannelPlaysLast();
}

// --- the device opens with the first sound ---

// The first window never waits for the sound system: the first sound opens the device
// on a worker thread and plays once it is ready; a newer sound replaces an older one
// asked for meanwhile, and a voice gone before the device opened is never called.
TEST(WaveOutputDevice, OpensOnTheFirstSoundOffTheUserInterfaceThread) {
    MixerDevice device;
    { MixerWaveOutput unused(device); }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "never opened just to be closed";
    {
        MixerWaveOutput gone(device);
        gone.playFile(QStringLiteral("/nowhere/Click.wav"));
        EXPECT_TRUE(device.opening());
    }
    MixerWaveOutput wave(device);
    wave.playMemory(MixerWaveOutput::beepImage());
    wave.playFile(QStringLiteral("/nowhere/Click.wav"));
    EXPECT_EQ(wave.last(), Last::Nothing) << "nothing plays before the device is open";
    ASSERT_TRUE(EventWait::until([&] { return device.isOpen(); }));
    EXPECT_EQ(wave.last(), Last::Beep) << "the newest request plays";
    EXPECT_EQ(Mix_Playing(MixerDevice::kVoiceChannel), 1);
}

// --- no sound device ---

TEST(WaveOutputWithoutDevice, StaysSilentAndNeverFails) {
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", QStringLiteral("no-such-driver"));
    MixerDevice device;
    MixerWaveOutput wave(device);
    wave.playFile(QStringLiteral("/nowhere/Click.wav"));
    wave.playMemory(MixerWaveOutput::beepImage());
    EXPECT_TRUE(EventWait::until([&] { return device.failed(); }));
    wave.playFile(QStringLiteral("/nowhere/Click.wav"));
    EXPECT_FALSE(device.opening()) << "no new try at every press";
    EXPECT_EQ(wave.last(), Last::Nothing);
    EXPECT_EQ(wave.lastChunk(), nullptr);
}
