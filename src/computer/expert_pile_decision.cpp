// The Expert's decision to take the discard pile: it plans the opening with the top card,
// considers freezing the pile instead, and simulates how close the whole pile brings it to going
// out.
#include "computer/canasta_check.h"
#include "computer/census.h"
#include "computer/computer_hand.h"
#include "computer/expert_parts.h"

namespace tavolex {

namespace {

// The counts the final tests read, taken with a copy of the top card in the hand (the top card
// counts in both topInHand and topInPile).
struct PileView {
    int top = 0;
    int topInHand = 0;
    int topInMelds = 0;
    int topInPile = 0;
    int wild = 0;
    int pileSize = 0;
    int stockSize = 0;
    int canastas = 0;
    int canastasNeeded = 1;
    bool frozen = false;
    bool opening = false;
    int openingWilds = 0;
    int slack = 0;       // cards left after melding, without the pile
    int slackAfter = 0;  // the same with the whole pile in hand
};

PileView ViewOfPile(const Table& table, int top, bool frozen) {
    const GameState& state = table.state;
    PileView view;
    view.top = top;
    view.topInHand = state.OpponentHandCount[top];
    view.topInMelds = state.OpponentMeldCount[top];
    view.topInPile = state.DiscardCount[top];
    view.wild = state.OpponentHandCount[kRankJoker] + state.OpponentHandCount[kRankDeuce];
    view.pileSize = state.DiscardPile.count;
    view.stockSize = state.Stock.count;
    view.canastas = state.OpponentTally.canastaCount;
    view.canastasNeeded = state.Rules.NumberOfCanastas;
    view.frozen = frozen;
    return view;
}

// Step 8, once the pile is worth denying: a computer with a big hand and a wild card to spare
// freezes the pile with it rather than take it.
bool CanSpareWildCard(TurnContext& turn) {
    const GameState& state = turn.table.state;
    for (const int kind : {kRankJoker, kRankDeuce})
        if (state.OpponentHandCount[kind] > 0 && OpeningSurvivesDiscard(turn, kind)) return true;
    return false;
}

bool TakeDeniedPile(TurnContext& turn, bool opening) {
    const GameState& state = turn.table.state;
    if (state.OpponentHand.count >= 25 && state.PlayerHand.count <= 20 && CanSpareWildCard(turn))
        return false;
    const bool pileHoldsWild = state.DiscardCount[kRankJoker] + state.DiscardCount[kRankDeuce] > 0;
    return opening && !((state.Stock.count > 70 || state.DiscardPile.count < 3) && !pileHoldsWild);
}

// Step 9. The cards left after melding if every card of the pile came into the hand; the hand is
// put back exactly as it was.
int SlackWithWholePile(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = table.state;
    const CardPile hand = state.OpponentHand;
    // The top card is in the hand already.
    for (int i = 0; i + 1 < state.DiscardPile.count; ++i)
        AddToComputerHand(table, state.DiscardPile.cards[i], false);
    int slackAfter = 0;
    CardsLeftAfterMelding(turn, slackAfter);
    state.OpponentHand = hand;
    return slackAfter;
}

// Step 10, while the computer is not holding its black threes back.
bool TakeForTopRank(TurnContext& turn, const PileView& view) {
    Table& table = turn.table;
    const RuleOptions& rules = table.state.Rules;
    const bool enoughCanastas = view.canastas >= view.canastasNeeded;

    // Step 10.1. Without the canastas to go out, only a canasta in view is worth a pile; a big
    // pile may be worth it anyway.
    if (!enoughCanastas && rules.CanastaRequired) {
        if (!view.opening) return false;
        if (CanastaCandidateStands(turn, view.top, view.openingWilds)) return true;
        return table.random.Real() > 25.0 / (view.pileSize * view.pileSize);
    }

    // Step 10.2. Ready to go out on an aggressive turn: the pile must not set the hand back.
    if (turn.AggressiveTurn && enoughCanastas && view.slack < 3)
        return view.opening && view.slackAfter <= view.slack + 1;

    // Step 10.3. A canasta of the top rank within reach.
    const int naturals = view.topInHand + view.topInMelds + view.topInPile;
    if (naturals > 4 && view.topInMelds < 7 && naturals + view.wild > 7) return view.opening;

    // Step 10.4. Two canastas to make: most piles help.
    if (view.canastasNeeded == 2 &&
        ((view.pileSize >= 3 && (view.topInMelds >= 1 || view.topInHand >= 3)) ||
         (view.pileSize >= 6 && (view.topInMelds >= 1 || (view.topInHand == 2 && view.wild >= 1)))))
        return view.opening;

    // Step 10.5. A new meld of the top rank is worth it late in the hand; an existing one takes
    // any pile of four cards or more.
    const int lateStock = 15 * view.canastasNeeded + 46;
    if (view.topInMelds < 1 || view.frozen) {
        if (view.topInHand >= 4) return view.opening && view.stockSize <= lateStock;
        if (view.topInHand == 3)
            return view.opening && view.pileSize >= 15 - 7 * view.canastasNeeded &&
                   view.stockSize <= lateStock;
        return false;
    }
    return view.opening && view.pileSize >= 4;
}

// Step 11, while the computer holds its black threes back to freeze the pile with them.
bool TakeWhileHoldingThrees(TurnContext& turn, const PileView& view) {
    const Table& table = turn.table;
    const bool enoughCanastas = view.canastas >= view.canastasNeeded;
    bool strict = true;
    if (turn.AggressiveTurn && enoughCanastas && view.slack <= 2)
        strict = view.slackAfter <= view.slack + 1;
    if (!view.opening) return false;
    // The top card goes down alone, with no pair from the hand and no meld to join.
    const bool topStandsAlone = view.topInHand < 3 && (view.topInMelds < 1 || view.frozen);
    const bool smallPile = !enoughCanastas || view.pileSize < 8 / view.canastasNeeded;
    if (ShapeOfComputerHand(table).blackThrees == 0 && table.computer.DiscardingRank == 0 &&
        strict && !(topStandsAlone && smallPile))
        return true;
    return table.computer.PileMakesCanasta && !topStandsAlone;
}

// Steps 7 to 11, with the copy of the top card in the hand.
bool TakeWithTopCardInHand(TurnContext& turn, int top, int slack, bool frozen) {
    Table& table = turn.table;
    const GameState& state = table.state;
    ComputerMemory& memory = table.computer;

    // Step 7. The opening plan with the top card.
    int wildNeeded = 0;
    const bool opening = state.OpponentMeldPoints >= 1 ||
                         OpeningPlanner(turn, wildNeeded, top, memory.PileMakesCanasta, true);
    memory.PlannedWildCount = wildNeeded;

    // Step 8.
    if (DenyPileTest(turn)) return TakeDeniedPile(turn, opening);

    // Step 9.
    const int slackAfter = SlackWithWholePile(turn);
    CardCensus(table);
    PileView view = ViewOfPile(table, top, frozen);
    view.opening = opening;
    view.openingWilds = wildNeeded;
    view.slack = slack;
    view.slackAfter = slackAfter;

    if (memory.HoldThrees) return TakeWhileHoldingThrees(turn, view);
    // Step 10.6. With one canasta to make, a pile early in the hand is never taken.
    const bool early = view.canastasNeeded == 1 && view.stockSize >= 68;
    return TakeForTopRank(turn, view) && !early;
}

}  // namespace

bool ExpertShouldTakePile(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = table.state;

    // Step 1.
    CardCensus(table);
    if (state.DiscardPile.Empty()) return false;
    const CardRecord top = state.DiscardPile.Top();

    // Step 2. A top card that does not count toward the opening raises the minimum for the rest
    // of the turn, taken or not.
    SetMinimumForTopCard(turn, top);

    // Step 3.
    const bool frozen = table.PileFrozenFor();
    if (!ComputerMayTakePile(table, top, frozen)) return false;

    // Steps 4 and 5, on the hand as it is.
    table.computer.PileMakesCanasta = PileMakesCanastaTest(turn);
    int slack = 0;
    CardsLeftAfterMelding(turn, slack);

    // Step 6. The decision looks at the hand as if it held the top card.
    PutTopCardCopyInHand(table, top);
    CardCensus(table);
    const bool take = TakeWithTopCardInHand(turn, top.rank, slack, frozen);

    // Step 12.
    TakeTopCardCopyOut(table);
    return take;
}

}  // namespace tavolex
