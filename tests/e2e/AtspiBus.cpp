#include "AtspiBus.h"

#include <atspi/atspi.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>

namespace {
const QString kConnection = QStringLiteral("zelto-atspi-test");
}  // namespace

AtspiBus::~AtspiBus() {
    if (clientUp_) atspi_exit();
    QDBusConnection::disconnectFromBus(kConnection);
    // The launcher ends with the session bus and takes its accessibility bus along;
    // ended by a signal it would leave that bus running.
    if (sessionBus_) {
        sessionBus_->terminate();
        sessionBus_->waitForFinished(3000);
    }
    if (launcher_ && !launcher_->waitForFinished(5000)) {
        launcher_->kill();
        launcher_->waitForFinished(1000);
    }
}

bool AtspiBus::fail(const QString& why) {
    error_ = why;
    return false;
}

bool AtspiBus::start(const QString& busLauncher) {
    if (!runtimeDir_.isValid()) return fail(QStringLiteral("no temporary folder"));
    if (!startSessionBus()) return false;
    if (!startLauncher(busLauncher)) return false;
    const QString address = accessibilityBusAddress(20000);
    if (address.isEmpty()) return fail(QStringLiteral("the accessibility bus has no address"));
    // The client asks no X display and no other session for its bus. The game finds it
    // through the session bus as on a desktop: Qt 6.4 given the address outright never
    // joins (it announces the bus before it listens for the news).
    qputenv("AT_SPI_BUS_ADDRESS", address.toLocal8Bit());
    const bool clientUp = atspi_init() == 0;
    qunsetenv("AT_SPI_BUS_ADDRESS");
    if (!clientUp) return fail(QStringLiteral("libatspi did not start"));
    clientUp_ = true;
    return true;
}

bool AtspiBus::startSessionBus() {
    sessionBus_ = std::make_unique<QProcess>();
    sessionBus_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sessionBus_->start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    if (!sessionBus_->waitForStarted(5000))
        return fail(QStringLiteral("dbus-daemon did not start"));
    QDeadlineTimer deadline(10000);
    while (!sessionBus_->canReadLine() && !deadline.hasExpired())
        sessionBus_->waitForReadyRead(200);
    sessionAddress_ = QString::fromLocal8Bit(sessionBus_->readLine()).trimmed();
    if (sessionAddress_.isEmpty()) return fail(QStringLiteral("dbus-daemon gave no address"));
    return true;
}

bool AtspiBus::startLauncher(const QString& busLauncher) {
    launcher_ = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionAddress_);
    env.remove(QStringLiteral("DISPLAY"));  // the address is found on the session bus only
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Its socket lies in the runtime folder under a fixed name: a folder of its own keeps
    // it apart from a desktop's, or another test's, accessibility bus.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    launcher_->setProcessEnvironment(env);
    launcher_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    launcher_->start(busLauncher, {QStringLiteral("--launch-immediately")});
    if (!launcher_->waitForStarted(5000))
        return fail(busLauncher + QStringLiteral(" did not start"));
    return true;
}

QString AtspiBus::accessibilityBusAddress(int timeoutMs) const {
    QDBusConnection bus = QDBusConnection::connectToBus(sessionAddress_, kConnection);
    const QString service = QStringLiteral("org.a11y.Bus");
    QDeadlineTimer deadline(timeoutMs);
    while (bus.isConnected() && !deadline.hasExpired()) {
        if (bus.interface()->isServiceRegistered(service)) {
            const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
                service, QStringLiteral("/org/a11y/bus"), service, QStringLiteral("GetAddress")));
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                return reply.arguments().constFirst().toString();
        }
        QThread::msleep(50);
    }
    return QString();
}

void AtspiBus::pump() {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}
