// The game flow that rule procedures hand on to: end of hand, the opponent's turn, a new deal.
#pragma once

#include "game/table.h"

namespace tavolex {

class TableFlow : public GameFlow {
public:
    explicit TableFlow(Table& table) : table_(table) { table.flow = this; }
    bool EndOfHandCheck() override;
    // In a local game the opponent plays its whole turn here; in a network game nothing
    // happens and the peer's messages carry the turn.
    void StartOpponentTurn() override;
    void DealHand(bool firstOfRun) override;

private:
    Table& table_;
};

}  // namespace tavolex
