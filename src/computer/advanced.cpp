// The Advanced's turn and decisions: the Beginner's with sharper judgement.
#include "computer/advanced.h"

#include "computer/advanced_parts.h"
#include "computer/beginner_parts.h"
#include "computer/canasta_check.h"
#include "computer/census.h"
#include "computer/computer_hand.h"
#include "game/scoring.h"

namespace tavolex {

namespace {
constexpr int kCanasta = 7;
constexpr int kKeptAfterOpening = 6;  // the opening leaves at least seven cards in hand
}  // namespace

bool AdvShouldTakePile(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = turn.state();
    const RuleOptions& rules = turn.rules();
    CardCensus(table);
    if (state.DiscardPile.Empty()) return false;
    const CardRecord top = state.DiscardPile.Top();
    const int t = top.rank;
    SetMinimumForTopCard(turn, top);
    if (!ComputerMayTakePile(table, top, table.PileFrozenFor())) return false;

    PutTopCardCopyInHand(table, top);
    CardCensus(table);
    int wildNeeded = 0;
    const bool opening = state.OpponentMeldPoints >= 1 || AdvOpeningReachable(turn, wildNeeded);
    const double pileSize = state.DiscardPile.count;
    const int wild = ShapeOfComputerHand(table).Wild();
    const int heldT = state.OpponentHandCount[t];
    const int meldT = state.OpponentMeldCount[t];
    bool answer;
    if (state.OpponentTally.canastaCount < rules.NumberOfCanastas && rules.CanastaRequired) {
        // Going out waits for canastas: a canasta in view takes the pile, and a larger pile is
        // worth the gamble more often.
        const bool candidate = CanastaCandidateStands(turn, t, wildNeeded);
        answer = opening && candidate;
        if (opening && !candidate) answer = table.random.Real() > 25.0 / (pileSize * pileSize);
    } else {
        // A group near seven takes it; otherwise a pair in hand does, and the more likely the
        // larger the pile, a meld of the rank does too.
        const double r = table.random.Real();
        const int n = heldT + meldT + state.DiscardCount[t];
        if (n > 3 && n + wild > 6)
            answer = opening && (heldT >= 3 || meldT >= 3);
        else if (r <= 16.0 / (pileSize * pileSize))
            answer = opening && heldT >= 3;
        else
            answer = opening && (heldT >= 3 || meldT >= 3);
    }
    TakeTopCardCopyOut(table);
    return answer;
}

bool AdvOpeningReachable(TurnContext& turn, int& wildNeeded) {
    const OpeningCount count = CountOpening(turn);
    wildNeeded = count.wildNeeded;
    const int minimum = turn.MeldMinimum;
    const bool wildsFit = (minimum < 90 && count.wildNeeded == 0) ||
                          (minimum >= 90 && minimum < 120 && count.wildNeeded <= 1) ||
                          minimum >= 120;
    return count.cards < turn.state().OpponentHand.count - kKeptAfterOpening &&
           count.points >= minimum && wildsFit;
}

bool AdvCanastaOpeningTest(TurnContext& turn, int& rank) {
    Table& table = turn.table;
    const GameState& state = turn.state();
    CardCensus(table);
    const HandShape shape = ShapeOfComputerHand(table);
    int jokers = shape.jokers;  // shared by every rank of the scan
    bool found = false;
    for (int r = kRankAce; r > kRankThree; --r) {
        const int held = state.OpponentHandCount[r];
        if (held < 4 || held + shape.Wild() < kCanasta) continue;
        int points = ValueOfRank(r) * held;
        for (int missing = kCanasta - held; missing > 0; --missing) {
            if (jokers > 0) {
                --jokers;
                points += ValueOfRank(kRankJoker);
            } else {
                points += ValueOfRank(kRankDeuce);
            }
        }
        if (points >= turn.MeldMinimum) {
            found = true;
            rank = r;
        }
    }
    return found;
}

void AdvCanastaOpening(TurnContext& turn, int rank) {
    Table& table = turn.table;
    AdvMeldRank(table, rank);
    CardCensus(table);
    const int missing = kCanasta - turn.state().OpponentMeldCount[rank];
    for (int i = 0; i < missing; ++i) ComputerAddWild(table, rank);
}

void AdvMeldRank(Table& table, int rank) {
    MeldRankFromHand(table, rank, true);
}

void AdvMakeInitialMeld(TurnContext& turn) {
    int wildNeeded = 0;
    AdvOpeningReachable(turn, wildNeeded);
    MakeInitialMeldWith(turn, wildNeeded, true);
}

void AdvMeldAllForOut(TurnContext& turn) {
    MeldAllForOutWith(turn, false);
}

void AdvGoOutWithWilds(TurnContext& turn) {
    Table& table = turn.table;
    PairsInHand pairs = CountPairsInHand(table);
    const int blackThrees = ShapeOfComputerHand(table).blackThrees;
    // Three black threes or more may go down as a meld of their own.
    if (blackThrees > 2) pairs.rest -= blackThrees;
    if (pairs.spareWilds < 0 || pairs.rest < 0 || pairs.rest > 1) return;
    for (int r = kRankAce; r > kRankThree; --r)
        if (pairs.at[r]) AdvMeldRank(table, r);
    // Every wild card goes down, then the black threes.
    PlaceWildCards(table, pairs.spareWilds);
    LayBlackThreesGoingOut(table);
}

bool AdvancedLevel::ShouldTakePile(TurnContext& turn) {
    return AdvShouldTakePile(turn);
}

void AdvancedLevel::MeldTakenTopCard(TurnContext& turn, const CardRecord& top) {
    int rank = -1;
    if (turn.state().OpponentMeldPoints == 0 && AdvCanastaOpeningTest(turn, rank) &&
        rank == top.rank) {
        AdvCanastaOpening(turn, top.rank);
    } else {
        AdvMeldRank(turn.table, top.rank);
    }
    AdvMakeInitialMeld(turn);
}

void AdvancedLevel::MeldForcedTopCard(TurnContext& turn, const CardRecord& top) {
    AdvMeldRank(turn.table, top.rank);
}

void AdvancedLevel::MeldPhase(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = turn.state();
    const RuleOptions& rules = turn.rules();
    // Step 1. Open; two wild cards or more only while the match total asks more than 50.
    int wildNeeded = 0;
    if (state.OpponentMeldPoints == 0 && AdvOpeningReachable(turn, wildNeeded) &&
        (wildNeeded < 2 || MinimumForScore(state.OpponentScore) > 50)) {
        AdvMakeInitialMeld(turn);
    }
    if (state.OpponentMeldPoints > 0) BuildCanastas(turn);
    // Step 2. Without the canastas to go out, lay out (keeping six cards) only when the player
    // could go out soon; with them, go out by how far the player is from going out.
    const int canastasNeeded = rules.NumberOfCanastas;
    if (state.OpponentTally.canastaCount < canastasNeeded) {
        if (!rules.CanastaRequired && state.PlayerTally.canastaCount >= canastasNeeded &&
            state.OpponentMeldPoints > 0 && state.PlayerHand.count < 7) {
            AdvMeldAllForOut(turn);
        }
    } else {
        const double r = table.random.Real();
        const int playerHand = state.PlayerHand.count;
        const int hand = state.OpponentHand.count;
        if (state.PlayerMelds.count + playerHand > 30 ||
            (state.OpponentMelds.count + hand < 7 && !table.computer.HoldThrees) ||
            r < 16.0 / (playerHand * playerHand + 1) || hand == 2) {
            AdvMeldAllForOut(turn);
            AdvGoOutWithWilds(turn);
        }
    }
    // Step 3. Late in a long hand, black threes are held back to block the pile.
    CardCensus(table);
    if (state.OpponentMelds.count > 20 && state.OpponentTally.canastaCount >= canastasNeeded &&
        ShapeOfComputerHand(table).blackThrees > 0) {
        table.computer.HoldThrees = 1;
    }
}

DiscardChoice AdvancedLevel::ChooseDiscard(TurnContext& turn) {
    return AdvChooseDiscard(turn);
}

void AdvancedTurn(Table& table) {
    AdvancedLevel level;
    PlayStandardTurn(table, level);
}

}  // namespace tavolex
