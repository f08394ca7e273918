#pragma once
// A music player that opens, plays and closes without a sound device.
#include "MusicPlayer.h"

class SilentMusic : public MusicPlayer {
public:
    void setFileName(const QString& path) override { name_ = path; }
    QString fileName() const override { return name_; }
    bool isOpen() const override { return open_; }
    void open() override { open_ = true; }
    void play() override {}
    void pause() override {}
    void stop() override {}
    void rewind() override {}
    void close() override { open_ = false; }
    void setOnNotify(std::function<void()>) override {}
    void setLooping(bool) override {}

private:
    QString name_;
    bool open_ = false;
};
