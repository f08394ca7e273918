#include "XSession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "TreeCopy.h"

XSession::XSession() = default;

XSession::~XSession() {
    stopGame();
    if (server_) {
        server_->terminate();
        if (!server_->waitForFinished(3000)) server_->kill();
        server_->waitForFinished(1000);
    }
    for (const QString& dir : tempDirs_) QDir(dir).removeRecursively();
}

QProcessEnvironment XSession::env() const {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("DISPLAY"), display_);
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    e.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    e.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // A bus that answers at once that it is not there: with no address, D-Bus forks a
    // launcher from the game's accessibility bridge, and in a sanitizer build that
    // child can hang, holding up the game's first window for half a minute or more.
    e.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
             QStringLiteral("unix:path=/nonexistent/zelto-e2e-bus"));
    return e;
}

bool XSession::startServer() {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int number = 100 + QRandomGenerator::global()->bounded(800);
        if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) continue;
        display_ = QStringLiteral(":%1").arg(number);
        server_ = std::make_unique<QProcess>();
        server_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_->start(
            QStringLiteral("Xvfb"),
            {display_, QStringLiteral("-screen"), QStringLiteral("0"),
             QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
             // Without it the server resets when its last client leaves, and a game
             // started at that moment finds no display.
             QStringLiteral("-noreset")});
        if (!server_->waitForStarted(5000)) return false;
        const bool up = waitUntil(
            [this] {
                QProcess probe;
                probe.setProcessEnvironment(env());
                probe.start(QStringLiteral("xdpyinfo"), {});
                return probe.waitForFinished(2000) && probe.exitCode() == 0;
            },
            10000, 100);
        if (up) return true;
        server_->kill();
        server_->waitForFinished(1000);
    }
    return false;
}

QString XSession::makeAppDir(const QString& sourceAppDir) {
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    const QString path = dir.path() + QStringLiteral("/app dir");
    tempDirs_.append(dir.path());
    return copyTree(sourceAppDir, path) ? path : QString();
}

bool XSession::launchGame(const QString& binary, const QString& appDir) {
    game_ = std::make_unique<QProcess>();
    QProcessEnvironment e = env();
    e.insert(gameEnv_);
    game_->setProcessEnvironment(e);
    game_->setWorkingDirectory(appDir);
    game_->setProcessChannelMode(QProcess::ForwardedChannels);
    game_->start(binary, {});
    return game_->waitForStarted(5000);
}

void XSession::stopGame() {
    if (!gameRunning()) return;
    game_->terminate();
    if (!game_->waitForFinished(5000)) game_->kill();
    game_->waitForFinished(1000);
}

bool XSession::gameRunning() const {
    return game_ && game_->state() != QProcess::NotRunning;
}

std::optional<int> XSession::waitForExit(int timeoutMs) {
    if (!game_) return std::nullopt;
    if (game_->state() != QProcess::NotRunning && !game_->waitForFinished(timeoutMs))
        return std::nullopt;
    return game_->exitCode();
}

QString XSession::xdotoolOutput(const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(env());
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(5000)) return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

bool XSession::xdotool(const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(env());
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(5000) && p.exitCode() == 0;
}

QStringList XSession::findWindows(const QString& pattern) const {
    const QString out = xdotoolOutput({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), pattern});
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QRect XSession::windowGeometry(const QString& id) const {
    const QString out =
        xdotoolOutput({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
    QRect r;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString key = line.left(eq);
        const int value = line.mid(eq + 1).toInt();
        if (key == QLatin1String("X")) r.moveLeft(value);
        if (key == QLatin1String("Y")) r.moveTop(value);
        if (key == QLatin1String("WIDTH")) r.setWidth(value);
        if (key == QLatin1String("HEIGHT")) r.setHeight(value);
    }
    return r;
}

namespace {
// A window gone before the question reached it is for the test's checks to report;
// Xlib's own handler would end the test program with the game still running.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

// One short-lived connection per question, so the test holds no X state of its own.
template <typename Use>
auto withDisplay(const QString& name, Use use) -> decltype(use(nullptr)) {
    XSetErrorHandler(ignoreXError);
    Display* display = XOpenDisplay(name.toLocal8Bit().constData());
    if (!display) return {};
    auto result = use(display);
    XCloseDisplay(display);
    return result;
}
}  // namespace

QString XSession::caption(const QString& id) const {
    return withDisplay(display_, [&](Display* display) {
        const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
        const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        QString text;
        if (XGetWindowProperty(display, id.toULong(), name, 0, 1024, False, utf8, &type, &format,
                               &count, &after, &data) == Success &&
            data) {
            text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(count));
            XFree(data);
        }
        return text;
    });
}

bool XSession::closeByFrame(const QString& id) const {
    return withDisplay(display_, [&](Display* display) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = id.toULong();
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        const bool sent = XSendEvent(display, id.toULong(), False, NoEventMask, &event) != 0;
        XSync(display, False);
        return sent;
    });
}

std::optional<QString> XSession::waitForWindow(const QString& pattern, int timeoutMs,
                                               const std::function<bool(const QString&)>& accept) {
    std::optional<QString> found;
    waitUntil(
        [&] {
            for (const QString& id : findWindows(pattern))
                if (!accept || accept(id)) {
                    found = id;
                    return true;
                }
            return false;
        },
        timeoutMs, 50);
    return found;
}

bool XSession::waitUntil(const std::function<bool()>& condition, int timeoutMs, int stepMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (condition()) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(stepMs);
    }
}

QImage XSession::screenshot() const {
    QProcess p;
    p.setProcessEnvironment(env());
    p.start(QStringLiteral("import"),
            {QStringLiteral("-display"), display_, QStringLiteral("-window"),
             QStringLiteral("root"), QStringLiteral("png:-")});
    if (!p.waitForFinished(10000)) return QImage();
    return QImage::fromData(p.readAllStandardOutput(), "PNG");
}

void XSession::focus(const QString& id) const {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
}

void XSession::key(const QString& keysym) const {
    xdotool({QStringLiteral("key"), keysym});
}
void XSession::keyDown(const QString& keysym) const {
    xdotool({QStringLiteral("keydown"), keysym});
}
void XSession::keyUp(const QString& keysym) const {
    xdotool({QStringLiteral("keyup"), keysym});
}

void XSession::type(const QString& text) const {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void XSession::click(QPoint screenPos, int button) const {
    mouseDown(screenPos, button);
    mouseUp(button);
}

void XSession::mouseDown(QPoint screenPos, int button) const {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screenPos.x()),
             QString::number(screenPos.y())});
    xdotool({QStringLiteral("mousedown"), QString::number(button)});
}

void XSession::mouseUp(int button) const {
    xdotool({QStringLiteral("mouseup"), QString::number(button)});
}
