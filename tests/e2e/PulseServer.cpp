#include "PulseServer.h"

#include <csignal>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <sys/prctl.h>

PulseServer::PulseServer() = default;

PulseServer::~PulseServer() {
    stop();
}

void PulseServer::dieWithParent(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

QProcessEnvironment PulseServer::clientEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), address());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    // Keeps the daemon's cookie and state out of the real home folder.
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    return env;
}

bool PulseServer::start() {
    if (!dir_.isValid()) return false;
    stop();
    daemon_ = std::make_unique<QProcess>();
    daemon_->setProcessEnvironment(clientEnvironment());
    daemon_->setStandardOutputFile(QProcess::nullDevice());
    daemon_->setStandardErrorFile(path(QStringLiteral("daemon.log")), QIODevice::Append);
    dieWithParent(*daemon_);
    daemon_->start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
         QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
         QStringLiteral("--disallow-exit"), QStringLiteral("--realtime=no"),
         QStringLiteral("--high-priority=no"), QStringLiteral("-L"),
         QStringLiteral("module-null-sink sink_name=zelto rate=%1").arg(kRate),
         QStringLiteral("-L"),
         QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket()});
    if (!daemon_->waitForStarted(5000)) return false;
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (!running()) return false;
        if (answers()) return true;
        QThread::msleep(50);
    }
    return false;
}

void PulseServer::stop() {
    if (!running()) return;
    daemon_->terminate();
    if (!daemon_->waitForFinished(3000)) daemon_->kill();
    daemon_->waitForFinished(1000);
}

bool PulseServer::running() const {
    return daemon_ && daemon_->state() != QProcess::NotRunning;
}

bool PulseServer::answers() const {
    return pactl({QStringLiteral("info")}).has_value();
}

std::optional<QString> PulseServer::pactl(const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(clientEnvironment());
    dieWithParent(p);
    p.start(QStringLiteral("pactl"), args);
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
