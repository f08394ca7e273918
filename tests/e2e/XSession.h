#pragma once
// A private X server (Xvfb) with the real game running in it, driven only through X
// input events (xdotool) and read back through screenshots.
#include <functional>
#include <memory>
#include <optional>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

class XSession {
public:
    // How long a wait for the game's windows or its end may take: the test build runs
    // the game under the sanitizers, beside other tests, and a wait ends when its
    // condition holds.
    static constexpr int kPatienceMs = 30000;

    XSession();
    ~XSession();

    bool startServer();
    const QString& display() const { return display_; }

    // Copies `sourceAppDir` into a fresh temporary folder and returns its path.
    QString makeAppDir(const QString& sourceAppDir);
    bool launchGame(const QString& binary, const QString& appDir);
    // An environment variable for the games launched from now on.
    void setGameEnv(const QString& name, const QString& value) { gameEnv_.insert(name, value); }
    bool gameRunning() const;
    qint64 gamePid() const { return game_ ? game_->processId() : 0; }
    void stopGame();
    // Waits for the game to end; returns its exit code, or nothing on time-out.
    std::optional<int> waitForExit(int timeoutMs);

    // Visible windows whose name matches `pattern` exactly (a regular expression).
    QStringList findWindows(const QString& pattern) const;
    QRect windowGeometry(const QString& id) const;
    // The title a window manager shows: the window's _NET_WM_NAME.
    QString caption(const QString& id) const;
    // Asks the window to close as a window manager's close button does (WM_DELETE_WINDOW).
    bool closeByFrame(const QString& id) const;
    std::optional<QString> waitForWindow(const QString& pattern, int timeoutMs,
                                         const std::function<bool(const QString&)>& accept = {});
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs, int stepMs = 20) const;

    QImage screenshot() const;
    bool xdotool(const QStringList& args) const;
    QString xdotoolOutput(const QStringList& args) const;
    void focus(const QString& id) const;
    void key(const QString& keysym) const;  // press and release
    void keyDown(const QString& keysym) const;
    void keyUp(const QString& keysym) const;
    void type(const QString& text) const;
    void click(QPoint screenPos, int button = 1) const;
    void mouseDown(QPoint screenPos, int button = 1) const;
    void mouseUp(int button = 1) const;

private:
    QProcessEnvironment env() const;

    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> game_;
    QString display_;
    QProcessEnvironment gameEnv_;
    QStringList tempDirs_;
};
