#include "SinkRecorder.h"

#include <cstdlib>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "PulseServer.h"

namespace {
constexpr int kFrameBytes = 4;
constexpr int kPollMs = 10;
}  // namespace

SinkRecorder::SinkRecorder(const PulseServer& server) : server_(server) {}

SinkRecorder::~SinkRecorder() {
    stop();
}

bool SinkRecorder::start() {
    stop();
    file_ = server_.path(QStringLiteral("monitor-%1.raw").arg(++recordings_));
    parec_ = std::make_unique<QProcess>();
    parec_->setProcessEnvironment(server_.clientEnvironment());
    parec_->setStandardOutputFile(file_, QIODevice::Truncate);
    parec_->setStandardErrorFile(QProcess::nullDevice());
    PulseServer::dieWithParent(*parec_);
    // A small latency: the monitor delivers in ~10 ms steps, so "now" is close to now.
    parec_->start(QStringLiteral("parec"),
                  {QStringLiteral("--device=") + server_.monitor(), QStringLiteral("--raw"),
                   QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                   QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=10")});
    if (!parec_->waitForStarted(5000)) return false;
    // An idle sink finishes its long sleep before the first block comes.
    QDeadlineTimer deadline(8000);
    while (!deadline.hasExpired() && running()) {
        if (now() > frames(50)) return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

void SinkRecorder::stop() {
    if (!running()) return;
    parec_->terminate();
    if (!parec_->waitForFinished(3000)) parec_->kill();
    parec_->waitForFinished(1000);
}

bool SinkRecorder::running() const {
    return parec_ && parec_->state() != QProcess::NotRunning;
}

qint64 SinkRecorder::now() const {
    return file_.isEmpty() ? 0 : QFileInfo(file_).size() / kFrameBytes;
}

bool SinkRecorder::waitUntilRecorded(qint64 point, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (now() < point) {
        if (deadline.hasExpired() || !running()) return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

std::vector<std::int16_t> SinkRecorder::samples(qint64 from, qint64 to) const {
    std::vector<std::int16_t> out;
    QFile f(file_);
    if (to <= from || !f.open(QIODevice::ReadOnly) || !f.seek(from * kFrameBytes)) return out;
    const QByteArray bytes = f.read((to - from) * kFrameBytes);
    out.resize(bytes.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = std::int16_t(quint8(bytes[2 * i]) | (quint8(bytes[2 * i + 1]) << 8));
    return out;
}

Envelope SinkRecorder::envelope(qint64 from, qint64 to) const {
    return Envelope::of(samples(from, to));
}

std::optional<qint64> SinkRecorder::firstLoud(qint64 from, qint64 to) const {
    const std::vector<std::int16_t> s = samples(from, to);
    for (size_t i = 0; i < s.size(); ++i)
        if (std::abs(int(s[i])) >= kOnsetPeak) return from + qint64(i / 2);
    return std::nullopt;
}

std::optional<qint64> SinkRecorder::waitForSound(qint64 from, int withinMs) const {
    const qint64 end = from + frames(withinMs);
    // The wall clock only guards against a recording that stalls.
    QDeadlineTimer deadline(withinMs + 3000);
    qint64 scanned = from;
    while (true) {
        const qint64 upTo = std::min(now(), end);
        if (const auto onset = firstLoud(scanned, upTo)) return onset;
        scanned = std::max(scanned, upTo);
        if (scanned >= end || deadline.hasExpired() || !running()) return std::nullopt;
        QThread::msleep(kPollMs);
    }
}

bool SinkRecorder::waitForSilence(int ms, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (running()) {
        const qint64 end = now();
        if (end >= frames(ms) && envelope(end - frames(ms), end).silent()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(kPollMs * 5);
    }
    return false;
}
