// What the real game sends to a sound server: a private server records its sink while
// the game is played through X input, and the tests listen to the recording. What the
// synthesizer alone decides is heard through PulseAudio; what the server takes part in
// (a press, a server that goes away and comes back) through PipeWire as well.
#include <functional>
#include <iostream>

#include <QFile>

#include "GameFixture.h"
#include "PulseServer.h"
#include "SinkRecorder.h"
#include "TestPiece.h"

namespace {
const QString kStepsFile = QStringLiteral("A Steps.mid");
const QString kSustainedFile = QStringLiteral("Sustained.mid");
constexpr int kStepsMs = 6000;
constexpr int kSustainedMs = 2500;
constexpr int kCompareMs = 2000;
// Two plays of the same start differ only by where 10 ms blocks fall.
constexpr int kShiftMs = 30;

class SoundE2eTest : public GameFixture {
protected:
    explicit SoundE2eTest(PulseServer::Kind kind = PulseServer::Kind::PulseAudio) : pulse(kind) {}

    void SetUp() override {
        if (const QStringList missing = PulseServer::missingPrograms(pulse.kind());
            !missing.isEmpty())
            GTEST_SKIP() << pulse.name().toStdString() << " is not installed (no "
                         << missing.join(QStringLiteral(", ")).toStdString() << ")";
        GameFixture::SetUp();
        ASSERT_TRUE(pulse.start()) << "no " << pulse.name().toStdString() << " server:\n"
                                   << pulse.log().toStdString();
        ASSERT_TRUE(recorder.start()) << "the sink's monitor records nothing";
        // On PipeWire the game chooses its driver itself, as on a player's desktop.
        const bool pipeWire = pulse.kind() == PulseServer::Kind::PipeWire;
        x.setGameEnv(QStringLiteral("SDL_AUDIODRIVER"),
                     pipeWire ? QString() : QStringLiteral("pulseaudio"));
        for (const QString& name :
             {QStringLiteral("PULSE_SERVER"), QStringLiteral("XDG_RUNTIME_DIR")})
            x.setGameEnv(name, pulse.clientEnvironment().value(name));
        const QString music = appDir + QStringLiteral("/Music/");
        ASSERT_TRUE(TestPiece::write(music + kStepsFile, TestPiece::steps(kStepsMs)));
        ASSERT_TRUE(TestPiece::write(music + kSustainedFile, TestPiece::sustained(kSustainedMs)));
    }

    // Rules for a game that waits for the player as long as it takes.
    void setSound(bool sounds, const QString& musicFile = QString()) {
        setRules({.mistakes = 0, .delay = 1000, .playerTime = false});
        editConfig([&](ConfigRecord& rec) {
            rec.PlaySounds = sounds ? 1 : 0;
            rec.PlayMusic = musicFile.isEmpty() ? 0 : 1;
            if (!musicFile.isEmpty()) rec.MusicFile.setText(musicFile);
        });
    }

    void editConfig(const std::function<void(ConfigRecord&)>& change) {
        QFile f(appDir + QStringLiteral("/Config.dat"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        ConfigRecord rec = ConfigRecord::decode(bytes);
        change(rec);
        bytes.replace(0, kConfigRecordSize, rec.encode());
        ASSERT_TRUE(f.seek(0) && f.write(bytes) == bytes.size());
    }

    // Starts the game and lets the splash jingle, which plays whatever the settings say,
    // ring out; false when it was never heard.
    bool startAfterJingle() {
        const qint64 launched = recorder.now();
        startGame();
        if (HasFatalFailure()) return false;
        const bool heard = recorder.waitForSound(launched, 15000).has_value();
        EXPECT_TRUE(recorder.waitForSilence(500, 10000)) << "the jingle never ends";
        return heard;
    }

    // Starts a game and watches its first round; returns the button shown.
    int firstRound() {
        x.key(QStringLiteral("F2"));
        const std::vector<int> steps = watchPlayback(1);
        return steps.size() == 1 ? steps[0] : 0;
    }

    // Presses a board button once the sink is quiet; the point of the press, or nothing
    // when the board did not show it pressed.
    std::optional<qint64> pressHeld(int n) {
        recorder.waitForSilence(300, 5000);
        const qint64 at = recorder.now();
        x.keyDown(QStringLiteral("KP_%1").arg(n));
        const bool shown = x.waitUntil([&] { return litButton(boardShot()) == n; }, 3000, 5);
        x.keyUp(QStringLiteral("KP_%1").arg(n));
        if (!shown) return std::nullopt;
        return at;
    }

    // The loudness of the `ms` after the next clear sound from `from` on.
    std::optional<Envelope> startHeard(qint64 from, int withinMs, int ms = kCompareMs) {
        const auto onset = recorder.waitForSound(from, withinMs);
        if (!onset || !recorder.waitUntilRecorded(*onset + SinkRecorder::frames(ms), ms + 3000))
            return std::nullopt;
        return recorder.envelope(*onset, *onset + SinkRecorder::frames(ms));
    }

    // Visible windows of the game besides the main window: a message box, for one.
    QStringList otherWindows() const {
        QStringList all = x.findWindows(QStringLiteral(".+"));
        all.removeAll(window);
        return all;
    }

    void clickIn(const QString& dialog, QPoint client) { x.click(at(dialog, client)); }

    PulseServer pulse;
    SinkRecorder recorder{pulse};
};

// The cases where the server takes part, on each server.
class SoundE2eEachServer : public SoundE2eTest,
                           public ::testing::WithParamInterface<PulseServer::Kind> {
protected:
    SoundE2eEachServer() : SoundE2eTest(GetParam()) {}
};

// Cases where the server only has to go away and come back: once, on the newer of the
// two where it is installed.
class SoundE2eOneServer : public SoundE2eTest {
protected:
    SoundE2eOneServer()
        : SoundE2eTest(PulseServer::missingPrograms(PulseServer::Kind::PipeWire).isEmpty()
                           ? PulseServer::Kind::PipeWire
                           : PulseServer::Kind::PulseAudio) {}
};

INSTANTIATE_TEST_SUITE_P(Servers, SoundE2eEachServer,
                         ::testing::Values(PulseServer::Kind::PulseAudio,
                                           PulseServer::Kind::PipeWire),
                         [](const auto& server) {
                             return PulseServer::name(server.param).toStdString();
                         });

TEST_P(SoundE2eEachServer, AKeypadPressIsHeardOnlyWithSoundsOn) {
    for (const bool sounds : {true, false}) {
        // Silence with sounds off is the game's alone: heard once, through PulseAudio.
        if (!sounds && pulse.kind() != PulseServer::Kind::PulseAudio) break;
        SCOPED_TRACE(sounds ? "sounds on" : "sounds off");
        setSound(sounds);
        ASSERT_TRUE(startAfterJingle()) << "the splash jingle was not heard";
        const int shown = firstRound();
        ASSERT_NE(shown, 0) << "no first round";
        const auto pressed = pressHeld(shown);
        ASSERT_TRUE(pressed) << "the press did not show on the board";
        EXPECT_EQ(recorder.waitForSound(*pressed, 700).has_value(), sounds)
            << (sounds ? "the press was not heard" : "the press was heard with sounds off");
        // The desktop's mixer shows the stream under the game's name.
        const QString streams = pulse.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")})
                                    .value_or(QString());
        EXPECT_TRUE(streams.contains(QStringLiteral("application.name = \"Zelto 2000\"")))
            << streams.toStdString();
        x.stopGame();
    }
}

TEST_F(SoundE2eTest, InGameMusicLoopsWithoutAGap) {
    setSound(false, kSustainedFile);
    startAfterJingle();
    const qint64 f2 = recorder.now();
    x.key(QStringLiteral("F2"));
    const auto onset = recorder.waitForSound(f2, 10000);
    ASSERT_TRUE(onset) << "no music after F2";
    // Two passes and both seams after them, with room for a late seam.
    const qint64 end = *onset + SinkRecorder::frames(2 * kSustainedMs + 700);
    ASSERT_TRUE(recorder.waitUntilRecorded(end, 15000));
    const Envelope music = recorder.envelope(*onset, end);
    std::cerr << "longest silence over two passes: " << music.longestSilenceMs() << " ms\n";
    EXPECT_LT(music.longestSilenceMs(), 250) << "the loop has a gap";
    EXPECT_FALSE(music.slice(2 * kSustainedMs + 100, 600).silent()) << "no third pass";
}

TEST_F(SoundE2eTest, PlayAfterStopInTheMusicDialogStartsFromTheTop) {
    setSound(false);
    startAfterJingle();
    x.key(QStringLiteral("F7"));
    const auto dialog = waitForBox(QStringLiteral("^Music Selection"));
    ASSERT_TRUE(dialog) << "no music dialog";
    clickIn(*dialog, {6 + 40, 8 + 6});  // the first entry: A Steps.mid
    qint64 clicked = recorder.now();
    clickIn(*dialog, {156 + 32, 36 + 10});  // Play
    const auto first = startHeard(clicked, 5000, 3000);
    ASSERT_TRUE(first) << "Play was not heard";
    // The piece itself must tell its start from a later stretch.
    EXPECT_LT(Envelope::correlation(first->slice(0, kCompareMs), first->slice(1000, kCompareMs),
                                    kShiftMs),
              0.5)
        << "the test piece sounds the same all through";
    clickIn(*dialog, {156 + 32, 80 + 10});  // Stop
    ASSERT_TRUE(recorder.waitForSilence(300, 5000)) << "Stop did not silence the piece";
    clicked = recorder.now();
    clickIn(*dialog, {156 + 32, 36 + 10});  // Play
    const auto second = startHeard(clicked, 5000);
    ASSERT_TRUE(second) << "the second Play was not heard";
    const double alike = Envelope::correlation(first->slice(0, kCompareMs), *second, kShiftMs);
    std::cerr << "Play, Stop, Play: correlation of the starts " << alike << '\n';
    EXPECT_GT(alike, 0.9) << "the second Play did not start at the top";
}

TEST_F(SoundE2eTest, EachGameStartsItsMusicFromTheTop) {
    setSound(false, kStepsFile);
    startAfterJingle();
    Envelope starts[2];
    for (Envelope& start : starts) {
        const qint64 f2 = recorder.now();
        x.key(QStringLiteral("F2"));
        const auto heard = startHeard(f2, 10000, 3000);
        ASSERT_TRUE(heard) << "no music after F2";
        start = heard->slice(0, kCompareMs);
        x.key(QStringLiteral("F3"));
        const auto ask = waitForBox(QStringLiteral("^Zelto 2000"));
        ASSERT_TRUE(ask) << "no confirmation box";
        x.key(QStringLiteral("Return"));  // Yes
        ASSERT_TRUE(waitForBoxGone(*ask));
        x.focus(window);
        ASSERT_TRUE(recorder.waitForSilence(300, 5000)) << "the music went on after the game";
    }
    const double alike = Envelope::correlation(starts[0], starts[1], kShiftMs);
    std::cerr << "two games: correlation of the music's starts " << alike << '\n';
    EXPECT_GT(alike, 0.9) << "the second game's music did not start at the top";
}

// The server goes away mid-game: the game plays on in silence, and once a server is
// back a later press is heard again.
TEST_P(SoundE2eEachServer, TheGameOutlivesTheSoundServer) {
    setSound(true);
    ASSERT_TRUE(startAfterJingle());
    std::vector<int> steps = {firstRound()};
    ASSERT_NE(steps[0], 0);
    const auto pressed = pressHeld(steps[0]);
    ASSERT_TRUE(pressed && recorder.waitForSound(*pressed, 700)) << "the first press was silent";

    recorder.stop();
    pulse.stop();
    steps = watchPlayback(2);
    ASSERT_EQ(steps.size(), 2u) << "the board stopped playing without a server";
    EXPECT_TRUE(pressHeld(steps[0])) << "the board ignored a press";
    EXPECT_TRUE(x.gameRunning());
    EXPECT_EQ(otherWindows(), QStringList()) << "a message appeared";

    // Back while the game waits for the round's last press.
    ASSERT_TRUE(pulse.start());
    ASSERT_TRUE(recorder.start());
    EXPECT_TRUE(pressHeld(steps[1])) << "the board ignored a press";
    bool heard = false;
    for (int round = 3; round <= 4 && !heard; ++round) {
        steps = watchPlayback(round);
        ASSERT_EQ(int(steps.size()), round);
        for (int step : steps) {
            const auto at = pressHeld(step);
            ASSERT_TRUE(at) << "the board ignored a press";
            heard = heard || recorder.waitForSound(*at, 700).has_value();
        }
    }
    EXPECT_TRUE(heard) << "no press was heard after the server came back";
    EXPECT_EQ(otherWindows(), QStringList()) << "a message appeared";
}

// The in-game music of a game that outlives its server is heard again once a server is
// back, without a press, and stops with the game.
TEST_F(SoundE2eOneServer, TheMusicComesBackWithTheServer) {
    setSound(false, kSustainedFile);
    startAfterJingle();
    const qint64 f2 = recorder.now();
    x.key(QStringLiteral("F2"));
    ASSERT_TRUE(recorder.waitForSound(f2, 10000)) << "no music after F2";

    recorder.stop();
    pulse.stop();
    ASSERT_TRUE(x.gameRunning());
    ASSERT_TRUE(pulse.start());
    ASSERT_TRUE(recorder.start());
    const auto back = startHeard(recorder.now(), 15000, 1000);
    ASSERT_TRUE(back) << "the music did not come back with the server";
    EXPECT_FALSE(back->silent());
    EXPECT_TRUE(x.gameRunning());
    EXPECT_EQ(otherWindows(), QStringList()) << "a message appeared";

    x.key(QStringLiteral("F3"));
    const auto ask = waitForBox(QStringLiteral("^Zelto 2000"));
    ASSERT_TRUE(ask) << "no confirmation box";
    x.key(QStringLiteral("Return"));  // Yes
    ASSERT_TRUE(waitForBoxGone(*ask));
    EXPECT_TRUE(recorder.waitForSilence(300, 5000)) << "the music went on after the game";
}

}  // namespace
