// The MIDI player on SDL_mixer's dummy driver: the error of a closed player, opening,
// pause and stop, and one notification per play, delivered on the event loop.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <SDL.h>
#include <SDL_mixer.h>

#include "EventWait.h"
#include "MediaFiles.h"
#include "MixCapture.h"
#include "MixerDevice.h"
#include "MixerMusicPlayer.h"
#include "MixerWaveOutput.h"
#include "ScopedEnv.h"

namespace {

const QString kNoDevice = QStringLiteral("No MCI device open");
// 96 ticks are half a second: a short piece ends quickly, a long one outlasts any check.
constexpr int kShortPiece = 58;
constexpr int kLongPiece = 96 * 8;
// Generous: the dummy driver plays in real time on a busy machine.
constexpr int kPatienceMs = 10000;

QString errorOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const MciError& e) {
        return e.text();
    }
    return QStringLiteral("<no error>");
}

// Counts the device's closings and openings, as a player sees them.
struct DeviceWatch : MixerDevice::Client {
    void deviceClosing() override { ++closings; }
    void deviceOpened() override { ++openings; }
    int closings = 0;
    int openings = 0;
};

bool runUntil(const std::function<bool()>& done, int timeoutMs = kPatienceMs) {
    return EventWait::until(done, timeoutMs);
}

void settle(int ms = 150) {
    EventWait::settle(ms);
}

class MusicPlayerTest : public ::testing::Test {
protected:
    MusicPlayerTest() {
        player.setOnNotify([this] { ++notes; });
    }

    QString midiFile(const QString& name, int ticks) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(MediaFiles::write(path, MediaFiles::midi(ticks)));
        return path;
    }

    QString otherFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(MediaFiles::write(path, bytes));
        return path;
    }

    void openPiece(int ticks) {
        player.setFileName(midiFile(QStringLiteral("Piece.mid"), ticks));
        ASSERT_EQ(errorOf([this] { player.open(); }), QStringLiteral("<no error>"));
    }

    QTemporaryDir dir;
    MixerDevice device;
    MixerMusicPlayer player{device};
    int notes = 0;
};

}  // namespace

// A loaded piece keeps the device open even while stopped, so it can go on where it
// stood; closing the piece lets the device rest.
TEST_F(MusicPlayerTest, AnOpenPieceKeepsTheDeviceFromResting) {
    openPiece(kLongPiece);
    player.play();
    player.stop();
    EXPECT_FALSE(device.rest());
    player.close();
    EXPECT_TRUE(device.rest());
    EXPECT_FALSE(device.isOpen());
    openPiece(kLongPiece);
    EXPECT_TRUE(device.isOpen());
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

// Every play that is not a resume starts at the piece's first event: after Stop and
// rewind, after a close and a new open (of the piece kept at the close), and after the
// piece has played to its end. The synthesizer itself would go on where it stood.
TEST_F(MusicPlayerTest, EveryPlayThatIsNoResumeStartsAtTheTop) {
    player.setFileName(otherFile(QStringLiteral("Melody.mid"), MediaFiles::melody(2)));
    player.open();
    MixCapture capture;
    auto start = [&] {
        capture.restart();
        player.play();
        EXPECT_TRUE(capture.waitFor(1200));
        return capture.envelope();
    };
    constexpr std::size_t kBins = 100;  // the first second
    const std::vector<double> first = start();

    player.stop();
    player.rewind();
    EXPECT_GT(MixCapture::correlation(first, start(), kBins), 0.9) << "after Stop";

    player.close();
    settle(200);  // the closed piece is decoded afresh for the next open
    player.open();
    EXPECT_GT(MixCapture::correlation(first, start(), kBins), 0.9) << "after close and open";

    ASSERT_TRUE(runUntil([this] { return notes == 3; }));  // played to its end
    EXPECT_GT(MixCapture::correlation(first, start(), kBins), 0.9) << "after the end";
}

// The game's music loops inside the synthesizer: no notification at the end and no
// gap at the seam; a stop still ends the play with one notification.
TEST_F(MusicPlayerTest, LoopingPlayRepeatsWithoutAGapAndEndsWithOneNotification) {
    player.setFileName(otherFile(QStringLiteral("Organ.mid"), MediaFiles::sustained(96)));
    player.open();
    player.setLooping(true);
    MixCapture capture;
    player.play();
    ASSERT_TRUE(capture.waitFor(2000));  // four passes of half a second
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(notes, 0);
    EXPECT_LT(capture.longestSilenceMs(), 100);
    player.stop();
    settle();
    EXPECT_EQ(notes, 1);
}

// A sound server that goes away mid-play: the play goes on in silence with no
// notification, the device is tried again in the background, and once it is back the
// piece sounds again within the same play, which still ends with one notification.
TEST_F(MusicPlayerTest, APlayOutlivesALostDeviceAndSoundsAgainOnceItIsBack) {
    device.setRetryAfter(0);
    player.setLooping(true);
    openPiece(kShortPiece);
    player.play();
    DeviceWatch watch;
    device.addClient(watch);
    SDL_Event removed{};
    removed.type = SDL_AUDIODEVICEREMOVED;
    removed.adevice.which = 2;
    ASSERT_EQ(SDL_PushEvent(&removed), 1);

    ASSERT_TRUE(runUntil([&] { return watch.closings == 1 && watch.openings == 1; }))
        << "the lost device was not opened again";
    EXPECT_TRUE(player.playing());
    EXPECT_FALSE(player.silent());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    settle();
    EXPECT_EQ(notes, 0) << "the loss ended the play";
    player.stop();
    EXPECT_TRUE(runUntil([this] { return notes == 1; }));
    settle(100);
    EXPECT_EQ(notes, 1);
    device.removeClient(watch);
}

// A piece stopped before the loss stays quiet when the device is back.
TEST_F(MusicPlayerTest, AStoppedPieceStaysQuietWhenALostDeviceIsBack) {
    device.setRetryAfter(0);
    openPiece(kLongPiece);
    player.play();
    player.stop();
    DeviceWatch watch;
    device.addClient(watch);
    ASSERT_TRUE(runUntil([this] { return notes == 1; }));
    SDL_Event removed{};
    removed.type = SDL_AUDIODEVICEREMOVED;
    ASSERT_EQ(SDL_PushEvent(&removed), 1);
    ASSERT_TRUE(runUntil([&] { return watch.openings == 1; }));
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    settle(100);
    EXPECT_EQ(notes, 1);
    device.removeClient(watch);
}

// --- a player with no file open ---

TEST_F(MusicPlayerTest, EveryOperationBeforeOpenAndAfterCloseFailsWithNoMciDeviceOpen) {
    for (const char* when : {"never opened", "closed"}) {
        EXPECT_FALSE(player.isOpen()) << when;
        EXPECT_EQ(errorOf([this] { player.play(); }), kNoDevice) << when;
        EXPECT_EQ(errorOf([this] { player.pause(); }), kNoDevice) << when;
        EXPECT_EQ(errorOf([this] { player.stop(); }), kNoDevice) << when;
        EXPECT_EQ(errorOf([this] { player.rewind(); }), kNoDevice) << when;
        openPiece(kLongPiece);
        player.close();
    }
}

TEST_F(MusicPlayerTest, CloseOnAClosedPlayerDoesNothing) {
    EXPECT_EQ(errorOf([this] { player.close(); }), QStringLiteral("<no error>"));
    openPiece(kLongPiece);
    player.close();
    EXPECT_EQ(errorOf([this] { player.close(); }), QStringLiteral("<no error>"));
    settle(50);
    EXPECT_EQ(notes, 0) << "nothing was playing";
}

// --- opening ---

TEST_F(MusicPlayerTest, TinyMidiFileOpens) {
    openPiece(kShortPiece);
    EXPECT_TRUE(player.isOpen());
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.fileName(), dir.path() + QStringLiteral("/Piece.mid"));
}

// Text, a RIFF that is no RMID, nothing at all: each fails with a message of its own.
TEST_F(MusicPlayerTest, FilesNamedMidThatAreNoMidiFailToOpen) {
    const std::pair<const char*, QByteArray> files[] = {{"Notes.mid", "just some notes\n"},
                                                        {"Wave.mid", MediaFiles::wave(1000)},
                                                        {"Empty.mid", QByteArray()}};
    for (const auto& [name, bytes] : files) {
        player.setFileName(otherFile(QString::fromLatin1(name), bytes));
        const QString error = errorOf([this] { player.open(); });
        EXPECT_NE(error, QStringLiteral("<no error>")) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
        EXPECT_FALSE(player.isOpen()) << name;
        EXPECT_EQ(errorOf([this] { player.play(); }), kNoDevice) << name;
    }
}

TEST_F(MusicPlayerTest, MissingFileFailsToOpenNamingTheFile) {
    player.setFileName(dir.path() + QStringLiteral("/Gone.mid"));
    const QString error = errorOf([this] { player.open(); });
    EXPECT_TRUE(error.contains(QStringLiteral("Gone.mid"))) << error.toStdString();
    EXPECT_FALSE(player.isOpen());
}

TEST_F(MusicPlayerTest, NoFileNameFailsToOpen) {
    EXPECT_NE(errorOf([this] { player.open(); }), QStringLiteral("<no error>"));
    EXPECT_FALSE(player.isOpen());
}

TEST_F(MusicPlayerTest, FailedOpenLeavesThePlayerClosedEvenIfAFileWasOpen) {
    openPiece(kLongPiece);
    player.setFileName(otherFile(QStringLiteral("Bad.mid"), "MThx"));
    EXPECT_NE(errorOf([this] { player.open(); }), QStringLiteral("<no error>"));
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(errorOf([this] { player.stop(); }), kNoDevice);
}

// --- one notification per play ---

TEST_F(MusicPlayerTest, PlayThenStopTwiceNotifiesOnceAndOnlyOnTheEventLoop) {
    openPiece(kLongPiece);
    player.play();
    EXPECT_TRUE(player.playing());
    player.stop();
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(notes, 0) << "not inside stop: after the running handler has returned";
    player.stop();
    EXPECT_TRUE(runUntil([this] { return notes > 0; }));
    settle();
    EXPECT_EQ(notes, 1);
}

TEST_F(MusicPlayerTest, LoopingFromTheNotificationRepeatsThePiece) {
    openPiece(kShortPiece);
    bool looping = true;
    player.setOnNotify([&] {
        ++notes;
        if (looping) player.play();
    });
    player.play();
    // The synthesizer lets a piece ring for two seconds after its last event. Two ends:
    // the play started by the first notification, after the end, notifies again.
    EXPECT_TRUE(runUntil([this] { return notes >= 2; }, 3 * kPatienceMs));
    looping = false;
    player.stop();
    EXPECT_FALSE(player.playing());
    settle();
    const int total = notes;
    settle();
    EXPECT_EQ(notes, total) << "nothing plays once the loop is left";
}

TEST_F(MusicPlayerTest, StopWithoutPlayNeverNotifies) {
    openPiece(kLongPiece);
    player.stop();
    player.rewind();
    settle(100);
    EXPECT_EQ(notes, 0);
}

TEST_F(MusicPlayerTest, CloseWhilePlayingNotifiesOnce) {
    openPiece(kLongPiece);
    player.play();
    player.close();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(notes, 0);
    EXPECT_TRUE(runUntil([this] { return notes > 0; }));
    settle();
    EXPECT_EQ(notes, 1);
}

TEST_F(MusicPlayerTest, OpeningAgainWhilePlayingEndsThePlayWithOneNotification) {
    openPiece(kLongPiece);
    player.play();
    player.setFileName(midiFile(QStringLiteral("Second.mid"), kLongPiece));
    player.open();
    EXPECT_TRUE(player.isOpen());
    EXPECT_FALSE(player.playing()) << "the second file is opened, not played";
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    settle();
    EXPECT_EQ(notes, 1);
}

TEST_F(MusicPlayerTest, PlayWhilePlayingSupersedesTheFirstPlay) {
    openPiece(kLongPiece);
    player.play();
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_TRUE(runUntil([this] { return notes > 0; }));
    EXPECT_TRUE(player.playing()) << "the second play goes on";
    player.stop();
    settle();
    EXPECT_EQ(notes, 2);
}

TEST_F(MusicPlayerTest, PlayerDestroyedWithANotificationDueNeverCallsBack) {
    auto doomed = std::make_unique<MixerMusicPlayer>(device);
    int calls = 0;
    doomed->setOnNotify([&] { ++calls; });
    doomed->setFileName(midiFile(QStringLiteral("Doomed.mid"), kLongPiece));
    doomed->open();
    doomed->play();
    doomed->stop();
    doomed.reset();
    settle(100);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// --- pause ---

TEST_F(MusicPlayerTest, PauseTogglesBetweenPausedAndPlaying) {
    openPiece(kLongPiece);
    player.play();
    player.pause();
    EXPECT_TRUE(player.paused());
    EXPECT_EQ(Mix_PausedMusic(), 1);
    player.pause();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PausedMusic(), 0);
    settle(100);
    EXPECT_EQ(notes, 0) << "pausing does not end the play";
}

// Like any new play request, the resuming play supersedes the paused one.
TEST_F(MusicPlayerTest, PlayAfterPauseResumesAndSupersedesThePausedPlay) {
    openPiece(kLongPiece);
    player.play();
    player.pause();
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(runUntil([this] { return notes > 0; }));
    settle();
    EXPECT_EQ(notes, 1);
    EXPECT_TRUE(player.playing());
    player.stop();
    settle();
    EXPECT_EQ(notes, 2);
}

TEST_F(MusicPlayerTest, PauseOfAStoppedPlayerDoesNothing) {
    openPiece(kLongPiece);
    player.pause();
    EXPECT_FALSE(player.paused());
    EXPECT_FALSE(player.playing());
    player.play();
    player.stop();
    const int pausedBefore = Mix_PausedMusic();
    player.pause();
    EXPECT_FALSE(player.paused());
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(Mix_PausedMusic(), pausedBefore) << "pause does not resume a stopped piece";
}

TEST_F(MusicPlayerTest, StopWhilePausedNotifiesOnce) {
    openPiece(kLongPiece);
    player.play();
    player.pause();
    player.stop();
    EXPECT_FALSE(player.paused());
    EXPECT_FALSE(player.playing());
    settle();
    EXPECT_EQ(notes, 1);
}

// SDL_mixer cannot tell or set the place in a MIDI piece: a stopped piece keeps its
// place by holding the stream paused, and a rewind lets it go.
TEST_F(MusicPlayerTest, StopHoldsThePieceWhereItStoodAndPlayGoesOn) {
    openPiece(kLongPiece);
    player.play();
    player.stop();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_PausedMusic(), 1);
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PausedMusic(), 0);
    settle();
    EXPECT_EQ(notes, 1) << "only the stopped play has ended";
}

TEST_F(MusicPlayerTest, PieceContinuedAfterStopStillNotifiesAtItsEnd) {
    openPiece(kShortPiece);
    player.play();
    player.stop();
    player.play();
    EXPECT_TRUE(runUntil([this] { return notes == 2; }));
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    settle();
    EXPECT_EQ(notes, 2);
}

TEST_F(MusicPlayerTest, RewindAfterStopLetsTheStreamGoAndPlayStartsOver) {
    openPiece(kLongPiece);
    player.play();
    player.stop();
    player.rewind();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    settle();
    EXPECT_EQ(notes, 1);
}

// --- two players share the one music stream ---

class TwoPlayersTest : public MusicPlayerTest {
protected:
    TwoPlayersTest() {
        other.setOnNotify([this] { ++otherNotes; });
        openPiece(kLongPiece);
        other.setFileName(midiFile(QStringLiteral("Other.mid"), kLongPiece));
        other.open();
    }

    MixerMusicPlayer other{device};
    int otherNotes = 0;
};

TEST_F(TwoPlayersTest, SecondPlayerSupersedesTheFirstWhichIsNotifiedOnce) {
    player.play();
    other.play();
    EXPECT_FALSE(player.playing());
    EXPECT_TRUE(other.playing());
    EXPECT_TRUE(runUntil([this] { return notes > 0; }));
    settle();
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(otherNotes, 0);
}

TEST_F(TwoPlayersTest, SupersededPlayerCannotStopOrPauseTheOther) {
    player.play();
    other.play();
    player.stop();
    player.pause();
    EXPECT_TRUE(other.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    settle();
    EXPECT_EQ(notes, 1) << "the stop of an ended play is no second ending";
}

TEST_F(TwoPlayersTest, ClosingTheSupersededPlayerLeavesTheOtherPlaying) {
    player.play();
    other.play();
    player.close();
    EXPECT_TRUE(other.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    other.stop();
    settle();
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(otherNotes, 1);
}

TEST_F(TwoPlayersTest, PausedPlayerThatLostTheStreamStartsAfresh) {
    player.play();
    player.pause();
    other.play();
    EXPECT_FALSE(player.paused());
    player.play();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_FALSE(other.playing());
    settle();
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(otherNotes, 1);
}

// --- no sound device ---

// Without a device a play goes on in silence: it ends with one notification when
// stopped, and a device that appears meanwhile makes it heard.
TEST(MusicPlayerWithoutDevice, PlaysInSilenceUntilADeviceOpens) {
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", QStringLiteral("no-such-driver"));
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Piece.mid");
    ASSERT_TRUE(MediaFiles::write(path, MediaFiles::midi(kLongPiece)));
    MixerDevice device;
    MixerMusicPlayer player(device);
    int notes = 0;
    player.setOnNotify([&] { ++notes; });
    player.setFileName(path);
    EXPECT_EQ(errorOf([&] { player.open(); }), QStringLiteral("<no error>"));
    EXPECT_TRUE(player.isOpen());
    EXPECT_TRUE(player.silent());
    EXPECT_EQ(errorOf([&] { player.play(); }), QStringLiteral("<no error>"));
    EXPECT_EQ(errorOf([&] { player.pause(); }), QStringLiteral("<no error>"));
    EXPECT_TRUE(player.paused());
    EXPECT_EQ(errorOf([&] { player.stop(); }), QStringLiteral("<no error>"));
    EXPECT_TRUE(runUntil([&] { return notes == 1; }));

    player.play();
    env.set("SDL_AUDIODRIVER", QStringLiteral("dummy"));
    device.setRetryAfter(0);
    ASSERT_TRUE(runUntil([&] { return device.isOpen(); })) << "no retry in the background";
    EXPECT_FALSE(player.silent());
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    settle(100);
    EXPECT_EQ(notes, 1);
    player.close();
    EXPECT_EQ(errorOf([&] { player.play(); }), kNoDevice);
}

TEST(MusicPlayerWithoutDevice, NonMidiFileStillFailsToOpen) {
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", QStringLiteral("no-such-driver"));
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Notes.mid");
    ASSERT_TRUE(MediaFiles::write(path, "plain text"));
    MixerDevice device;
    MixerMusicPlayer player(device);
    player.setFileName(path);
    EXPECT_NE(errorOf([&] { player.open(); }), QStringLiteral("<no error>"));
    EXPECT_FALSE(player.isOpen());
}
