#include "GameRulesTestAccess.h"

#include "GameRules.h"

void GameRulesTestAccess::setSeqLength(GameRules& rules, int length) {
    rules.seqLength_ = length;
}
