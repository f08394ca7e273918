#pragma once
// The music pieces shipped in the Music folder.
#include <vector>

#include <QString>

#include "SongBuilder.h"

struct SongFile {
    QString fileName;  // name under Music
    SongPlan plan;
};

class Songs {
public:
    static std::vector<SongFile> all();
    static SongPlan brightMorning();
    static SongPlan nightWalk();
};
