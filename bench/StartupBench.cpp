// Start-up time and memory of the real program under Xvfb. The splash stays up for its
// fixed 2.5 s; what counts is the work around it: process start to the splash mapped,
// plus the splash gone to the main window mapped.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

#include <unistd.h>

#include "XSession.h"

namespace {
long residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// User plus system time of a process, in clock ticks.
long cpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : -1;
}

struct Run {
    double toSplash = 0, afterSplash = 0;
    long rssKb = -1;
};

bool once(XSession& x, const QString& appDir, Run& run) {
    QElapsedTimer clock;
    clock.start();
    if (!x.launchGame(QStringLiteral(ZELTO_BINARY), appDir)) return false;
    if (!x.waitForWindow(QStringLiteral("^Logo$"), 10000)) return false;
    run.toSplash = clock.nsecsElapsed() / 1e6;
    if (!x.waitUntil([&] { return x.findWindows(QStringLiteral("^Logo$")).isEmpty(); }, 10000, 2))
        return false;
    const double splashGone = clock.nsecsElapsed() / 1e6;
    const auto main = x.waitForWindow(
        QStringLiteral("^Zelto 2000$"), 10000,
        [&](const QString& id) { return x.windowGeometry(id).size() == QSize(456, 352); });
    if (!main) return false;
    run.afterSplash = clock.nsecsElapsed() / 1e6 - splashGone;
    run.rssKb = residentKb(x.gamePid());
    return true;
}
}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication::setAttribute(Qt::AA_Use96Dpi);
    QCoreApplication app(argc, argv);
    XSession x;
    if (!x.startServer()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    const QString appDir = x.makeAppDir(QStringLiteral(ZELTO_APPDIR));
    std::vector<double> totals;
    long rss = 0;
    for (int i = 0; i < 5; ++i) {
        Run run;
        if (!once(x, appDir, run)) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        totals.push_back(run.toSplash + run.afterSplash);
        rss = std::max(rss, run.rssKb);
        if (i < 4) x.stopGame();
        std::printf("run %d: start to splash %.0f ms, splash gone to main window %.0f ms\n", i,
                    run.toSplash, run.afterSplash);
    }
    std::sort(totals.begin(), totals.end());
    std::printf("start-up without the splash: median %.0f ms (5 runs)\n", totals[2]);
    std::printf("resident memory after start-up: %.1f MB (largest of 5 runs)\n", rss / 1024.0);
    std::printf(
        "ROW|Start-up to the main window, splash excluded|%.0f ms (median of 5)|under "
        "200 ms\n",
        totals[2]);
    std::printf("ROW|Resident memory after start-up|%.1f MB|under 50 MB\n", rss / 1024.0);

    // The last run stays up: idle, then ten games started and abandoned.
    const qint64 pid = x.gamePid();
    auto idleCpu = [pid] {
        const long from = cpuTicks(pid);
        QThread::sleep(10);
        return 100.0 * (cpuTicks(pid) - from) / sysconf(_SC_CLK_TCK) / 10.0;
    };
    // The splash's sound opened the sound device; it rests after 15 s of silence.
    const double awake = idleCpu();
    QThread::sleep(7);
    const double resting = idleCpu();
    std::printf(
        "idle CPU with no game: %.2f %% in the first 10 s (sound device open), "
        "%.2f %% from 17 s on (sound device resting)\n",
        awake, resting);
    std::printf(
        "ROW|Idle CPU, no game|%.2f %% (%.2f %% while the sound device is still "
        "open)|0 %%\n",
        resting, awake);
    const auto main = x.findWindows(QStringLiteral("^Zelto 2000$"));
    if (main.isEmpty()) return 1;
    x.focus(main.first());
    const long before = residentKb(pid);
    long afterFirst = 0;
    for (int game = 0; game < 10; ++game) {
        x.key(QStringLiteral("F2"));
        QThread::msleep(1500);
        x.key(QStringLiteral("F3"));
        const auto box = x.waitForWindow(QStringLiteral("^Zelto 2000$"), 5000,
                                         [&](const QString& id) { return id != main.first(); });
        if (!box) return 1;
        x.focus(*box);
        x.key(QStringLiteral("Return"));
        x.waitUntil([&] { return x.findWindows(QStringLiteral("^Zelto 2000$")).size() == 1; },
                    5000);
        x.focus(main.first());
        if (game == 0) afterFirst = residentKb(pid);
    }
    std::printf(
        "resident memory before the first game %.1f MB, after it %.1f MB (music "
        "synthesizer loaded), after ten games %.1f MB\n",
        before / 1024.0, afterFirst / 1024.0, residentKb(pid) / 1024.0);
    std::printf(
        "ROW|Resident memory after the first game, after ten games|%.1f MB, %.1f MB|no "
        "growth\n",
        afterFirst / 1024.0, residentKb(pid) / 1024.0);
    x.stopGame();
    return 0;
}
