#pragma once
// The game's sounds from the files of one sound scheme, on the one wave voice.
#include <QString>

#include "GameSound.h"

class WaveOutput;

class SchemeSounds : public SoundPort {
public:
    explicit SchemeSounds(WaveOutput& wave) : wave_(wave) {}

    void setScheme(const QString& appDir, const QString& scheme);
    void play(GameSound sound) override;
    // A game in progress: its presses must sound at once.
    void keepReady(bool on);

private:
    WaveOutput& wave_;
    QString appDir_;
    QString scheme_;
};
