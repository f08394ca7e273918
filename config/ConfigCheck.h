#pragma once
// Guards the game against a Config.dat that holds values the rules cannot work with
// (edited by hand, damaged, or from a foreign tool). The file itself is never changed
// here: the game plays on a safe copy until the player saves new settings.
#include <QString>
#include <QStringList>

#include "ConfigRecord.h"

namespace ConfigCheck {
constexpr int kMaxMistakes = 9;
constexpr int kMinDelay = 100;
constexpr int kMaxDelay = 1000;
constexpr int kMinButtons = 2;

// One readable line per value out of range; empty for a sound record.
QStringList problems(const ConfigRecord& rec);

// A copy with flags made 0/1, all nine buttons on when fewer than two are, mistakes and
// delay brought into range and length bytes cut to their capacity. Text bytes, tables
// and everything else are kept as they are.
ConfigRecord makeSafe(const ConfigRecord& rec);

// The one message shown for `problems`; empty when there are none.
QString message(const QStringList& problems);
}  // namespace ConfigCheck
