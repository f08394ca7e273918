#include "SwaySession.h"

#include <csignal>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include "TreeCopy.h"

namespace {
constexpr QFileDevice::Permissions kPrivate =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

struct Account {
    bool drop = false;
    uid_t uid = 0;
    gid_t gid = 0;
};

// Root hands sway to "nobody"; anyone else runs it as themselves.
Account swayAccount() {
    if (geteuid() != 0) return {};
    const passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr) return {true, 65534, 65534};
    return {true, nobody->pw_uid, nobody->pw_gid};
}

// The child drops to the account before it runs sway and dies with the test; the order
// matters, as a change of user clears the parent-death signal.
void becomeAndDieWithParent(const Account& account) {
    if (account.drop &&
        (setgroups(0, nullptr) != 0 || setgid(account.gid) != 0 || setuid(account.uid) != 0))
        _exit(127);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

QString firstEntry(const QString& dir, const QString& pattern) {
    const QStringList found = QDir(dir).entryList({pattern}, QDir::System | QDir::Files);
    for (const QString& name : found)
        if (!name.endsWith(QLatin1String(".lock"))) return dir + QLatin1Char('/') + name;
    return QString();
}

QRect rectOf(const QJsonValue& value) {
    const QJsonObject r = value.toObject();
    return QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                 r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt());
}

// Views carry the shell they came through; containers and workspaces do not.
void collectViews(const QJsonObject& node, int stacking, std::vector<SwaySession::Window>& out) {
    if (node.value(QLatin1String("shell")).isString()) {
        SwaySession::Window w;
        w.id = node.value(QLatin1String("id")).toInteger();
        w.title = node.value(QLatin1String("name")).toString();
        const QRect outer = rectOf(node.value(QLatin1String("rect")));
        const QRect inner = rectOf(node.value(QLatin1String("window_rect")));
        w.content = inner.translated(outer.topLeft());
        w.focused = node.value(QLatin1String("focused")).toBool();
        w.stacking = stacking;
        out.push_back(w);
    }
    for (const QJsonValue& child : node.value(QLatin1String("nodes")).toArray())
        collectViews(child.toObject(), stacking, out);
    const QJsonArray floating = node.value(QLatin1String("floating_nodes")).toArray();
    for (int i = 0; i < floating.size(); ++i) collectViews(floating[i].toObject(), i, out);
}
}  // namespace

SwaySession::SwaySession() = default;

SwaySession::~SwaySession() {
    stopGame();
    for (auto* process : {keyboard_.get(), sway_.get()}) {
        if (process == nullptr || process->state() == QProcess::NotRunning) continue;
        process->terminate();
        if (!process->waitForFinished(3000)) process->kill();
        process->waitForFinished(1000);
    }
}

std::optional<QString> SwaySession::missing() {
    for (const char* tool : {"sway", "swaymsg", "wtype", "grim"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so");
    if (!QFile::exists(plugin))
        return QStringLiteral("Qt's Wayland platform (qt6-wayland) is not installed");
    return std::nullopt;
}

bool SwaySession::writeConfig() const {
    QFile config(runtime_.path() + QStringLiteral("/config"));
    if (!config.open(QIODevice::WriteOnly)) return false;
    // The pointer is moved by the test: it must not take the focus on its way.
    config.write(
        "xwayland disable\n"
        "output HEADLESS-1 resolution 1024x768 position 0 0\n"
        "focus_follows_mouse no\n");
    return true;
}

bool SwaySession::start() {
    if (!work_.isValid() || !runtime_.isValid() || !writeConfig()) return false;
    const QString gameRuntime = work_.path() + QStringLiteral("/xdg");
    if (!QDir().mkpath(gameRuntime) || !QFile::setPermissions(gameRuntime, kPrivate)) return false;
    const Account account = swayAccount();
    if (account.drop) {
        for (const QString& path : {runtime_.path(), runtime_.path() + QStringLiteral("/config")})
            if (chown(QFile::encodeName(path).constData(), account.uid, account.gid) != 0)
                return false;
    }

    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("HOME"), runtime_.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    sway_ = std::make_unique<QProcess>();
    sway_->setProcessEnvironment(env);
    sway_->setStandardOutputFile(QProcess::nullDevice());
    sway_->setStandardErrorFile(work_.filePath(QStringLiteral("sway.log")));
    sway_->setChildProcessModifier([account] { becomeAndDieWithParent(account); });
    sway_->start(QStringLiteral("sway"),
                 {QStringLiteral("-c"), runtime_.path() + QStringLiteral("/config")});
    if (!sway_->waitForStarted(5000)) return false;
    const bool up = waitUntil(
        [this] {
            if (sway_->state() == QProcess::NotRunning) return true;
            return !socket().isEmpty() && !ipcSocket().isEmpty() &&
                   run(QStringLiteral("swaymsg"),
                       {QStringLiteral("-t"), QStringLiteral("get_outputs")});
        },
        10000, 50);
    return up && sway_->state() == QProcess::Running && startKeyboard();
}

// A headless seat has no keyboard, and each wtype brings its own only while it runs:
// a client may miss a key whose keyboard came and went at once. One virtual keyboard
// that stays keeps the seat's keyboard, and the game's, in place.
bool SwaySession::startKeyboard() {
    keyboard_ = std::make_unique<QProcess>();
    keyboard_->setProcessEnvironment(clientEnv());
    keyboard_->setStandardOutputFile(QProcess::nullDevice());
    keyboard_->setStandardErrorFile(QProcess::nullDevice());
    keyboard_->setChildProcessModifier([] { becomeAndDieWithParent({}); });
    keyboard_->start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("86400000")});
    if (!keyboard_->waitForStarted(5000)) return false;
    return waitUntil(
        [this] {
            const auto seats =
                run(QStringLiteral("swaymsg"),
                    {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_seats")});
            return seats && seats->contains("\"keyboard\"");
        },
        10000, 50);
}

QString SwaySession::log() const {
    return readText(work_.filePath(QStringLiteral("sway.log")));
}

QString SwaySession::socket() const {
    return firstEntry(runtime_.path(), QStringLiteral("wayland-*"));
}

QString SwaySession::ipcSocket() const {
    return firstEntry(runtime_.path(), QStringLiteral("sway-ipc.*.sock"));
}

QProcessEnvironment SwaySession::clientEnv() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket());
    env.insert(QStringLiteral("SWAYSOCK"), ipcSocket());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), work_.filePath(QStringLiteral("xdg")));
    return env;
}

QString SwaySession::makeAppDir(const QString& sourceAppDir) {
    const QString path = work_.filePath(QStringLiteral("app dir"));
    return copyTree(sourceAppDir, path) ? path : QString();
}

bool SwaySession::launchGame(const QString& binary, const QString& appDir) {
    QProcessEnvironment env = clientEnv();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    // A bus that answers at once that it is not there (see XSession).
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=/nonexistent/zelto-e2e-bus"));
    game_ = std::make_unique<QProcess>();
    game_->setProcessEnvironment(env);
    game_->setWorkingDirectory(appDir);
    game_->setStandardOutputFile(work_.filePath(QStringLiteral("game.out")));
    game_->setStandardErrorFile(work_.filePath(QStringLiteral("game.err")));
    game_->setChildProcessModifier([] { becomeAndDieWithParent({}); });
    game_->start(binary, {});
    return game_->waitForStarted(5000);
}

bool SwaySession::gameRunning() const {
    return game_ && game_->state() != QProcess::NotRunning;
}

void SwaySession::stopGame() {
    if (!gameRunning()) return;
    game_->terminate();
    if (!game_->waitForFinished(5000)) game_->kill();
    game_->waitForFinished(1000);
}

QString SwaySession::gameOutput() const {
    return readText(work_.filePath(QStringLiteral("game.out")));
}

QString SwaySession::gameErrors() const {
    return readText(work_.filePath(QStringLiteral("game.err")));
}

std::optional<QByteArray> SwaySession::run(const QString& program, const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(clientEnv());
    p.setChildProcessModifier([] { becomeAndDieWithParent({}); });
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(1000);
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return p.readAllStandardOutput();
}

std::vector<SwaySession::Window> SwaySession::windows() const {
    std::vector<Window> found;
    const auto tree = run(QStringLiteral("swaymsg"),
                          {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")});
    if (tree) collectViews(QJsonDocument::fromJson(*tree).object(), -1, found);
    return found;
}

std::optional<SwaySession::Window> SwaySession::waitForWindow(
    const QString& title, int timeoutMs, const std::function<bool(const Window&)>& accept) {
    std::optional<Window> found;
    waitUntil(
        [&] {
            for (const Window& w : windows())
                if (w.title == title && (!accept || accept(w))) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeoutMs, 50);
    return found;
}

bool SwaySession::waitForGone(qint64 id, int timeoutMs) const {
    return waitUntil(
        [&] {
            for (const Window& w : windows())
                if (w.id == id) return false;
            return true;
        },
        timeoutMs, 50);
}

bool SwaySession::waitUntil(const std::function<bool()>& condition, int timeoutMs,
                            int stepMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (condition()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(stepMs);
    }
}

bool SwaySession::key(const QString& keysym, const QString& modifier) const {
    QStringList args = {QStringLiteral("-k"), keysym};
    if (!modifier.isEmpty()) {
        args.prepend(modifier);
        args.prepend(QStringLiteral("-M"));
        args << QStringLiteral("-m") << modifier;
    }
    return run(QStringLiteral("wtype"), args).has_value();
}

bool SwaySession::close(qint64 id) const {
    return run(QStringLiteral("swaymsg"),
               {QStringLiteral("[con_id=%1]").arg(id), QStringLiteral("kill")})
        .has_value();
}

QImage SwaySession::screenshot(const QRect& area) const {
    const QString geometry = QStringLiteral("%1,%2 %3x%4")
                                 .arg(area.x())
                                 .arg(area.y())
                                 .arg(area.width())
                                 .arg(area.height());
    const auto picture =
        run(QStringLiteral("grim"), {QStringLiteral("-t"), QStringLiteral("ppm"),
                                     QStringLiteral("-g"), geometry, QStringLiteral("-")});
    return picture ? QImage::fromData(*picture, "PPM") : QImage();
}
