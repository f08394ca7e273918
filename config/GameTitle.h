#pragma once
// The game's name: the application title, the main window's caption and the title of
// its message boxes.
#include <QString>

inline const QString kGameTitle = QStringLiteral("Zelto 2000");
