#pragma once
// A private sound server with one null sink, in its own runtime folder, so a test hears
// exactly what the game sends to it and can take the server away. Both kinds speak
// PulseAudio's protocol to clients: PulseAudio itself (`pulseaudio -n`), or PipeWire with
// its session manager and pipewire-pulse, on a private D-Bus session bus.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PulseServer {
public:
    static constexpr int kRate = 44100;
    enum class Kind { PulseAudio, PipeWire };

    explicit PulseServer(Kind kind = Kind::PulseAudio);
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // What this machine lacks to run a server of `kind`, empty when nothing.
    static QStringList missingPrograms(Kind kind);
    static QString name(Kind kind);
    Kind kind() const { return kind_; }
    QString name() const { return name(kind_); }

    // Starts the server, on the same socket every time, and waits until it answers with
    // its null sink as the default.
    bool start();
    // Ends the server, as when a desktop's sound server goes away.
    void stop();
    bool running() const;

    // What a client needs to reach this server and no other.
    QString address() const { return QStringLiteral("unix:") + socket(); }
    QString socket() const;
    QString monitor() const { return QStringLiteral("zelto.monitor"); }
    QProcessEnvironment clientEnvironment() const;
    // A file in the server's private folder.
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    // The server's own messages, for a failure report.
    QString log() const;

    // Runs pactl, or another client such as pw-cli, against this server; its output, or
    // nothing when it failed.
    std::optional<QString> pactl(const QStringList& args) const;
    std::optional<QString> run(const QString& program, const QStringList& args) const;

    // Makes a child end with the test even when the test is killed.
    static void dieWithParent(QProcess& process);

private:
    bool startPulseAudio();
    bool startPipeWire();
    QProcess* spawn(const QString& program, const QStringList& args);
    bool answers() const;
    bool waitUntil(const std::function<bool()>& ready, int timeoutMs) const;

    Kind kind_;
    QTemporaryDir dir_;
    // Started in order, ended in reverse.
    std::vector<std::unique_ptr<QProcess>> processes_;
};
