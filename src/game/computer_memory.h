// What the computer opponent remembers between its turns, kept beside the game state (never in
// saved games), and the census tables that only the computer keeps.
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace tavolex {

struct ComputerMemory {
    uint8_t HoldThrees = 0;
    uint8_t DiscardingRank = 0;  // 0 = none
    uint8_t PileMakesCanasta = 0;
    int32_t PlannedWildCount = 0;
    int32_t OpeningPlan = 0;  // 0 none, 1 wild cards on triples, 2 pairs with a wild card
    uint8_t MeldMaterial = 0;
    // Set while the computer melds with the top card of a pile it takes: the rest of the pile is
    // still to come into its hand.
    uint8_t PileStillToCome = 0;

    // Census tables beside the game state's count arrays, by rank.
    ColumnCounts KnownPlayerCount{};
    ColumnCounts PlayerMeldRankCount{};
    ColumnCounts OpponentMeldRankCount{};

    // The game flow forgets the per-hand memory at each deal.
    void ResetHand() {
        HoldThrees = 0;
        DiscardingRank = 0;
    }
};

}  // namespace tavolex
