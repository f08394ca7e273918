// Launch to splash: the milliseconds from starting the game to its splash window being
// mapped in a private Xvfb, beside a bare Qt window of the same size and kind, for each
// way the sound driver may be chosen. Medians of 7 runs, taken in turns.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QProcess>

#include "PulseServer.h"
#include "SinkRecorder.h"
#include "XSession.h"

namespace {
constexpr int kRuns = 7;

struct Subject {
    const char* name;
    QString program;
    QString driver;  // SDL_AUDIODRIVER, or empty for none
    std::vector<double> ms;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

class Launcher {
public:
    Launcher(const XSession& x, const PulseServer& server, const QString& appDir)
        : x_(x), server_(server), appDir_(appDir) {}

    // One launch to the first map, in milliseconds; negative when nothing was mapped.
    double once(const Subject& s) const {
        QProcess timer;
        timer.setProcessEnvironment(environment(s.driver));
        timer.setWorkingDirectory(appDir_);
        timer.start(QStringLiteral(ZELTO_MAP_TIMER), {s.program});
        if (!timer.waitForFinished(30000) || timer.exitCode() != 0) return -1;
        bool ok = false;
        const double ms = timer.readAllStandardOutput().trimmed().toDouble(&ok);
        return ok ? ms : -1;
    }

private:
    QProcessEnvironment environment(const QString& driver) const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("DISPLAY"), x_.display());
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        e.remove(QStringLiteral("WAYLAND_DISPLAY"));
        e.remove(QStringLiteral("SDL_AUDIODRIVER"));
        e.remove(QStringLiteral("PULSE_SERVER"));
        if (!driver.isEmpty()) e.insert(QStringLiteral("SDL_AUDIODRIVER"), driver);
        if (driver == QLatin1String("pulseaudio"))
            e.insert(QStringLiteral("PULSE_SERVER"), server_.address());
        return e;
    }

    const XSession& x_;
    const PulseServer& server_;
    QString appDir_;
};
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    XSession x;
    PulseServer server;
    // Keeps the null sink running in small steps, as a sound card's sink runs.
    SinkRecorder listener(server);
    if (!x.startServer() || !server.start() || !listener.start()) {
        std::fprintf(stderr, "Xvfb or the private PulseAudio daemon did not start\n");
        return 1;
    }
    const QString appDir = x.makeAppDir(QStringLiteral(ZELTO_APPDIR));
    const QString game = QStringLiteral(ZELTO_BINARY);
    std::vector<Subject> subjects = {
        {"bare Qt window", QStringLiteral(ZELTO_BARE_WINDOW), QString(), {}},
        {"SDL_AUDIODRIVER unset", game, QString(), {}},
        {"SDL_AUDIODRIVER=dummy", game, QStringLiteral("dummy"), {}},
        {"SDL_AUDIODRIVER=pulseaudio", game, QStringLiteral("pulseaudio"), {}},
    };
    const Launcher launcher(x, server, appDir);
    for (int run = 0; run < kRuns; ++run)
        for (Subject& s : subjects) {
            const double ms = launcher.once(s);
            if (ms < 0) {
                std::fprintf(stderr, "%s: no window was mapped\n", s.name);
                return 1;
            }
            s.ms.push_back(ms);
        }
    const double bare = median(subjects[0].ms);
    std::printf("launch to first window mapped, median of %d: %s %.0f ms\n", kRuns,
                subjects[0].name, bare);
    std::printf(
        "ROW|Launch to the splash on the screen: a bare Qt 6 window|%.0f ms (median of "
        "%d)|-\n",
        bare, kRuns);
    for (size_t i = 1; i < subjects.size(); ++i) {
        const double ms = median(subjects[i].ms);
        std::printf("  game, %s: %.0f ms, %.2fx the bare window\n", subjects[i].name, ms,
                    ms / bare);
        std::printf(
            "ROW|Launch to the splash on the screen, %s|%.0f ms, %.2f× the bare "
            "window|within 1.3×\n",
            subjects[i].name, ms, ms / bare);
    }
    return 0;
}
