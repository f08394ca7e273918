#pragma once
// The sounds a game makes, and the port they are played through; the real one plays
// each from the current sound scheme (SchemeSounds).
enum class GameSound { Button1 = 1, Button9 = 9, Mistake, TimeOver, Click };

// The sound of board button n (1..9).
constexpr GameSound buttonSound(int n) {
    return static_cast<GameSound>(n);
}

class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(GameSound sound) = 0;
};
