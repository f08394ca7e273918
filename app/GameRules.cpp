#include "GameRules.h"
