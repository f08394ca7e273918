#pragma once
// Whether a sound is heard: only while the record's sounds flag is on. The click that
// confirms a control, icon or dialog button is Click.wav of the record's own scheme.
#include <QString>

#include "GameSound.h"

struct ConfigRecord;
class WaveOutput;

void playIfSoundsOn(SoundPort& sounds, const ConfigRecord& record, GameSound sound);
void playClick(WaveOutput& wave, const ConfigRecord& record, const QString& appDir);
