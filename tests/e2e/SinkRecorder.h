#pragma once
// Records everything a PulseServer's sink plays, from its monitor into a file, and
// answers questions about it while the recording goes on. A point in the recording is
// a frame count from its start (44.1 kHz stereo).
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QProcess>
#include <QString>

#include "Envelope.h"

class PulseServer;

class SinkRecorder {
public:
    explicit SinkRecorder(const PulseServer& server);
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    // Starts a new recording and waits until the monitor delivers.
    bool start();
    void stop();
    bool running() const;

    static qint64 frames(int ms) { return qint64(ms) * kRate / 1000; }
    static int ms(qint64 frames) { return int(frames * 1000 / kRate); }

    // The frames recorded so far: the point in the recording that is now.
    qint64 now() const;
    bool waitUntilRecorded(qint64 point, int timeoutMs) const;
    Envelope envelope(qint64 from, qint64 to) const;
    // The first sample at `from` or later that is clearly sound, looked for until
    // `withinMs` of recording after `from` have come in.
    std::optional<qint64> waitForSound(qint64 from, int withinMs) const;
    // The first clear sound between two points already recorded, without waiting.
    std::optional<qint64> soundIn(qint64 from, qint64 to) const { return firstLoud(from, to); }
    // Waits until the last `ms` recorded were silent.
    bool waitForSilence(int ms, int timeoutMs) const;

private:
    static constexpr int kRate = 44100;
    // A peak this high starts a sound: well above a decaying tail's level.
    static constexpr int kOnsetPeak = 600;

    std::vector<std::int16_t> samples(qint64 from, qint64 to) const;
    std::optional<qint64> firstLoud(qint64 from, qint64 to) const;

    const PulseServer& server_;
    QString file_;
    int recordings_ = 0;
    std::unique_ptr<QProcess> parec_;
};
