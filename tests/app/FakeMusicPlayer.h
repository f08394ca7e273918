#pragma once
// A MusicPlayer that behaves like the media player towards its caller (no device
// open → "No MCI device open") and logs every operation, optionally into a log
// shared with the fake view so that the order of both can be checked.
#include <vector>

#include <QString>

#include "MusicPlayer.h"

class FakeMusicPlayer : public MusicPlayer {
public:
    explicit FakeMusicPlayer(std::vector<QString>* log) : log_(log) {}

    void setFileName(const QString& path) override;
    QString fileName() const override { return fileName_; }
    bool isOpen() const override { return open_; }
    void open() override;
    void play() override;
    void pause() override;
    void stop() override;
    void rewind() override;
    void close() override;
    void setOnNotify(std::function<void()> handler) override { onNotify_ = std::move(handler); }
    void setLooping(bool on) override { looping = on; }

    // Failures to script; empty means the operation works.
    QString openError;
    QString playError;
    int plays = 0;
    bool playing = false;
    bool looping = false;

private:
    void note(const QString& entry) { log_->push_back(QStringLiteral("music ") + entry); }
    void requireOpen(const QString& operation);

    std::vector<QString>* log_;
    QString fileName_;
    bool open_ = false;
    std::function<void()> onNotify_;
};
