#pragma once
// The sounds a game makes, and the port the rules play them through; the real one
// plays each from the current sound scheme.
#include <QString>

enum class GameSound { Button1 = 1, Button9 = 9, Mistake, TimeOver, Click };

// The sound of board button n (1..9).
constexpr GameSound buttonSound(int n) {
    return static_cast<GameSound>(n);
}

// The file of a sound in a scheme folder: "Sound1.wav" ... "Sound9.wav", "Mistake.wav",
// "TimeOver.wav", "Click.wav".
QString soundFileName(GameSound sound);

class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(GameSound sound) = 0;
};
