#include "table/turn.h"

#include "game/table.h"

namespace tavolex {

void DrawFromStock(Table&) {}
void DiscardFromHand(Table&, int) {}
void DiscardRedThreeFromMelds(Table&, int) {}
void EndHandPressed(Table&) {}
void NetworkGameEnded(Table&) {}

}  // namespace tavolex
