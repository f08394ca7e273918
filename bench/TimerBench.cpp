// How steady the game's two timers tick at the fastest pace (Delay 100: playback every
// 50 ms, player clock every 10 ms): tick-to-tick error and drift over 500 ticks.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {
struct Figures {
    double p50 = 0, p99 = 0, max = 0, driftMs = 0;
};

Figures measure(int intervalMs, int ticks) {
    QElapsedTimer clock;
    std::vector<qint64> at;
    at.reserve(ticks + 1);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        at.push_back(clock.nsecsElapsed());
        if (static_cast<int>(at.size()) > ticks) loop.quit();
    });
    clock.start();
    at.push_back(0);
    timer.start();
    loop.exec();

    std::vector<double> errors;
    for (size_t i = 1; i < at.size(); ++i)
        errors.push_back(std::abs((at[i] - at[i - 1]) / 1e6 - intervalMs));
    std::sort(errors.begin(), errors.end());
    Figures f;
    f.p50 = errors[errors.size() / 2];
    f.p99 = errors[std::min(errors.size() - 1, errors.size() * 99 / 100)];
    f.max = errors.back();
    f.driftMs = at.back() / 1e6 - static_cast<double>(ticks) * intervalMs;
    return f;
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int ticks = 500;
    for (int interval : {50, 10}) {
        const Figures f = measure(interval, ticks);
        std::printf(
            "timer %d ms x %d ticks: tick error p50 %.3f ms, p99 %.3f ms, max %.3f ms, "
            "drift after %d ticks %+.3f ms\n",
            interval, ticks, f.p50, f.p99, f.max, ticks, f.driftMs);
        std::printf("ROW|Timer error p99, %d ms ticks%s|%.2f ms|under 2 ms\n", interval,
                    interval == 10 ? " (fastest pace)" : "", f.p99);
    }
    return 0;
}
