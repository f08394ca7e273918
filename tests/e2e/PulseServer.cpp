#include "PulseServer.h"

#include <csignal>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <sys/prctl.h>

PulseServer::PulseServer(Kind kind) : kind_(kind) {}

PulseServer::~PulseServer() {
    stop();
}

void PulseServer::dieWithParent(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

QStringList PulseServer::missingPrograms(Kind kind) {
    QStringList needed = {QStringLiteral("pactl"), QStringLiteral("parec")};
    if (kind == Kind::PulseAudio)
        needed << QStringLiteral("pulseaudio");
    else
        needed << QStringLiteral("pipewire") << QStringLiteral("pipewire-pulse")
               << QStringLiteral("wireplumber") << QStringLiteral("dbus-daemon");
    QStringList missing;
    for (const QString& program : needed)
        if (QStandardPaths::findExecutable(program).isEmpty()) missing << program;
    return missing;
}

QString PulseServer::name(Kind kind) {
    return kind == Kind::PulseAudio ? QStringLiteral("PulseAudio") : QStringLiteral("PipeWire");
}

QString PulseServer::socket() const {
    // pipewire-pulse listens where PulseAudio's clients look for it by default.
    return kind_ == Kind::PulseAudio ? dir_.path() + QStringLiteral("/native")
                                     : dir_.path() + QStringLiteral("/pulse/native");
}

QProcessEnvironment PulseServer::clientEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), address());
    // PipeWire's own clients find the server's socket here.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    env.remove(QStringLiteral("PIPEWIRE_RUNTIME_DIR"));
    env.remove(QStringLiteral("PIPEWIRE_REMOTE"));
    // Keeps the servers' cookies and state out of the real home folder.
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), dir_.path() + QStringLiteral("/state"));
    // The session manager needs a session bus; a private one, never the desktop's.
    if (kind_ == Kind::PipeWire)
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + path(QStringLiteral("bus")));
    else
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QProcess* PulseServer::spawn(const QString& program, const QStringList& args) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(clientEnvironment());
    process->setStandardOutputFile(path(QStringLiteral("daemon.log")), QIODevice::Append);
    process->setStandardErrorFile(path(QStringLiteral("daemon.log")), QIODevice::Append);
    dieWithParent(*process);
    process->start(program, args);
    if (!process->waitForStarted(5000)) return nullptr;
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

bool PulseServer::start() {
    if (!dir_.isValid()) return false;
    stop();
    return kind_ == Kind::PulseAudio ? startPulseAudio() : startPipeWire();
}

bool PulseServer::startPulseAudio() {
    if (!spawn(QStringLiteral("pulseaudio"),
               {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
                QStringLiteral("--disallow-exit"), QStringLiteral("--realtime=no"),
                QStringLiteral("--high-priority=no"), QStringLiteral("-L"),
                QStringLiteral("module-null-sink sink_name=zelto rate=%1").arg(kRate),
                QStringLiteral("-L"),
                QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket()}))
        return false;
    return waitUntil([this] { return answers(); }, 10000);
}

bool PulseServer::startPipeWire() {
    QDir().mkpath(dir_.path() + QStringLiteral("/config"));
    QDir().mkpath(dir_.path() + QStringLiteral("/state"));
    if (!spawn(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
             QStringLiteral("--address=unix:path=") + path(QStringLiteral("bus"))}) ||
        !waitUntil([this] { return QFile::exists(path(QStringLiteral("bus"))); }, 5000))
        return false;
    if (!spawn(QStringLiteral("pipewire"), {}) ||
        !waitUntil([this] { return QFile::exists(path(QStringLiteral("pipewire-0"))); }, 5000))
        return false;
    if (!spawn(QStringLiteral("wireplumber"), {}) || !spawn(QStringLiteral("pipewire-pulse"), {}))
        return false;
    if (!waitUntil([this] { return answers(); }, 10000)) return false;
    if (!pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                QStringLiteral("sink_name=zelto"), QStringLiteral("rate=%1").arg(kRate)}))
        return false;
    pactl({QStringLiteral("set-default-sink"), QStringLiteral("zelto")});
    // The session manager is up and links new streams once it has chosen the default.
    return waitUntil(
        [this] {
            const auto info = pactl({QStringLiteral("info")});
            return info && info->contains(QStringLiteral("Default Sink: zelto"));
        },
        10000);
}

bool PulseServer::waitUntil(const std::function<bool()>& ready, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!running()) return false;
        if (ready()) return true;
        QThread::msleep(50);
    }
    return false;
}

void PulseServer::stop() {
    while (!processes_.empty()) {
        QProcess& process = *processes_.back();
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000)) process.kill();
            process.waitForFinished(1000);
        }
        processes_.pop_back();
    }
}

bool PulseServer::running() const {
    if (processes_.empty()) return false;
    for (const auto& process : processes_)
        if (process->state() == QProcess::NotRunning) return false;
    return true;
}

bool PulseServer::answers() const {
    return pactl({QStringLiteral("info")}).has_value();
}

std::optional<QString> PulseServer::pactl(const QStringList& args) const {
    return run(QStringLiteral("pactl"), args);
}

std::optional<QString> PulseServer::run(const QString& program, const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(clientEnvironment());
    dieWithParent(p);
    p.start(program, args);
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(1000);
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QString PulseServer::log() const {
    QFile f(path(QStringLiteral("daemon.log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}
