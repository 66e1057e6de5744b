// The Beginner's melding procedures, which the Advanced shares.
#include <algorithm>

#include "computer/beginner_parts.h"
#include "computer/census.h"
#include "computer/computer_hand.h"

namespace tavolex {

namespace {
constexpr int kCanasta = 7;
constexpr int kMostWildsPerMeld = 3;
constexpr int kHeldBackForOut = 6;  // cards kept back while the canastas to go out are missing
}  // namespace

void BeginnerMeldRank(Table& table, int rank) {
    MeldRankFromHand(table, rank, false);
}

void MeldCardsOfRank(Table& table, int rank, int count, bool fromLast) {
    for (int melded = 0; count == 0 || melded < count; ++melded) {
        const CardPile& hand = table.state.OpponentHand;
        int found = -1;
        for (int i = 0; i < hand.count && found < 0; ++i) {
            const int index = fromLast ? hand.count - 1 - i : i;
            if (hand.cards[index].rank == rank) found = index;
        }
        if (found < 0) return;
        MeldFromHand(table, found);
    }
}

OpeningCount CountOpening(TurnContext& turn, int firstRank) {
    Table& table = turn.table;
    const GameState& state = turn.state();
    CardCensus(table);
    const HandShape shape = ShapeOfComputerHand(table);
    OpeningCount count;
    count.points = state.OpponentMeldPoints;
    int jokers = shape.jokers;
    int deuces = shape.deuces;
    const auto takeWild = [&] {
        if (jokers > 0) {
            --jokers;
            count.points += ValueOfRank(kRankJoker);
        } else {
            --deuces;
            count.points += ValueOfRank(kRankDeuce);
        }
        ++count.cards;
        ++count.wildNeeded;
    };
    // The rank of a taken pile's top card goes down first, as MeldRank lays it.
    if (IsNaturalRank(firstRank)) {
        const int held = state.OpponentHandCount[firstRank];
        count.points += held * ValueOfRank(firstRank);
        count.cards += held;
        if (held == 2 && jokers + deuces > 0) takeWild();
    }
    for (int r = kRankThree + 1; r <= kRankAce && count.points < turn.MeldMinimum; ++r) {
        if (state.OpponentHandCount[r] < 3 || r == firstRank) continue;
        count.points += state.OpponentHandCount[r] * ValueOfRank(r);
        count.cards += state.OpponentHandCount[r];
    }
    for (int r = kRankAce; r > kRankThree && count.points < turn.MeldMinimum &&
                           jokers + deuces > 0 && !turn.rules().NaturalPair;
         --r) {
        if (state.OpponentHandCount[r] != 2 || r == firstRank) continue;
        count.points += 2 * ValueOfRank(r);
        count.cards += 2;
        takeWild();
    }
    return count;
}

bool OpeningReachable(TurnContext& turn, int& wildNeeded) {
    const OpeningCount count = CountOpening(turn);
    wildNeeded = count.wildNeeded;
    return count.points >= turn.MeldMinimum && turn.state().OpponentHand.count > count.cards;
}

void MakeInitialMeldWith(TurnContext& turn, int wildNeeded, bool fromLast) {
    Table& table = turn.table;
    GameState& state = turn.state();
    // The pairs that take a wild card, the highest first.
    int pairRank = kRankAce;
    for (int used = 0; used < wildNeeded; ++used) {
        CardCensus(table);
        while (pairRank > kRankThree && state.OpponentHandCount[pairRank] != 2) --pairRank;
        if (pairRank <= kRankThree) break;
        MeldRankFromHand(table, pairRank, fromLast);
        --pairRank;
    }
    // Then the ranks of three or more (with those already melded), from the first hand card.
    int index = 0;
    while (state.OpponentMeldPoints < turn.MeldMinimum && index < state.OpponentHand.count) {
        CardCensus(table);
        const CardPile& hand = state.OpponentHand;
        int found = -1;
        for (int i = index; i < hand.count && found < 0; ++i) {
            const int r = hand.cards[i].rank;
            if (state.OpponentHandCount[r] + state.OpponentMeldCount[r] >= 3) found = i;
        }
        if (found < 0) return;
        const int rank = hand.cards[found].rank;
        if (IsNaturalRank(rank)) {
            const int handBefore = hand.count;
            MeldRankFromHand(table, rank, fromLast);
            if (hand.count == handBefore) return;  // the last card stays for the discard
            index = 0;
        } else {
            index = found + 1;
        }
    }
}

void MakeInitialMeld(TurnContext& turn) {
    int wildNeeded = 0;
    OpeningReachable(turn, wildNeeded);
    MakeInitialMeldWith(turn, wildNeeded, false);
}

void BuildCanastas(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = turn.state();
    for (int r = kRankAce; r > kRankThree; --r) {
        CardCensus(table);
        const int wild = ShapeOfComputerHand(table).Wild();
        while (r > kRankThree &&
               !(state.OpponentHandCount[r] + state.OpponentMeldCount[r] + wild >= kCanasta &&
                 state.OpponentMeldCount[r] < kCanasta)) {
            --r;
        }
        if (r <= kRankThree) return;
        // Never a fourth wild card on a meld, and always a card left in hand.
        const int allowed = kMostWildsPerMeld - WildsInMeld(table, r);
        const int need =
            std::max(0, kCanasta - state.OpponentHandCount[r] - state.OpponentMeldCount[r]);
        if (need <= wild && need <= allowed &&
            state.OpponentHandCount[r] + need < state.OpponentHand.count) {
            MeldCardsOfRank(table, r, 0, false);
            for (int i = 0; i < need; ++i) ComputerAddWild(table, r);
        }
    }
}

void MeldAllForOutWith(TurnContext& turn, bool keepOne) {
    Table& table = turn.table;
    GameState& state = turn.state();
    CardCensus(table);
    int left = state.OpponentHand.count;
    if (state.OpponentTally.canastaCount < turn.rules().NumberOfCanastas) left -= kHeldBackForOut;
    for (int r = kRankAce; r > kRankThree; --r) {
        CardCensus(table);
        const int held = state.OpponentHandCount[r];
        const int melded = state.OpponentMeldCount[r];
        if (!(((melded >= 1 && held >= 1) || held >= 3) && held <= left)) continue;
        left -= held;
        // The last meldable cards would empty the hand: one stays for the discard.
        const int count = held - (keepOne && left == 0 ? 1 : 0);
        const int need = melded == 0 ? 3 : 1;
        if (count >= need) MeldCardsOfRank(table, r, count, false);
    }
}

void MeldAllForOut(TurnContext& turn) {
    MeldAllForOutWith(turn, true);
}

PairsInHand CountPairsInHand(Table& table) {
    CardCensus(table);
    PairsInHand pairs;
    for (int r = kRankThree + 1; r <= kRankAce; ++r) {
        pairs.at[r] = table.state.OpponentHandCount[r] == 2;
        pairs.count += pairs.at[r];
    }
    pairs.spareWilds = ShapeOfComputerHand(table).Wild() - pairs.count;
    pairs.rest = table.state.OpponentHand.count - 3 * pairs.count - pairs.spareWilds;
    return pairs;
}

void GoOutWithWilds(TurnContext& turn) {
    Table& table = turn.table;
    const PairsInHand pairs = CountPairsInHand(table);
    if (pairs.spareWilds < 0 || pairs.rest < 0 || pairs.rest > 1) return;
    for (int r = kRankAce; r > kRankThree; --r)
        if (pairs.at[r]) BeginnerMeldRank(table, r);
    // With no other card left, one wild card stays to be discarded.
    PlaceWildCards(table, pairs.spareWilds - 1 + pairs.rest);
}

}  // namespace tavolex
