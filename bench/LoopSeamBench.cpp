// The seam of looping music: the MIDI player loops a piece of one held note through a
// private PulseAudio daemon, and the sink's recording shows any silence between passes.
#include <cstdio>
#include <type_traits>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "MixerDevice.h"
#include "MixerMusicPlayer.h"
#include "PulseServer.h"
#include "SinkRecorder.h"
#include "TestPiece.h"

namespace {
constexpr int kPieceMs = 2500;
constexpr int kPasses = 4;

// A player that loops by itself does so; otherwise each end starts the next pass, as
// the game's main window did before.
template <typename Player>
const char* loop(Player& player) {
    if constexpr (requires { player.setLooping(true); }) {
        player.setLooping(true);
        return "looping play";
    } else {
        player.setOnNotify([&player] { player.play(); });
        return "replay on notification";
    }
}

void runEvents(int ms) {
    QEventLoop events;
    QTimer::singleShot(ms, &events, &QEventLoop::quit);
    events.exec();
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    PulseServer server;
    SinkRecorder recorder(server);
    QTemporaryDir dir;
    const QString piece = dir.filePath(QStringLiteral("Sustained.mid"));
    if (!server.start() || !recorder.start() ||
        !TestPiece::write(piece, TestPiece::sustained(kPieceMs))) {
        std::fprintf(stderr, "no private PulseAudio daemon or recording:\n%s\n",
                     qPrintable(server.log()));
        return 1;
    }
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    MixerDevice device;
    MixerMusicPlayer player(device);
    const char* how = loop(player);
    const qint64 asked = recorder.now();
    try {
        player.setFileName(piece);
        player.open();
        player.play();
    } catch (const MciError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    const auto onset = recorder.waitForSound(asked, 10000);
    if (!onset) {
        std::fprintf(stderr, "the piece was never heard\n");
        return 1;
    }
    // Events run meanwhile: a replay on notification needs them.
    runEvents(kPasses * kPieceMs + 1000);
    player.close();
    const Envelope heard =
        recorder.envelope(*onset, *onset + SinkRecorder::frames(kPasses * kPieceMs));
    const int seam = heard.longestSilenceMs();
    std::printf("loop seam (%s): longest silence over %d passes of a %d ms held note: %d ms\n", how,
                kPasses, kPieceMs, seam);
    std::printf(
        "ROW|Silence at the music's loop seam (PulseAudio)|%d ms (longest over %d "
        "passes)|under 100 ms\n",
        seam, kPasses);
    return 0;
}
