// Press to sound through a sound server: the game's sound path on SDL's PulseAudio
// driver, talking to a private daemon. Reports the request to the first mixed buffer,
// the stream's latency as the server reports it, and the first sound after the device
// has rested (reopening it) against one on a warm device.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

#include <QCoreApplication>
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

// The game's sink input as `pactl list sink-inputs` shows it.
std::optional<StreamLatency> streamLatency(const PulseServer& server) {
    const auto out = server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!out) return std::nullopt;
    const QRegularExpression buffer(QStringLiteral("Buffer Latency: (\\d+) usec"));
    const QRegularExpression sink(QStringLiteral("Sink Latency: (\\d+) usec"));
    const auto b = buffer.match(*out), s = sink.match(*out);
    if (!b.hasMatch() || !s.hasMatch()) return std::nullopt;
    return StreamLatency{b.captured(1).toDouble() / 1000, s.captured(1).toDouble() / 1000};
}

class Bench {
public:
    explicit Bench(const PulseServer& server) : server_(server), wave_(device_) {}

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

    // Presses that each find the device resting, as after a quiet spell in a game.
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

    static void quiet(int ms) {
        Mix_HaltChannel(-1);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    const PulseServer& server_;
    MixerDevice device_;
    MixerWaveOutput wave_;
    FirstBufferClock clock_;
};

void report(const std::vector<double>& warm, const std::vector<StreamLatency>& latencies,
            const std::vector<double>& rested) {
    std::vector<double> buffers, sinks;
    for (const StreamLatency& l : latencies)
        buffers.push_back(l.bufferMs), sinks.push_back(l.sinkMs);
    const double toBuffer = median(warm), buffer = median(buffers), sink = median(sinks);
    std::printf(
        "through PulseAudio: request to first mixed buffer median %.2f ms (%zu presses); "
        "server-reported stream buffer %.1f ms, sink %.1f ms (%zu readings)\n",
        toBuffer, warm.size(), buffer, sink, buffers.size());
    std::printf(
        "ROW|Press to sound (PulseAudio server)|%.1f ms: %.1f ms to the first mixed buffer + "
        "%.1f ms stream buffer (the game's part %.1f ms) + %.1f ms sink|under 20 ms for the "
        "game's part\n",
        toBuffer + buffer + sink, toBuffer, buffer, toBuffer + buffer, sink);
    const double afterRest = median(rested);
    std::printf("first sound after the device rested: median %.1f ms (%zu), warm %.1f ms\n",
                afterRest, rested.size(), toBuffer);
    std::printf(
        "ROW|First sound after the device rested, warm (PulseAudio)|%.1f ms, %.1f ms "
        "(to the first mixed buffer)|-\n",
        afterRest, toBuffer);
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    PulseServer server;
    // An idle null sink sleeps for up to two seconds before it asks a new stream for
    // sound; a listener at its monitor keeps it going in small steps, as a sound card does.
    SinkRecorder listener(server);
    if (!server.start() || !listener.start()) {
        std::fprintf(stderr, "the private PulseAudio daemon did not start:\n%s\n",
                     qPrintable(server.log()));
        return 1;
    }
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    Bench bench(server);
    if (!bench.open()) {
        std::fprintf(stderr, "SDL could not open the PulseAudio device\n");
        return 1;
    }
    const std::vector<double> warm = bench.warmPresses(51);
    const std::vector<StreamLatency> latencies = bench.latencies(7);
    const std::vector<double> rested = bench.restedPresses(9);
    if (warm.empty() || latencies.empty() || rested.empty()) {
        std::fprintf(stderr, "no figures: %zu warm, %zu latency, %zu rested\n", warm.size(),
                     latencies.size(), rested.size());
        return 1;
    }
    report(warm, latencies, rested);
    return 0;
}
