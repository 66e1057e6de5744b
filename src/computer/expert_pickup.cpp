// The Expert's pick-up: taking the discard pile with the melds its top card makes, or drawing.
#include <array>

#include "computer/census.h"
#include "computer/computer_hand.h"
#include "computer/expert_parts.h"
#include "game/pile_take.h"

namespace tavolex {

bool ComputePlayerAhead(const Table& table) {
    const GameState& state = table.state;
    // The fewer cards are left to play, the fewer the player needs in hand and on the table to
    // be close to going out; an opened computer is never counted behind.
    const int stockAndPile = state.Stock.count + state.DiscardPile.count;
    const int playerCards = state.PlayerHand.count + state.PlayerMelds.count;
    return stockAndPile < 62 && playerCards >= (77 - stockAndPile) / 2 + 21 &&
           state.OpponentMeldPoints == 0;
}

void ExpertMeldRank(TurnContext& turn, int rank, int max) {
    MeldRankFromHand(turn.table, rank, true, max);
}

void ExpertMakeInitialMeld(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = table.state;
    const auto opened = [&] { return state.OpponentMeldPoints >= turn.MeldMinimum; };

    // Step 1. Three cards of each natural triple, the highest ranks first.
    CardCensus(table);
    std::array<bool, kColumns> triples{};
    for (int rank = kRankAce; rank > kRankThree && !opened(); --rank) {
        if (state.OpponentHandCount[rank] < 3) continue;
        ExpertMeldRank(turn, rank, 3);
        triples[rank] = true;
    }

    // Step 2. The rest of those ranks.
    for (int rank = kRankAce; rank > kRankThree && !opened(); --rank)
        if (triples[rank]) ExpertMeldRank(turn, rank, 0);

    // Step 3. The pairs the plan counted on, each with its wild card.
    if (table.computer.OpeningPlan == 2) {
        int pairsLaid = 0;
        for (int rank = kRankAce;
             rank > kRankThree && !opened() && pairsLaid < table.computer.PlannedWildCount;
             --rank) {
            if (state.OpponentHandCount[rank] != 2) continue;
            ExpertMeldRank(turn, rank, 0);
            ++pairsLaid;
        }
    }

    // Step 4. Wild cards on the melds, first on those whose rank the rest of the pile brings
    // most of.
    CardCensus(table);
    const ColumnCounts melded = state.OpponentMeldCount;
    int wilds = ShapeOfComputerHand(table).Wild();
    for (int total = 8; total >= 3; --total) {
        for (int rank = kRankAce; rank > kRankThree; --rank) {
            if (opened()) return;
            if (melded[rank] < 1 || melded[rank] + state.DiscardCount[rank] != total) continue;
            // Never more wild cards than the meld has naturals.
            CardCensus(table);
            const int room =
                2 * table.computer.OpponentMeldRankCount[rank] - state.OpponentMeldCount[rank];
            for (int laid = 0; laid < 4 && laid < room && wilds > 0 && !opened(); ++laid, --wilds)
                ComputerAddWild(table, rank);
        }
    }
}

void ExpertMeldTakenTopCard(TurnContext& turn, int topRank) {
    Table& table = turn.table;
    GameState& state = table.state;
    CardCensus(table);
    if (state.OpponentMeldCount[topRank] >= 3) {
        // Onto its meld: alone, unless the pile was taken with a pair from the hand.
        const bool withPair =
            table.PileFrozenFor() || (state.Rules.NaturalPair && state.Rules.AddExistingMeld);
        ExpertMeldRank(turn, topRank, withPair ? 3 : 1);
        return;
    }
    // A new meld; it opens the computer's melding when it has not opened yet.
    if (state.OpponentMeldPoints >= 1) {
        ExpertMeldRank(turn, topRank, 3);
        return;
    }
    // The top card's pair gets its wild card here, one less for the rest of the opening.
    if (state.OpponentHandCount[topRank] == 2) --table.computer.PlannedWildCount;
    ExpertMeldRank(turn, topRank, 0);
    ExpertMakeInitialMeld(turn);
}

ExpertPickUpResult ExpertPickUp(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = table.state;
    ComputerMemory& memory = table.computer;

    // Step 1. PlayerMeldedBefore and MeldMinimum were set as the turn began.
    turn.AggressiveTurn = DrawAggressiveTurn(table);

    // Step 2. A pile of one card was just started (the player took the last one): the plans
    // made against the old pile are void.
    if (state.DiscardPile.count == 1) {
        memory.HoldThrees = memory.HoldThrees && ShapeOfComputerHand(table).blackThrees >= 2;
        memory.DiscardingRank = 0;
    }

    // Step 3.
    turn.PlayerAhead = ComputePlayerAhead(table);

    // Step 4. Taking the pile: the top card is melded before the rest comes into the hand.
    if (ExpertShouldTakePile(turn)) {
        memory.DiscardingRank = 0;
        const CardRecord top = TakeTopDiscard(table);
        memory.PileStillToCome = !state.DiscardPile.Empty();
        ExpertMeldTakenTopCard(turn, top.rank);
        memory.PileStillToCome = 0;
        memory.PileMakesCanasta = 0;
        TakeRestOfPile(table);
        state.PileFrozen = 0;
        return ExpertPickUpResult::TookPile;
    }

    // Step 5. No stock left: the top card when forced, else the hand is over.
    if (state.StockExhausted) {
        if (!IsForcedForOpponent(table)) {
            state.EndHandRequested = 1;
            return ExpertPickUpResult::HandOver;
        }
        ExpertMeldRank(turn, TakeTopDiscard(table).rank, 1);
        return ExpertPickUpResult::TookPile;
    }

    // Step 6.
    DrawForComputer(table);
    return ExpertPickUpResult::Drew;
}

}  // namespace tavolex
