#pragma once
// The click that confirms a control, icon or dialog button, when sounds are on.
#include <QString>

struct ConfigRecord;
class WaveOutput;

void playClick(WaveOutput& wave, const ConfigRecord& record, const QString& appDir);
