#pragma once
// A private headless sway with the real game on Qt's Wayland platform. Keys come from a
// virtual keyboard (wtype); windows are read from sway's tree and pictures from its
// screen copy (grim). Sway refuses to run as root, so a root test runs it as an
// unprivileged user with a runtime folder of that user's own.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class SwaySession {
public:
    static constexpr int kPatienceMs = 30000;

    // A window as sway holds it.
    struct Window {
        qint64 id = 0;
        QString title;
        QRect content;  // the client's own area on the screen
        bool focused = false;
        int stacking = -1;  // among the floating windows, 0 at the bottom
    };

    SwaySession();
    ~SwaySession();
    SwaySession(const SwaySession&) = delete;
    SwaySession& operator=(const SwaySession&) = delete;

    // What this machine lacks for a session, or nothing.
    static std::optional<QString> missing();

    bool start();
    QString log() const;

    // Copies `sourceAppDir` into the session's folder and returns the copy's path.
    QString makeAppDir(const QString& sourceAppDir);
    // The game logs the requests it makes of the compositor to its error output.
    bool launchGame(const QString& binary, const QString& appDir);
    bool gameRunning() const;
    void stopGame();
    QString gameOutput() const;
    QString gameErrors() const;

    std::vector<Window> windows() const;
    std::optional<Window> waitForWindow(const QString& title, int timeoutMs,
                                        const std::function<bool(const Window&)>& accept = {});
    bool waitForGone(qint64 id, int timeoutMs) const;
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs, int stepMs = 20) const;

    // A key pressed and released, with a modifier held around it if one is given.
    bool key(const QString& keysym, const QString& modifier = QString()) const;
    // Asks a window to close, as a window manager's close button does.
    bool close(qint64 id) const;
    QImage screenshot(const QRect& area) const;

private:
    bool writeConfig() const;
    bool startKeyboard();
    std::optional<QByteArray> run(const QString& program, const QStringList& args) const;
    QProcessEnvironment clientEnv() const;
    QString socket() const;
    QString ipcSocket() const;

    QTemporaryDir work_;     // ours: logs, the game's runtime folder and its application folder
    QTemporaryDir runtime_;  // sway's user's: its sockets and its configuration
    std::unique_ptr<QProcess> sway_;
    std::unique_ptr<QProcess> keyboard_;
    std::unique_ptr<QProcess> game_;
};
