#pragma once
// The entries a selection dialog offers: what a player can pick and the game can store.
#include <QStringList>

namespace FolderList {
// Names longer than this (in the 8-bit code page) cannot be kept in Config.dat.
constexpr int kMaxStoredName = 255;

// True when `name` can be stored in Config.dat unchanged.
bool storable(const QString& name);

// Sub-folders of `dir`: no hidden folders (names starting with a dot), sorted without
// regard to letter case, names that differ only in case listed once, unstorable names
// left out.
QStringList subfolders(const QString& dir);

// Files of `dir` whose names end with `suffix` in any letter case (".mid"), in the same
// order and with the same filter.
QStringList filesWithSuffix(const QString& dir, const QString& suffix);
}  // namespace FolderList
