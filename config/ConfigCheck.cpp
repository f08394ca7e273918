#include "ConfigCheck.h"

#include <algorithm>

namespace ConfigCheck {
namespace {

int normalizedButtonCount(const ConfigRecord& rec) {
    return int(std::count_if(rec.ButtonEnabled.begin(), rec.ButtonEnabled.end(),
                             [](std::uint8_t flag) { return flag != 0; }));
}

void checkFlag(QStringList& out, const QString& name, std::uint8_t value) {
    if (value > 1) out << QStringLiteral("%1 is %2 instead of 0 or 1").arg(name).arg(value);
}

template <int N>
void checkLength(QStringList& out, const QString& name, const ShortString<N>& s) {
    if (int(s.raw[0]) > N)
        out << QStringLiteral("%1 has length %2, more than %3").arg(name).arg(s.raw[0]).arg(N);
}

template <int N>
void clampLength(ShortString<N>& s) {
    if (int(s.raw[0]) > N) s.raw[0] = std::uint8_t(N);
}

void checkFlags(QStringList& out, const ConfigRecord& rec) {
    for (int n = 1; n <= 9; ++n)
        checkFlag(out, QStringLiteral("Button %1 enabled flag").arg(n), rec.ButtonEnabled[n - 1]);
    checkFlag(out, QStringLiteral("Player time flag"), rec.PlayerTime);
    checkFlag(out, QStringLiteral("Alternating sequence flag"), rec.AltSeqMode);
    checkFlag(out, QStringLiteral("Play sounds flag"), rec.PlaySounds);
    checkFlag(out, QStringLiteral("Play music flag"), rec.PlayMusic);
}

void checkNames(QStringList& out, const ConfigRecord& rec) {
    checkLength(out, QStringLiteral("Sound scheme name"), rec.SoundScheme);
    checkLength(out, QStringLiteral("Music file name"), rec.MusicFile);
    checkLength(out, QStringLiteral("Skin name"), rec.SkinName);
    const auto overLong =
        std::count_if(rec.Top10Names.begin(), rec.Top10Names.end(),
                      [](const ShortString<20>& name) { return name.lengthOverCapacity(); });
    if (overLong > 0)
        out << QStringLiteral("%1 record names are longer than 20 characters").arg(overLong);
}

std::uint8_t asFlag(std::uint8_t value) {
    return value != 0 ? 1 : 0;
}

}  // namespace

QStringList problems(const ConfigRecord& rec) {
    QStringList out;
    checkFlags(out, rec);
    const int buttons = normalizedButtonCount(rec);
    if (buttons < kMinButtons)
        out << QStringLiteral("%1 buttons are enabled, at least %2 are needed")
                   .arg(buttons)
                   .arg(kMinButtons);
    if (rec.MistakesAllowed > kMaxMistakes)
        out << QStringLiteral("Mistakes allowed is %1, more than %2")
                   .arg(rec.MistakesAllowed)
                   .arg(kMaxMistakes);
    if (rec.Delay < kMinDelay || rec.Delay > kMaxDelay)
        out << QStringLiteral("Interval time is %1, outside %2 to %3")
                   .arg(rec.Delay)
                   .arg(kMinDelay)
                   .arg(kMaxDelay);
    checkNames(out, rec);
    return out;
}

ConfigRecord makeSafe(const ConfigRecord& rec) {
    ConfigRecord safe = rec;
    // Non-zero already shows a button on the board, so it stays on rather than off.
    for (auto& flag : safe.ButtonEnabled) flag = asFlag(flag);
    if (safe.enabledCount() < kMinButtons) safe.ButtonEnabled.fill(1);
    safe.PlayerTime = asFlag(safe.PlayerTime);
    safe.AltSeqMode = asFlag(safe.AltSeqMode);
    // Only 1 sounds, so anything else is kept silent.
    safe.PlaySounds = safe.soundsOn() ? 1 : 0;
    safe.PlayMusic = safe.musicOn() ? 1 : 0;
    safe.MistakesAllowed = std::min<std::uint8_t>(safe.MistakesAllowed, kMaxMistakes);
    safe.Delay = std::clamp(safe.Delay, kMinDelay, kMaxDelay);
    clampLength(safe.SoundScheme);
    clampLength(safe.MusicFile);
    clampLength(safe.SkinName);
    for (auto& name : safe.Top10Names) clampLength(name);
    return safe;
}

QString message(const QStringList& problems) {
    if (problems.isEmpty()) return QString();
    QString text = QStringLiteral("Config.dat holds settings the game cannot use:\n");
    for (const QString& problem : problems) text += QStringLiteral("- ") + problem + u'\n';
    text += QStringLiteral(
        "Safe values are used until you change the settings; the file is not changed.");
    return text;
}

}  // namespace ConfigCheck
