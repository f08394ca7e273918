#include "SchemeSounds.h"

#include "SoundPaths.h"
#include "WaveOutput.h"

void SchemeSounds::setScheme(const QString& appDir, const QString& scheme) {
    appDir_ = appDir;
    scheme_ = scheme;
}

void SchemeSounds::play(GameSound sound) {
    wave_.playFile(SoundPaths::file(appDir_, scheme_, soundFileName(sound)));
}

void SchemeSounds::keepReady(bool on) {
    wave_.keepReady(on);
}
