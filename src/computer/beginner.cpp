// The Beginner's turn, pile decision and discard choice.
#include "computer/beginner.h"

#include "computer/beginner_parts.h"
#include "computer/canasta_check.h"
#include "computer/census.h"
#include "computer/computer_hand.h"

namespace tavolex {

namespace {
constexpr int kGroupSizes = 9;
constexpr int kCanasta = 7;

// Whether the top card's rank and the initial meld made right after the take would reach the
// minimum, and how many wild cards they would use. Wild cards count only where the initial
// meld lays them: a player's first meld is refused below the minimum. A pile of one card brings
// no card to discard, so one must stay in hand.
bool OpeningInView(TurnContext& turn, int topRank, int& wildNeeded) {
    const GameState& state = turn.state();
    wildNeeded = 0;
    if (state.OpponentMeldPoints > 0) return true;
    const OpeningCount count = CountOpening(turn, topRank);
    wildNeeded = count.wildNeeded;
    const bool cardLeft = state.DiscardPile.count > 1 || count.cards < state.OpponentHand.count;
    return count.points >= turn.MeldMinimum && cardLeft;
}

// The smallest group in hand of a rank the player has melded least (two cards, then up to
// five), or has made a canasta of already; -1 when there is none.
int LeastUsefulRank(const GameState& state, int& groupSize) {
    const ColumnCounts& held = state.OpponentHandCount;
    const ColumnCounts& playerMeld = state.PlayerMeldCount;
    for (int c = 1; c <= kGroupSizes; ++c) {
        groupSize = c;
        for (int most = 2; most <= 5; ++most)
            for (int r = kRankThree + 1; r <= kRankAce; ++r)
                if (held[r] == c && playerMeld[r] <= most) return r;
        for (int r = kRankThree + 1; r <= kRankAce; ++r)
            if (held[r] == c && playerMeld[r] >= kCanasta) return r;
    }
    return -1;
}
}  // namespace

bool BeginnerShouldTakePile(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = turn.state();
    if (state.DiscardPile.Empty()) return false;
    const CardRecord top = state.DiscardPile.Top();
    const int t = top.rank;
    SetMinimumForTopCard(turn, top);
    if (!ComputerMayTakePile(table, top, table.PileFrozenFor())) return false;

    // The counts below hold the top card once in the hand (the copy) and once in the pile.
    PutTopCardCopyInHand(table, top);
    CardCensus(table);
    bool answer;
    if (state.OpponentTally.canastaCount < turn.rules().NumberOfCanastas) {
        // Before going out is possible the pile is only worth a canasta.
        int wildNeeded = 0;
        answer = OpeningInView(turn, t, wildNeeded) && CanastaCandidateStands(turn, t, wildNeeded);
    } else {
        answer = state.OpponentHandCount[t] >= 3 ||
                 (state.OpponentMeldCount[t] >= 3 && state.DiscardPile.count >= 3);
    }
    TakeTopCardCopyOut(table);
    return answer;
}

DiscardChoice BeginnerChooseDiscard(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = turn.state();
    CardCensus(table);
    const CardPile& hand = state.OpponentHand;
    if (hand.Empty()) {
        table.dialogs.Error("No card left to discard.");
        table.view.CloseProgram();
        return {};
    }
    const ColumnCounts& held = state.OpponentHandCount;
    const HandShape shape = ShapeOfComputerHand(table);

    // A rank the computer holds is one or two cards short of a canasta on the player's side:
    // a wild card (or a three) freezes the pile against it.
    bool playerClose = false;
    for (int r = kRankThree + 1; r <= kRankAce; ++r) {
        const int playerMeld = state.PlayerMeldCount[r];
        if (held[r] >= 1 && (playerMeld == 5 || playerMeld == 6)) playerClose = true;
    }
    const bool onlyWildsAndThrees =
        held[kRankJoker] + held[kRankDeuce] + held[kRankThree] == hand.count;
    int rank;
    if ((playerClose && shape.Wild() > 0 && !table.PileFrozenFor()) || onlyWildsAndThrees) {
        rank = held[kRankThree] > 0 ? kRankThree : held[kRankDeuce] > 0 ? kRankDeuce : kRankJoker;
    } else {
        int groupSize = 0;
        const int found = LeastUsefulRank(state, groupSize);
        // A singleton goes first, unless it is all the hand holds besides threes: a three then
        // keeps the pile from the player.
        const bool oneBesidesThrees = hand.count - held[kRankThree] == 1;
        if (found >= 0 && groupSize == 1 && !oneBesidesThrees)
            rank = found;
        else if (held[kRankThree] > 0)
            rank = kRankThree;
        else if (found >= 0)
            rank = found;
        else
            rank = hand.cards[0].rank;
    }
    return {FindCardOfRank(table, rank), -1};
}

bool BeginnerLevel::ShouldTakePile(TurnContext& turn) {
    return BeginnerShouldTakePile(turn);
}

void BeginnerLevel::MeldTakenTopCard(TurnContext& turn, const CardRecord& top) {
    BeginnerMeldRank(turn.table, top.rank);
    MakeInitialMeld(turn);
}

void BeginnerLevel::MeldForcedTopCard(TurnContext& turn, const CardRecord& top) {
    BeginnerMeldRank(turn.table, top.rank);
}

void BeginnerLevel::MeldPhase(TurnContext& turn) {
    GameState& state = turn.state();
    int wildNeeded = 0;
    if (state.OpponentMeldPoints == 0 && OpeningReachable(turn, wildNeeded)) MakeInitialMeld(turn);
    if (state.OpponentMeldPoints > 0) BuildCanastas(turn);
    if (state.OpponentTally.canastaCount >= turn.rules().NumberOfCanastas) {
        MeldAllForOut(turn);
        GoOutWithWilds(turn);
    }
}

DiscardChoice BeginnerLevel::ChooseDiscard(TurnContext& turn) {
    return BeginnerChooseDiscard(turn);
}

void BeginnerTurn(Table& table) {
    BeginnerLevel level;
    PlayStandardTurn(table, level);
}

}  // namespace tavolex
