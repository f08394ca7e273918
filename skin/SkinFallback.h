#pragma once
// The pictures the main window shows for a skin: the named skin; the default skin when
// that one is broken; a plain look drawn in code when even the default skin is. The
// pictures a broken skin did load keep their place, so the window applies every step in
// turn and shows each step's message after its pictures.
#include <vector>

#include <QString>

#include "SkinFolder.h"

class SkinFallback {
public:
    struct Step {
        SkinPictures pictures;
        QString error;  // empty for the step the window ends on
    };
    struct Choice {
        std::vector<Step> steps;
        QString skinName;  // the skin the game now shows, "Default Skin" after a fall-back
    };

    static Choice choose(const QString& appDir, const QString& skinName);
};
