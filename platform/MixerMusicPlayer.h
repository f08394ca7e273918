#pragma once
// A MIDI player on SDL_mixer's music stream (FluidSynth with a General MIDI soundfont).
// Every play ends with exactly one notification on the user-interface thread: played to
// the end, stopped, superseded by another player, or closed.
#include <functional>

#include <QObject>
#include <QString>

#include "MusicPlayer.h"

class MixerDevice;
struct _Mix_Music;

class MixerMusicPlayer : public QObject, public MusicPlayer {
    Q_OBJECT
public:
    explicit MixerMusicPlayer(MixerDevice& device, QObject* parent = nullptr);
    ~MixerMusicPlayer() override;

    void setFileName(const QString& path) override { fileName_ = path; }
    QString fileName() const override { return fileName_; }
    bool isOpen() const override { return open_; }
    void open() override;
    void play() override;
    void pause() override;
    void stop() override;
    void rewind() override;
    void close() override;
    void setOnNotify(std::function<void()> handler) override { onNotify_ = std::move(handler); }

    bool playing() const { return state_ == State::Playing; }
    bool paused() const { return state_ == State::Paused; }

private:
    enum class State { Stopped, Playing, Paused };
    void requireOpen() const;
    bool ownsStream() const;
    void endPlay();                  // the current play is over: notify once
    void finishedOnAudioThread();  // SDL's hook, from the audio thread
    static void musicFinishedHook();

    MixerDevice& device_;
    QString fileName_;
    _Mix_Music* music_ = nullptr;
    bool open_ = false;
    bool silent_ = false;  // opened with no sound device: plays nothing, never notifies
    State state_ = State::Stopped;
    double resumeAt_ = 0;  // seconds; where a stopped play goes on
    bool atEnd_ = false;
    quint64 playId_ = 0;  // the play whose notification is still due, 0 for none
    std::function<void()> onNotify_;
};
