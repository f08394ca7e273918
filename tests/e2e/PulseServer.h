#pragma once
// A private PulseAudio daemon with one null sink, in its own runtime folder, so a test
// hears exactly what the game sends to the sound server and can take the server away.
#include <memory>
#include <optional>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PulseServer {
public:
    static constexpr int kRate = 44100;

    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the daemon, on the same socket every time, and waits until it answers.
    bool start();
    // Ends the daemon, as when a desktop's sound server goes away.
    void stop();
    bool running() const;

    // What a client needs to reach this daemon and no other.
    QString address() const { return QStringLiteral("unix:") + socket(); }
    QString socket() const { return dir_.path() + QStringLiteral("/native"); }
    QString monitor() const { return QStringLiteral("zelto.monitor"); }
    QProcessEnvironment clientEnvironment() const;
    // A file in the server's private folder.
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    // The daemon's own messages, for a failure report.
    QString log() const;

    // Runs pactl against this daemon; its output, or nothing when it failed.
    std::optional<QString> pactl(const QStringList& args) const;

    // Makes a child end with the test even when the test is killed.
    static void dieWithParent(QProcess& process);

private:
    bool answers() const;

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> daemon_;
};
