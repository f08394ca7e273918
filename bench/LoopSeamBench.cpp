// The seam of looping music: the MIDI player loops a piece of one held note through a
// private PulseAudio daemon and a private PipeWire, and the sink's recording shows any
// silence between passes.
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

// The seam through one server; the longest silence, or -1 when nothing was heard.
int seamThrough(PulseServer::Kind kind, const QString& piece) {
    PulseServer server(kind);
    SinkRecorder recorder(server);
    if (!server.start() || !recorder.start()) {
        std::fprintf(stderr, "no private %s server or recording:\n%s\n", qPrintable(server.name()),
                     qPrintable(server.log()));
        return -1;
    }
    // The game's own choice of driver, as a player's desktop would see it.
    qunsetenv("SDL_AUDIODRIVER");
    if (kind == PulseServer::Kind::PulseAudio) qputenv("SDL_AUDIODRIVER", "pulseaudio");
    const QProcessEnvironment env = server.clientEnvironment();
    for (const char* name : {"PULSE_SERVER", "XDG_RUNTIME_DIR"})
        qputenv(name, env.value(QString::fromLatin1(name)).toLocal8Bit());
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
        return -1;
    }
    const auto onset = recorder.waitForSound(asked, 10000);
    if (!onset) {
        std::fprintf(stderr, "the piece was never heard through %s\n", qPrintable(server.name()));
        return -1;
    }
    // Events run meanwhile: a replay on notification needs them.
    runEvents(kPasses * kPieceMs + 1000);
    player.close();
    const Envelope heard =
        recorder.envelope(*onset, *onset + SinkRecorder::frames(kPasses * kPieceMs));
    const int seam = heard.longestSilenceMs();
    std::printf(
        "loop seam through %s (%s): longest silence over %d passes of a %d ms held "
        "note: %d ms\n",
        qPrintable(server.name()), how, kPasses, kPieceMs, seam);
    return seam;
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString piece = dir.filePath(QStringLiteral("Sustained.mid"));
    if (!TestPiece::write(piece, TestPiece::sustained(kPieceMs))) return 1;
    int failures = 0;
    for (const auto kind : {PulseServer::Kind::PulseAudio, PulseServer::Kind::PipeWire}) {
        const QString name = PulseServer::name(kind);
        if (const QStringList missing = PulseServer::missingPrograms(kind); !missing.isEmpty()) {
            std::fprintf(stderr, "%s skipped: %s missing\n", qPrintable(name),
                         qPrintable(missing.join(QStringLiteral(", "))));
            continue;
        }
        const int seam = seamThrough(kind, piece);
        if (seam < 0) {
            ++failures;
            continue;
        }
        std::printf(
            "ROW|Silence at the music's loop seam (%s)|%d ms (longest over %d "
            "passes)|under 100 ms\n",
            qPrintable(name), seam, kPasses);
    }
    return failures == 0 ? 0 : 1;
}
