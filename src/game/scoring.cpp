#include "game/scoring.h"

#include "game/table.h"

namespace tavolex {

int32_t MinimumForScore(int32_t) { return 50; }
bool MustPassTest(Table&) { return false; }
void MustPass(Table&) {}
bool RunMustPassTest(Table&) { return false; }
HandScores ScoreHand(Table&) { return {}; }

}  // namespace tavolex
