#pragma once
// Reaches into GameRules where playing a scenario through would take too long.
class GameRules;

class GameRulesTestAccess {
public:
    // Sets the length of the round that playback is about to show.
    static void setSeqLength(GameRules& rules, int length);
};
