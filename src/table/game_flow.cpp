#include "table/game_flow.h"

#include "table/deal.h"
#include "table/end_of_hand.h"

namespace tavolex {

bool TableFlow::EndOfHandCheck() { return tavolex::EndOfHandCheck(table_); }

void TableFlow::StartOpponentTurn() {
    if (table_.NetworkActive || table_.opponent == nullptr) return;
    table_.opponent->PlayTurn(table_);
}

void TableFlow::DealHand(bool firstOfRun) { tavolex::DealHand(table_, firstOfRun); }

}  // namespace tavolex
