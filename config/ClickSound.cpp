#include "ClickSound.h"

#include "ConfigRecord.h"
#include "SoundPaths.h"
#include "WaveOutput.h"

void playClick(WaveOutput& wave, const ConfigRecord& record, const QString& appDir) {
    if (record.soundsOn()) wave.playFile(SoundPaths::click(appDir, record.SoundScheme.text()));
}
