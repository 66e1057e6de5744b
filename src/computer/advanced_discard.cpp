// The Advanced's discard choice: by group size with a random scanning direction on a small
// pile; on a large one a black three first, then what the player cannot use.
#include "computer/advanced_parts.h"
#include "computer/census.h"
#include "computer/computer_hand.h"

namespace tavolex {

namespace {
constexpr int kLargePile = 5;
constexpr int kGroupSizes = 15;
constexpr double kScanDownward = 0.8;
constexpr int kCanasta = 7;
constexpr int kOneShortOfCanasta = 6;

// A meld of three to six cards on the player's side: a card of its rank on top of the pile lets
// the player take it.
bool FitsPlayersOpenMeld(int playerMeld) {
    return playerMeld >= 3 && playerMeld <= kOneShortOfCanasta;
}
constexpr int kPlayerHandToFreeze = 10;  // the pile is frozen only against a player this close

// A two, or a joker when the hand holds no two.
int FindWildToDiscard(const Table& table) {
    const int deuce = FindCardOfRank(table, kRankDeuce);
    return deuce >= 0 ? deuce : FindCardOfRank(table, kRankJoker);
}

// Smallest groups first (counting what is melded of the rank), one draw per group size for the
// direction; a pair or more is kept while a black three can go instead, and a card that fits a
// meld of the player's short of a canasta is skipped: it would let the player take the pile.
int SmallPileDiscard(Table& table) {
    const GameState& state = table.state;
    const bool blackThree = ShapeOfComputerHand(table).blackThrees > 0;
    for (int c = 1; c <= kGroupSizes; ++c) {
        const bool downward = table.random.Real() >= kScanDownward;
        for (int i = 0; i < kRankAce - kRankThree; ++i) {
            const int s = downward ? kRankAce - i : kRankThree + 1 + i;
            const int held = state.OpponentHandCount[s];
            if (held < 1 || held + state.OpponentMeldCount[s] != c) continue;
            if (held >= 2 && blackThree) return FindBlackThree(table);
            if (!FitsPlayersOpenMeld(state.PlayerMeldCount[s])) return FindCardOfRank(table, s);
        }
    }
    return blackThree ? FindBlackThree(table) : 0;
}

// No black three on a large pile.
int LargePileDiscard(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    const ColumnCounts& held = state.OpponentHandCount;
    const ColumnCounts& playerMeld = state.PlayerMeldCount;
    auto closedCanasta = [&](int r) {
        return playerMeld[r] >= kCanasta && !turn.rules().AddToCanasta;
    };
    // Step 1. A single card (or a group of four or five) of a rank the player cannot use: no
    // meld of three, or a canasta closed to more cards.
    for (int r = kRankThree + 1; r <= kRankAce; ++r) {
        const bool groupFits = held[r] == 1 || held[r] == 4 || held[r] == 5;
        if (groupFits && (playerMeld[r] < 3 || closedCanasta(r))) return FindCardOfRank(table, r);
    }
    // Step 2. The smallest group among the ranks of the player's smallest melds; when the player
    // has melded it and is near going out, a wild card freezes the pile instead.
    for (int most = 0; most <= kGroupSizes; ++most) {
        int found = -1;
        for (int r = kRankThree + 1; r <= kRankAce; ++r) {
            if (held[r] < 1 || !(playerMeld[r] <= most || closedCanasta(r))) continue;
            if (found < 0 || held[r] < held[found]) found = r;
        }
        if (found < 0) continue;
        if (ShapeOfComputerHand(table).Wild() > 0 && state.PlayerHand.count < kPlayerHandToFreeze &&
            playerMeld[found] >= 2 && !table.PileFrozenFor()) {
            return FindWildToDiscard(table);
        }
        return FindCardOfRank(table, found);
    }
    return 0;
}
}  // namespace

int FindBlackThree(const Table& table) {
    const CardPile& hand = table.state.OpponentHand;
    for (int i = 0; i < hand.count; ++i)
        if (IsBlackThree(hand.cards[i].cardId)) return i;
    return -1;
}

bool PileIsLarge(Table& table) {
    CardCensus(table);
    return table.state.DiscardPile.count > kLargePile;
}

DiscardChoice AdvChooseDiscard(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = turn.state();
    CardCensus(table);
    const HandShape shape = ShapeOfComputerHand(table);
    const int handSize = state.OpponentHand.count;
    if (handSize == 1) return {0, -1};
    // A hand of mostly wild cards spares a two while the pile is frozen anyway or going out is
    // still far.
    const bool enoughCanastas = state.OpponentTally.canastaCount >= turn.rules().NumberOfCanastas;
    if (shape.Wild() >= 3 && shape.Wild() >= handSize - 4 &&
        (table.PileFrozenFor() || !enoughCanastas)) {
        return {FindWildToDiscard(table), -1};
    }
    if (!PileIsLarge(table)) return {SmallPileDiscard(table), -1};
    if (shape.blackThrees > 0) return {FindBlackThree(table), -1};
    return {LargePileDiscard(turn), -1};
}

}  // namespace tavolex
