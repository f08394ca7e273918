#include "ConfigDefaults.h"

#include "FileSink.h"

ConfigRecord ConfigDefaults::record() {
    ConfigRecord r;  // scores, names and reserved bytes all start zeroed
    r.ButtonEnabled.fill(1);
    r.PlayerTime = 0;
    r.MistakesAllowed = 3;
    r.AltSeqMode = 0;
    r.Delay = 500;
    r.PlaySounds = 1;
    r.PlayMusic = 1;
    r.SoundScheme.setText(QStringLiteral("Default Sounds"));
    r.MusicFile.setText(QStringLiteral("Default Music.MID"));
    r.SkinName.setText(QStringLiteral("Default Skin"));
    return r;
}

bool ConfigDefaults::writeIfMissing(const QString& appDir) {
    // The player's settings and records live here: never replace an existing file.
    return FileSink::create(appDir + QStringLiteral("/Config.dat"), record().encode());
}
