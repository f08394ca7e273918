#include "GameRulesTestAccess.h"

#include "GameRules.h"

ConfigRecord& GameRulesTestAccess::settings(GameRules& rules) {
    return rules.config_;
}

void GameRulesTestAccess::setSeqLength(GameRules& rules, int length) {
    rules.seqLength_ = length;
}
