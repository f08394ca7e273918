#pragma once
// A MIDI player on SDL_mixer's music stream (FluidSynth with a General MIDI soundfont).
// Every play ends with exactly one notification on the user-interface thread: played to
// the end, stopped, superseded by another play, or closed. Every play that is not a
// resume starts at the piece's first event. A sound server that goes away ends no play:
// the piece goes on in silence, and starts again from its top once the server is back.
#include <functional>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "MixerDevice.h"
#include "MusicPlayer.h"

struct _Mix_Music;

class MixerMusicPlayer : public QObject, public MusicPlayer, private MixerDevice::Client {
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
    void setLooping(bool on) override { looping_ = on; }

    bool playing() const { return state_ == State::Playing; }
    bool paused() const { return state_ == State::Paused; }
    // Opened without a sound device, or the device went away: nothing is heard until the
    // device opens again. A play in silence ends only when stopped, superseded or closed.
    bool silent() const { return silent_; }

private:
    enum class State { Stopped, Playing, Paused };
    void requireOpen() const;
    void closeFile();
    void keepDecoded();
    bool ownsStream() const;
    void startFromTop();
    void continueOnStream();
    void decodeAfresh();             // a piece that has played cannot go back to its top
    void releaseStream();            // halts the stream if this player holds it
    void supersede();                // another player took the stream
    void deviceClosing() override;   // the device goes away: play on in silence
    void deviceOpened() override;    // and is back: sound again where a play goes on
    void startStream(quint64 play);  // the current piece from its top, for that play
    void endPlay();                  // the current play is over: notify once
    void playedToEnd(quint64 play);  // on the UI thread, from SDL's finished hook
    static void musicFinishedHook();

    MixerDevice& device_;
    QString fileName_;
    QString openedPath_;  // the file music_ was decoded from
    QByteArray bytes_;    // its bytes, decoded again for every start from the top
    _Mix_Music* music_ = nullptr;
    bool played_ = false;  // music_ has been started and is no longer at its top
    bool open_ = false;
    bool silent_ = false;
    bool holdsDevice_ = false;
    bool looping_ = false;
    State state_ = State::Stopped;
    bool held_ = false;   // stopped, with the stream paused where it stood
    quint64 playId_ = 0;  // the play whose notification is still due, 0 for none
    std::function<void()> onNotify_;
};
