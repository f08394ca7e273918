// Press to sound through a sound server: the game's sound path on SDL's PulseAudio
// driver, talking to a private PulseAudio daemon and to a private PipeWire (through
// pipewire-pulse) in the same run. Reports the request to the first mixed buffer, the
// request to the sound's arrival at the sink's monitor, the stream's latency as
// PulseAudio reports it, the cycle PipeWire runs at while the game's stream is open, the
// first sound after a quiet spell in a game, and the first after the device rested.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <SDL_mixer.h>

#include "AppDirLayout.h"
#include "FirstBufferClock.h"
#include "MixerDevice.h"
#include "MixerWaveOutput.h"
#include "PulseServer.h"
#include "SinkRecorder.h"

namespace {
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

struct StreamLatency {
    double bufferMs = 0, sinkMs = 0;
};

// The game's sink input as `pactl list sink-inputs` shows it (pipewire-pulse says 0).
std::optional<StreamLatency> streamLatency(const PulseServer& server) {
    const auto out = server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!out) return std::nullopt;
    const QRegularExpression buffer(QStringLiteral("Buffer Latency: (\\d+) usec"));
    const QRegularExpression sink(QStringLiteral("Sink Latency: (\\d+) usec"));
    const auto b = buffer.match(*out), s = sink.match(*out);
    if (!b.hasMatch() || !s.hasMatch()) return std::nullopt;
    return StreamLatency{b.captured(1).toDouble() / 1000, s.captured(1).toDouble() / 1000};
}

// What PipeWire's graph does for the stream: the node.latency pipewire-pulse derived
// from the game's request, and the cycle the driver runs at (pw-profiler's period).
QString pipeWireCycle(const PulseServer& server) {
    const auto inputs = server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
    const QRegularExpression latency(QStringLiteral("node.latency = \"(\\d+)/(\\d+)\""));
    const auto asked = inputs ? latency.match(*inputs) : QRegularExpressionMatch();
    QProcess profiler;
    profiler.setProcessEnvironment(server.clientEnvironment());
    // It leaves plotting scripts beside its log.
    profiler.setWorkingDirectory(server.path(QStringLiteral(".")));
    const QString log = server.path(QStringLiteral("profiler.log"));
    profiler.start(QStringLiteral("pw-profiler"), {QStringLiteral("-o"), log});
    profiler.waitForStarted(3000);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    profiler.terminate();
    profiler.waitForFinished(3000);
    QFile f(log);
    std::vector<double> periods;
    if (f.open(QIODevice::ReadOnly))
        while (!f.atEnd()) {
            const QList<QByteArray> columns = f.readLine().split('\t');
            if (columns.size() > 3) periods.push_back(columns[3].toDouble() / 1000);
        }
    if (!asked.hasMatch() || periods.empty()) return QStringLiteral("unknown");
    const double cycle = median(periods);
    return QStringLiteral("node.latency %1/%2 (%3 ms) asked; cycle %4 ms (%5 frames at 48 kHz)")
        .arg(asked.captured(1), asked.captured(2))
        .arg(asked.captured(1).toDouble() * 1000 / asked.captured(2).toDouble(), 0, 'f', 1)
        .arg(cycle, 0, 'f', 2)
        .arg(qRound(cycle * 48));
}

class Bench {
public:
    Bench(const PulseServer& server, const SinkRecorder& recorder)
        : server_(server), recorder_(recorder), wave_(device_) {}

    bool open() { return device_.ensureOpen(); }

    // Presses on a warm device: the first round only fills the wave cache.
    std::vector<double> warmPresses(int count) {
        std::vector<double> ms;
        for (int press = 0; press < count + 9; ++press) {
            quiet(30 + press % 7);
            const double took = clock_.measure([&] { play(press); });
            if (press >= 9 && took >= 0) ms.push_back(took);
        }
        return ms;
    }

    // From the request to the sound's arrival at the sink's monitor, as the recording
    // shows it: an upper bound, with the recorder's own step in it.
    std::vector<double> monitorPresses(int count) {
        std::vector<double> ms;
        for (int press = 0; press < count; ++press) {
            quiet(120);
            const qint64 from = recorder_.now();
            QElapsedTimer clock;
            clock.start();
            play(press);
            std::optional<qint64> onset;
            while (!onset && clock.elapsed() < 1000) {
                std::this_thread::sleep_for(std::chrono::microseconds(250));
                onset = recorder_.soundIn(from, recorder_.now());
            }
            if (onset) ms.push_back(clock.nsecsElapsed() / 1e6);
        }
        return ms;
    }

    // A quiet spell in a game, longer than the device would rest otherwise.
    std::vector<double> afterQuietSpell(int count) {
        std::vector<double> ms;
        device_.keepReady(true);
        for (int spell = 0; spell < count; ++spell) {
            quiet(MixerDevice::kRestAfterMs + 1000);
            const double took = clock_.measure([&] { play(spell); });
            if (took >= 0) ms.push_back(took);
        }
        device_.keepReady(false);
        return ms;
    }

    // Presses that each find the device resting, as after an idle spell between games.
    std::vector<double> restedPresses(int count) {
        std::vector<double> ms;
        for (int press = 0; press < count; ++press) {
            quiet(30);
            if (!device_.rest()) continue;
            const double took = clock_.measure([&] { play(press); });
            if (took >= 0) ms.push_back(took);
        }
        return ms;
    }

    std::vector<StreamLatency> latencies(int count) {
        std::vector<StreamLatency> out;
        for (int i = 0; i < count; ++i) {
            quiet(30);
            play(i);
            if (const auto latency = streamLatency(server_)) out.push_back(*latency);
        }
        return out;
    }

private:
    void play(int press) {
        wave_.playFile(AppDirLayout(QStringLiteral(ZELTO_APPDIR))
                           .soundFile(AppDirLayout::kDefaultSounds, buttonSound(1 + press % 9)));
    }

    // Waits with the event loop running, as the game does.
    static void quiet(int ms) {
        Mix_HaltChannel(-1);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    const PulseServer& server_;
    const SinkRecorder& recorder_;
    MixerDevice device_;
    MixerWaveOutput wave_;
    FirstBufferClock clock_;
};

// The listener asks for a short cycle of its own: it is away while the cycle is read.
QString cycleWithoutListener(const PulseServer& server, SinkRecorder& listener, Bench& bench) {
    listener.stop();
    bench.warmPresses(0);
    const QString cycle = pipeWireCycle(server);
    listener.start();
    return cycle;
}

struct Figures {
    std::vector<double> warm, monitor, quietSpell, rested;
    std::vector<StreamLatency> latencies;
    QString cycle;
};

void report(const QString& server, const Figures& f) {
    const double toBuffer = median(f.warm), toMonitor = median(f.monitor);
    const QByteArray serverName = server.toUtf8();
    const char* name = serverName.constData();
    std::printf(
        "%s: request to first mixed buffer median %.2f ms (%zu presses), to the "
        "sink's monitor median %.1f ms (%zu)\n",
        name, toBuffer, f.warm.size(), toMonitor, f.monitor.size());
    if (!f.latencies.empty()) {
        std::vector<double> buffers, sinks;
        for (const StreamLatency& l : f.latencies)
            buffers.push_back(l.bufferMs), sinks.push_back(l.sinkMs);
        const double buffer = median(buffers), sink = median(sinks);
        std::printf(
            "ROW|Press to sound (%s)|%.1f ms: %.1f ms to the first mixed buffer + "
            "%.1f ms stream buffer (the game's part %.1f ms) + %.1f ms sink; %.1f ms to the "
            "sink's monitor|under 20 ms for the game's part\n",
            name, toBuffer + buffer + sink, toBuffer, buffer, toBuffer + buffer, sink, toMonitor);
    } else {
        std::printf(
            "ROW|Press to sound (%s)|%.1f ms to the sink's monitor (%.1f ms to "
            "the first mixed buffer); %s|under 20 ms\n",
            name, toMonitor, toBuffer, qPrintable(f.cycle));
    }
    std::printf(
        "ROW|First sound after a quiet spell in a game, warm (%s)|%.1f ms, %.1f ms (to "
        "the first mixed buffer)|within 10 ms of warm\n",
        name, median(f.quietSpell), toBuffer);
    std::printf(
        "ROW|First sound after the device rested between games (%s)|%.1f ms (to the "
        "first mixed buffer)|-\n",
        name, median(f.rested));
}

// `driver` empty: the game's own choice, as on a player's desktop.
std::optional<Figures> measure(PulseServer::Kind kind, const char* driver) {
    PulseServer server(kind);
    // An idle null sink sleeps for up to two seconds before it asks a new stream for
    // sound; a listener at its monitor keeps it going in small steps, as a sound card does.
    SinkRecorder listener(server);
    if (!server.start() || !listener.start()) {
        std::fprintf(stderr, "the private %s server did not start:\n%s\n",
                     qPrintable(server.name()), qPrintable(server.log()));
        return std::nullopt;
    }
    qputenv("SDL_AUDIODRIVER", driver);
    const QProcessEnvironment env = server.clientEnvironment();
    for (const char* name : {"PULSE_SERVER", "XDG_RUNTIME_DIR"})
        qputenv(name, env.value(QString::fromLatin1(name)).toLocal8Bit());
    Bench bench(server, listener);
    if (!bench.open()) {
        std::fprintf(stderr, "SDL could not open the device on %s\n", qPrintable(server.name()));
        return std::nullopt;
    }
    Figures f;
    f.warm = bench.warmPresses(51);
    f.monitor = bench.monitorPresses(21);
    if (kind == PulseServer::Kind::PulseAudio)
        f.latencies = bench.latencies(7);
    else
        f.cycle = cycleWithoutListener(server, listener, bench);
    f.quietSpell = bench.afterQuietSpell(3);
    f.rested = bench.restedPresses(9);
    if (f.warm.empty() || f.monitor.empty() || f.quietSpell.empty() || f.rested.empty()) {
        std::fprintf(stderr, "no figures on %s\n", qPrintable(server.name()));
        return std::nullopt;
    }
    return f;
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    struct Setup {
        PulseServer::Kind kind;
        const char* driver;
        QString label;
    };
    const Setup setups[] = {
        {PulseServer::Kind::PulseAudio, "pulseaudio", QStringLiteral("PulseAudio")},
        {PulseServer::Kind::PipeWire, "", QStringLiteral("PipeWire")},
        {PulseServer::Kind::PipeWire, "pulseaudio",
         QStringLiteral("PipeWire, SDL's PulseAudio driver")}};
    for (const Setup& setup : setups) {
        if (const QStringList missing = PulseServer::missingPrograms(setup.kind);
            !missing.isEmpty()) {
            std::fprintf(stderr, "%s skipped: %s missing\n", qPrintable(setup.label),
                         qPrintable(missing.join(QStringLiteral(", "))));
            continue;
        }
        const auto figures = measure(setup.kind, setup.driver);
        if (figures)
            report(setup.label, *figures);
        else
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
