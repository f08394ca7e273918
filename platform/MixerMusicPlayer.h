#pragma once
// A MIDI player on SDL_mixer's music stream (FluidSynth with a General MIDI soundfont).
// Every play ends with exactly one notification on the user-interface thread: played to
// the end, stopped, superseded by another play, or closed.
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
    // Opened without a sound device: plays nothing and never notifies.
    bool silent() const { return silent_; }

private:
    enum class State { Stopped, Playing, Paused };
    void requireOpen() const;
    void closeFile();
    bool ownsStream() const;
    void startFromTop();
    void continueOnStream();
    void releaseStream();            // halts the stream if this player holds it
    void supersede();                // another player took the stream
    void endPlay();                  // the current play is over: notify once
    void playedToEnd(quint64 play);  // on the UI thread, from SDL's finished hook
    static void musicFinishedHook();

    MixerDevice& device_;
    QString fileName_;
    QString openedPath_;  // the file music_ was decoded from
    _Mix_Music* music_ = nullptr;
    bool open_ = false;
    bool silent_ = false;
    State state_ = State::Stopped;
    bool held_ = false;   // stopped, with the stream paused where it stood
    quint64 playId_ = 0;  // the play whose notification is still due, 0 for none
    std::function<void()> onNotify_;
};
