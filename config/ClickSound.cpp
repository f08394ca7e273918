#include "ClickSound.h"

#include "ConfigRecord.h"
#include "SchemeSounds.h"

void playIfSoundsOn(SoundPort& sounds, const ConfigRecord& record, GameSound sound) {
    if (record.soundsOn()) sounds.play(sound);
}

void playClick(WaveOutput& wave, const ConfigRecord& record, const QString& appDir) {
    SchemeSounds sounds(wave);
    sounds.setScheme(appDir, record.SoundScheme.text());
    playIfSoundsOn(sounds, record, GameSound::Click);
}
