// The Expert's discard: the card the player can use least, judged by what the player is known
// to hold and has melded; wild cards, black threes or a red three from the table freeze the
// pile when it is worth denying.
#include <algorithm>
#include <optional>
#include <vector>

#include "computer/census.h"
#include "computer/computer_hand.h"
#include "computer/expert_parts.h"

namespace tavolex {

namespace {

constexpr int kRankFour = kRankThree + 1;

// What the whole choice reads; the hand itself does not change while it is made.
struct Choosing {
    TurnContext& turn;
    Table& table;
    GameState& state;
    ComputerMemory& memory;
    bool frozen;
    // The kind of wild card offered first, drawn once per choice whatever the choice turns out
    // to be, so a seeded game replays.
    int firstWild;
    HandShape shape;
    int needed;
    int own;
};

// How many cards of a rank the player is seen to have a use for.
int Safety(const Choosing& c, int rank) {
    return (c.frozen ? 0 : c.state.PlayerMeldCount[rank]) + c.memory.KnownPlayerCount[rank];
}

// A wild card of the kind offered first, else of the other kind; with keepOpening only one
// whose discard leaves the initial meld reachable. -1 when none fits.
int WildCard(Choosing& c, bool keepOpening) {
    const int otherWild = c.firstWild == kRankJoker ? kRankDeuce : kRankJoker;
    for (const int kind : {c.firstWild, otherWild}) {
        const int index = FindCardOfRank(c.table, kind);
        if (index >= 0 && (!keepOpening || OpeningSurvivesDiscard(c.turn, kind))) return index;
    }
    return -1;
}

// Step 4. Before its initial meld, needing two canastas with few cards in hand, the computer
// gives up one of its red threes to block the pile and keeps its whole hand. The meld index of
// that red three, -1 when the freeze does not apply.
int RedThreeToFreeze(const Choosing& c) {
    const CardPile& melds = c.state.OpponentMelds;
    const auto redThree = std::find_if(
        melds.begin(), melds.end(), [](const CardRecord& card) { return IsRedThree(card.cardId); });
    if (redThree == melds.end() || c.needed != 2 || c.state.OpponentMeldPoints != 0 ||
        c.state.OpponentHand.count >= 14 || !c.state.Rules.ThreeBlock)
        return -1;
    return static_cast<int>(redThree - melds.begin());
}

// Step 6.3. The largest group whose rank the player shows no use for, keeping pairs while the
// pile is frozen (they could take it).
int DenyingRank(Choosing& c) {
    for (int below = 9;;) {
        int largest = 0;
        for (int rank = kRankFour; rank <= kRankAce; ++rank) {
            const int held = c.state.OpponentHandCount[rank];
            if (held > 0 && held < below && !(c.frozen && held == 2))
                largest = std::max(largest, held);
        }
        if (largest == 0) return 0;
        for (int rank = kRankFour; rank <= kRankAce; ++rank)
            if (c.state.OpponentHandCount[rank] == largest && Safety(c, rank) < 2 &&
                OpeningSurvivesDiscard(c.turn, rank))
                return rank;
        below = largest;
    }
}

// Step 6. The pile is worth denying: block it with a black three or a wild card, or else
// throw the group the player has least use for. -1 when nothing is chosen.
int DenyingDiscard(Choosing& c) {
    if (c.shape.blackThrees > 0) return FindCardOfRank(c.table, kRankThree);
    if (c.state.OpponentHand.count >= 12 && c.state.PlayerHand.count <= 20 && c.shape.Wild() > 0) {
        if (const int index = WildCard(c, true); index >= 0) return index;
    }
    const int rank = DenyingRank(c);
    if (rank == 0) return -1;
    c.memory.DiscardingRank = static_cast<uint8_t>(rank);
    return FindCardOfRank(c.table, rank);
}

// Step 7. The player has melded much and holds few unknown cards besides wild cards and
// threes: freeze the open pile with a wild card.
bool FreezeAgainstPlayer(const Choosing& c) {
    const int wild = c.shape.Wild();
    if (!(wild >= 4 || (wild >= 1 && c.own >= c.needed))) return false;
    const ColumnCounts& known = c.memory.KnownPlayerCount;
    const int unknown =
        c.state.PlayerHand.count - known[kRankJoker] - known[kRankDeuce] - known[kRankThree];
    return unknown <= 7 && c.state.PlayerMelds.count >= 20 && !c.frozen && !c.memory.HoldThrees;
}

// Step 8.3. The safest rank of a group whose cards, with those the player is seen to hold and
// those in the pile, bring the player no nearer a canasta; simply the safest while the computer
// lacks canastas and the player has many cards. -1 when the rank settled on is not held.
int SafestOfGroup(Choosing& c, const std::vector<int>& group) {
    const GameState& state = c.state;
    const ColumnCounts& known = c.memory.KnownPlayerCount;
    const bool rushed =
        c.own < c.needed && (c.frozen ? 0 : state.PlayerMelds.count) + state.PlayerHand.count > 25;
    // The safest ranks first; each pass takes the next safety above the last one tried.
    for (int tried = -1;;) {
        std::optional<int> level;
        for (const int rank : group)
            if (Safety(c, rank) > tried && (!level || Safety(c, rank) < *level))
                level = Safety(c, rank);
        if (!level) return -1;
        for (const int rank : group) {
            if (Safety(c, rank) != *level) continue;
            const int seen = state.PlayerMeldCount[rank] + known[rank];
            const bool harmless =
                (c.frozen && known[rank] < 2) || seen + state.DiscardCount[rank] < 6 || seen >= 7;
            if (!rushed && !harmless) continue;
            if (const int index = FindCardOfRank(c.table, rank); index >= 0) return index;
            break;
        }
        if (*level > 8) return -1;
        tried = *level;
    }
}

// Step 8. The smallest groups first (counting the computer's melds), each by safety; a black
// three before breaking up a pair while the stock is still long.
int SmallestSafeGroup(Choosing& c) {
    const GameState& state = c.state;
    for (int floor = 0;;) {
        int best = 0;
        for (int rank = kRankFour; rank <= kRankAce; ++rank) {
            const int total = state.OpponentHandCount[rank] + state.OpponentMeldCount[rank];
            if (total > floor && (best == 0 || total < best)) best = total;
        }
        if (best == 0) break;
        if (best >= 2 && c.shape.blackThrees > 0 && state.Stock.count < 70)
            return FindCardOfRank(c.table, kRankThree);
        std::vector<int> group;
        for (int rank = kRankFour; rank <= kRankAce; ++rank)
            if (state.OpponentHandCount[rank] + state.OpponentMeldCount[rank] == best)
                group.push_back(rank);
        if (const int index = SafestOfGroup(c, group); index >= 0) return index;
        if (best > 8) break;
        floor = best;
    }
    // Step 8.5. A rank whose meld on the player's side already carries wild cards.
    for (int rank = kRankFour; rank <= kRankAce; ++rank)
        if (state.OpponentHandCount[rank] > 0 &&
            c.memory.PlayerMeldRankCount[rank] != state.PlayerMeldCount[rank])
            return FindCardOfRank(c.table, rank);
    return -1;
}

// Step 9. A black three early enough, else the highest card.
int LastResort(const Choosing& c) {
    if (c.shape.blackThrees > 0 && c.state.Stock.count < 70)
        return FindCardOfRank(c.table, kRankThree);
    for (int rank = kRankAce; rank >= kRankJoker; --rank)
        if (c.state.OpponentHandCount[rank] > 0) return FindCardOfRank(c.table, rank);
    return -1;
}

// Steps 6 to 9.
int DiscardByUse(Choosing& c) {
    c.memory.DiscardingRank = 0;
    int index = DenyPileTest(c.turn) ? DenyingDiscard(c) : -1;
    if (FreezeAgainstPlayer(c)) index = WildCard(c, false);
    if (index < 0) {
        index = SmallestSafeGroup(c);
        if (index >= 0) c.memory.DiscardingRank = c.state.OpponentHand.cards[index].rank;
    }
    return index >= 0 ? index : LastResort(c);
}

// Step 10. The player holding one card could take a one-card pile it has a meld for and go
// out: throw a rank the player has not melded, else the highest.
int GuardLastCard(const Choosing& c, int index) {
    const GameState& state = c.state;
    const int rank = state.OpponentHand.cards[index].rank;
    if (!state.DiscardPile.Empty() || state.PlayerHand.count != 1 ||
        state.PlayerMeldCount[rank] == 0)
        return index;
    for (int other = kRankFour; other <= kRankAce; ++other)
        if (state.OpponentHandCount[other] > 0 && state.PlayerMeldCount[other] == 0)
            return FindCardOfRank(c.table, other);
    for (int other = kRankAce; other >= kRankJoker; --other)
        if (state.OpponentHandCount[other] > 0) return FindCardOfRank(c.table, other);
    return index;
}

}  // namespace

DiscardChoice ExpertChooseDiscard(TurnContext& turn) {
    Table& table = turn.table;
    GameState& state = table.state;
    CardCensus(table);
    Choosing c{.turn = turn,
               .table = table,
               .state = state,
               .memory = table.computer,
               .frozen = table.PileFrozenFor(),
               .firstWild = table.random.Below(10) >= 8 ? kRankJoker : kRankDeuce,
               .shape = ShapeOfComputerHand(table),
               .needed = state.Rules.NumberOfCanastas,
               .own = state.OpponentTally.canastaCount};
    // Step 1. Black threes held back for blocking go first.
    if (c.memory.HoldThrees && c.shape.blackThrees > 0)
        return {.handIndex = FindCardOfRank(table, kRankThree)};
    // Step 2. The last card.
    if (state.OpponentHand.count == 1) return {.handIndex = 0};
    // Step 3. More wild cards than the canastas can use keep a frozen pile frozen.
    if (c.shape.Wild() > 2 * c.needed + 2 && (c.frozen || c.own < c.needed))
        return {.handIndex = WildCard(c, false)};
    // Step 4.
    if (const int meldIndex = RedThreeToFreeze(c); meldIndex >= 0) return {.meldIndex = meldIndex};
    // Step 5. Go on breaking up the rank begun on an earlier turn.
    if (const int rank = c.memory.DiscardingRank;
        rank != 0 && state.OpponentHandCount[rank] > 0 && OpeningSurvivesDiscard(c.turn, rank))
        return {.handIndex = FindCardOfRank(table, rank)};
    return {.handIndex = GuardLastCard(c, DiscardByUse(c))};
}

}  // namespace tavolex
