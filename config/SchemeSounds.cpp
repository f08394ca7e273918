#include "SchemeSounds.h"

#include "AppDirLayout.h"
#include "WaveOutput.h"

void SchemeSounds::setScheme(const QString& appDir, const QString& scheme) {
    appDir_ = appDir;
    scheme_ = scheme;
}

void SchemeSounds::play(GameSound sound) {
    wave_.playFile(AppDirLayout(appDir_).soundFile(scheme_, sound));
}

void SchemeSounds::keepReady(bool on) {
    wave_.keepReady(on);
}
