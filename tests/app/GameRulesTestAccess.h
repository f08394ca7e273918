#pragma once
// Reaches into GameRules where playing a scenario through would take too long, and
// lets a test change one setting at a time.
class GameRules;
struct ConfigRecord;

class GameRulesTestAccess {
public:
    static ConfigRecord& settings(GameRules& rules);
    // Sets the length of the round that playback is about to show.
    static void setSeqLength(GameRules& rules, int length);
};
