// What the Expert reads from the discard pile beyond its top card: a canasta only the pile makes
// possible, and whether the pile is worth denying to the player.
#include "computer/census.h"
#include "computer/expert_parts.h"

namespace tavolex {

bool PileMakesCanastaTest(TurnContext& turn) {
    Table& table = turn.table;
    CardCensus(table);
    const GameState& state = table.state;
    const ColumnCounts& meldRanks = table.computer.OpponentMeldRankCount;
    const int wild = ShapeOfComputerHand(table).Wild();
    for (int rank = kRankThree + 1; rank <= kRankAce; ++rank) {
        const int naturals =
            state.OpponentHandCount[rank] + meldRanks[rank] + state.DiscardCount[rank];
        if (naturals >= 4 && naturals + wild >= 7 &&
            naturals + wild - state.DiscardCount[rank] < 7 && state.OpponentMeldCount[rank] < 7)
            return true;
    }
    return false;
}

bool DenyPileTest(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = table.state;
    ComputerMemory& memory = table.computer;

    // Step 1.
    if (state.DiscardPile.Empty()) return false;
    CardCensus(table);

    // Step 2. Material for melds of the computer's own.
    const int wild = ShapeOfComputerHand(table).Wild();
    int triples = 0;
    int bigGroups = 0;
    int pairs = 0;
    for (int rank = kRankThree + 1; rank <= kRankAce; ++rank) {
        const int total = state.OpponentHandCount[rank] + state.OpponentMeldCount[rank];
        if (total == 3) ++triples;
        if (total >= 4) ++bigGroups;
        if (state.OpponentHandCount[rank] >= 2) ++pairs;
    }
    memory.MeldMaterial =
        (triples >= 1 && triples + wild >= 3) || (bigGroups >= 1 && bigGroups + wild >= 2);

    // Step 3. A player about to go out is not slowed down by a frozen pile.
    if (turn.PlayerAhead) return false;

    // Step 4. Freezing the pile only pays while the computer can still open.
    int wildNeeded = 0;
    if (state.OpponentMeldPoints < 1 && memory.DiscardingRank == 0 &&
        !OpeningPlanner(turn, wildNeeded, kRankJoker, false, false))
        return false;

    // Step 5. A player with much in hand and on the table has enough to take a frozen pile.
    const ColumnCounts& playerHeld = state.PlayerHandCount;
    if (state.PlayerHand.count + state.PlayerMelds.count + playerHeld[kRankJoker] +
            playerHeld[kRankDeuce] + playerHeld[kRankThree] >
        25)
        return false;

    // Step 6. The pile is worth denying when it is big, when the computer has many pairs or
    // canastas to build, or when the top rank is what the player collects.
    const int canastas = state.OpponentTally.canastaCount;
    const int canastasNeeded = state.Rules.NumberOfCanastas;
    const int top = state.DiscardPile.Top().rank;
    const int playerHolds = memory.KnownPlayerCount[top] + state.PlayerMeldCount[top];
    return (canastasNeeded == 2 && pairs >= 5) || (!memory.MeldMaterial && canastas == 0) ||
           state.DiscardPile.count >= 20 ||
           (state.OpponentHand.count >= 20 && canastas >= canastasNeeded) ||
           (playerHolds + state.DiscardCount[top] >= 7 && playerHolds <= 6);
}

}  // namespace tavolex
