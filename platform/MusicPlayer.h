#pragma once
// A MIDI player with the operations of a media-player control: open, play with a
// completion notification, pause, stop, rewind, close.
#include <functional>
#include <stdexcept>

#include <QString>

// Carries the player's own error text ("No MCI device open", or why a file failed to open).
class MciError : public std::runtime_error {
public:
    explicit MciError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;
    virtual bool isOpen() const = 0;
    // Closes what was open, then opens fileName(); throws MciError on failure.
    virtual void open() = 0;
    // Plays from the current position (from the start when at the end) and notifies
    // when this play ends for any reason. Throws MciError when nothing is open.
    virtual void play() = 0;
    virtual void pause() = 0;   // toggles pause; throws MciError when nothing is open
    virtual void stop() = 0;    // throws MciError when nothing is open
    virtual void rewind() = 0;  // throws MciError when nothing is open
    virtual void close() = 0;   // does nothing when nothing is open
    // Called on the user-interface thread when a play with notification ends.
    virtual void setOnNotify(std::function<void()> handler) = 0;
    // While on, a play that reaches the end goes on from the top at once, without a
    // notification; it still ends with one when stopped, superseded or closed.
    virtual void setLooping(bool on) = 0;
};
