#include "computer/expert_parts.h"

namespace tavolex {

void ExpertMeldPhase(TurnContext&) {}
void LayNaturalCanastas(TurnContext&) {}
void AggressiveGoOut(TurnContext&) {}
void ExpertBuildCanastas(TurnContext&) {}
void ExpertMeldAllForOut(TurnContext&, int) {}
void ExpertGoOutWithWilds(TurnContext&) {}
int CanastasReachable(TurnContext&, int& used) {
    used = 0;
    return 0;
}
bool ScoreCheck(const Table&) { return false; }
DiscardChoice ExpertChooseDiscard(TurnContext&) { return {}; }

}  // namespace tavolex
