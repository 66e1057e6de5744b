#include "table/deal.h"

#include "game/table.h"

namespace tavolex {

void StartNewGame(Table&) {}
void DealHand(Table&, bool) {}

}  // namespace tavolex
