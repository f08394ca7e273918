#pragma once
// Where the waves of a sound scheme live, <app>/Sounds/<scheme>/<file>, and the music.
#include <QString>

namespace SoundPaths {
QString file(const QString& appDir, const QString& scheme, const QString& fileName);
// "Sound<n>.wav" of the scheme, n = 1..9.
QString board(const QString& appDir, const QString& scheme, int n);
QString click(const QString& appDir, const QString& scheme);
QString mistake(const QString& appDir, const QString& scheme);
QString timeOver(const QString& appDir, const QString& scheme);
// <app>/Music/<file>: the in-game piece.
QString music(const QString& appDir, const QString& fileName);
}  // namespace SoundPaths
