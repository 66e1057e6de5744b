#include "game/pile_take.h"

#include "game/table.h"

namespace tavolex {

bool PileMayBeTaken(Table&, bool) { return false; }
bool IsForced(Table&) { return false; }
bool IsForcedForOpponent(Table&) { return false; }
void TakePile(Table&) {}
void CompletePileTake(Table&) {}
void UndoPileTake(Table&) {}
bool DiscardRule(Table&, const CardRecord&) { return true; }

}  // namespace tavolex
