// The Expert's plan for its initial meld: which cards reach the minimum, with how many wild
// cards, and whether the hand can afford them.
#include "computer/census.h"
#include "computer/computer_hand.h"
#include "computer/expert_parts.h"

namespace tavolex {

namespace {

enum OpeningPlanCode : int32_t { kNoPlan = 0, kWildsOnTriples = 1, kPairsWithWilds = 2 };

// The wild cards a plan may still give out: jokers go first, being worth the most.
struct WildBudget {
    int jokers = 0;
    int deuces = 0;

    bool Any() const { return jokers + deuces > 0; }
    int Take() {
        if (jokers > 0) {
            --jokers;
            return ValueOfRank(kRankJoker);
        }
        --deuces;
        return ValueOfRank(kRankDeuce);
    }
};

struct PlanTally {
    int points = 0;
    int wilds = 0;
};

// Up to three wild cards on each natural triple in hand, from the highest rank down, until the
// minimum is reached; none while "Natural Pair" is on.
void AddWildsToTriples(const Table& table, int minimum, WildBudget& budget, PlanTally& plan) {
    const ColumnCounts& held = table.state.OpponentHandCount;
    const bool naturalPair = table.state.Rules.NaturalPair;
    for (int rank = kRankAce; rank > kRankThree && plan.points < minimum && budget.Any(); --rank) {
        if (held[rank] < 3) continue;
        for (int added = 0; added < 3 && budget.Any() && plan.points < minimum && !naturalPair;
             ++added) {
            plan.points += budget.Take();
            ++plan.wilds;
        }
    }
}

// The wild cards an opening may cost beyond those the pile brings, by the minimum and the size
// of the pile: a bigger pile pays for more. With two canastas to make, any cost is accepted.
bool OpeningIsCheap(int minimum, int netWilds, int pileSize, int canastasNeeded) {
    if (canastasNeeded == 2) return true;
    if (canastasNeeded != 1) return false;
    if (pileSize >= 20) return true;
    if (minimum < 90) return netWilds <= (pileSize >= 15 ? 1 : 0);
    if (minimum < 120) return netWilds <= (pileSize <= 6 ? 0 : 1);
    return netWilds <= 2 - (pileSize <= 5 ? 1 : 0) - (pileSize <= 10 ? 1 : 0);
}

}  // namespace

bool OpeningPlanner(TurnContext& turn, int& wildNeeded, int topRank, bool pileFlag,
                    bool considerPile) {
    Table& table = turn.table;
    const GameState& state = table.state;
    const int minimum = turn.MeldMinimum;

    // Step 1. Start from what is already melded.
    CardCensus(table);
    const ColumnCounts& held = state.OpponentHandCount;
    const WildBudget fullBudget{held[kRankJoker], held[kRankDeuce]};
    WildBudget budget = fullBudget;
    PlanTally base{state.OpponentMeldPoints, 0};
    int naturals = 0;

    // Step 2. The top card goes down with its rank from the hand; a pair of them needs one wild
    // card.
    if (topRank != kRankJoker) {
        base.points += ValueOfRank(topRank) * held[topRank];
        naturals = held[topRank];
        if (held[topRank] == 2 && budget.Any()) {
            base.points += budget.Take();
            ++base.wilds;
        }
    }

    // Step 3. Natural triples, the cheap ranks first, until the minimum is reached.
    for (int rank = kRankThree + 1; rank <= kRankAce && base.points < minimum; ++rank) {
        if (held[rank] < 3 || rank == topRank) continue;
        base.points += ValueOfRank(rank) * held[rank];
        naturals += held[rank];
    }

    // Step 4. Plan A: the missing points from wild cards laid on the triples.
    PlanTally planA = base;
    AddWildsToTriples(table, minimum, budget, planA);

    // Step 5. Plan B: pairs with a wild card each, from the highest rank down, then wild cards on
    // the triples. It starts again from every wild card in hand.
    PlanTally planB = base;
    WildBudget budgetB = fullBudget;
    for (int rank = kRankAce; rank > kRankThree && planB.points < minimum && budgetB.Any();
         --rank) {
        if (held[rank] != 2 || rank == topRank) continue;
        planB.points += 2 * ValueOfRank(rank) + budgetB.Take();
        naturals += 2;
        ++planB.wilds;
    }
    AddWildsToTriples(table, minimum, budgetB, planB);

    // Step 6. The plan that reaches the minimum; when both do, the one spending fewer wild cards
    // (plan A on a tie).
    const bool reachesA = planA.points >= minimum;
    const bool reachesB = planB.points >= minimum;
    int32_t plan = kNoPlan;
    wildNeeded = 0;
    if (reachesA && (!reachesB || planA.wilds <= planB.wilds)) {
        plan = kWildsOnTriples;
        wildNeeded = planA.wilds;
    } else if (reachesB) {
        plan = kPairsWithWilds;
        wildNeeded = planB.wilds;
    }
    table.computer.OpeningPlan = plan;

    // Step 7. Wild cards in the pile come into the hand with it.
    const int netWilds =
        wildNeeded - state.DiscardCount[kRankJoker] - state.DiscardCount[kRankDeuce];

    // Step 8. Enough cards must stay in hand after the opening to go on playing for canastas.
    const int pileSize = state.DiscardPile.count;
    const int canastasNeeded = state.Rules.NumberOfCanastas;
    const bool fits =
        !considerPile ||
        naturals + wildNeeded <= state.OpponentHand.count + pileSize - 9 - 3 * canastasNeeded ||
        (canastasNeeded == 1 && pileFlag);

    // Steps 9 and 10.
    return fits && plan != kNoPlan && OpeningIsCheap(minimum, netWilds, pileSize, canastasNeeded);
}

bool OpeningSurvivesDiscard(TurnContext& turn, int rank) {
    Table& table = turn.table;
    GameState& state = table.state;
    if (state.OpponentMeldPoints > 0) return true;
    const int index = FindCardOfRank(table, rank);
    if (index < 0) return false;
    // A trial: the hand, the plan and the census are as they were afterwards.
    const CardPile hand = state.OpponentHand;
    const int32_t plan = table.computer.OpeningPlan;
    RemoveFromComputerHand(table, index);
    int wildNeeded = 0;
    const bool survives = OpeningPlanner(turn, wildNeeded, kRankJoker, false, false);
    table.computer.OpeningPlan = plan;
    state.OpponentHand = hand;
    CardCensus(table);
    return survives;
}

}  // namespace tavolex
