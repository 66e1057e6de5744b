// The Expert's melding phase: natural canastas at once, wild cards on canastas only when the
// situation calls for them, melds held back while the player is far from going out, and going
// out when the hand and the match score allow it.
#include <algorithm>
#include <array>

#include "computer/census.h"
#include "computer/computer_hand.h"
#include "computer/expert_parts.h"
#include "table/end_of_hand.h"

namespace tavolex {

namespace {

constexpr int kRankFour = kRankThree + 1;
constexpr int kCanastaSize = 7;
constexpr int kCanastaBonus = 300;

int CanastasNeeded(const Table& table) {
    return table.state.Rules.NumberOfCanastas;
}
int OwnCanastas(const Table& table) {
    return table.state.OpponentTally.canastaCount;
}
int PlayerCanastas(const Table& table) {
    return table.state.PlayerTally.canastaCount;
}

// Cards of a rank in the computer's hand and melds together.
int RankTotal(const GameState& state, int rank) {
    return state.OpponentHandCount[rank] + state.OpponentMeldCount[rank];
}

int MeldPoints(const CardPile& melds) {
    int points = 0;
    for (const CardRecord& card : melds) points += card.points;
    return points;
}

int RedThreesIn(const CardPile& melds) {
    return static_cast<int>(std::count_if(melds.begin(), melds.end(), [](const CardRecord& card) {
        return IsRedThree(card.cardId);
    }));
}

void GoOut(TurnContext& turn) {
    ExpertBuildCanastas(turn);
    ExpertMeldAllForOut(turn, 0);
    ExpertGoOutWithWilds(turn);
}

// How many wild cards a canasta may cost: none on a calm turn when the computer has its
// canastas, the player has no more, wild cards are few and the hand is not close to going out.
int WildCardsWorthACanasta(TurnContext& turn) {
    const Table& table = turn.table;
    int cardsLeft = 0;
    const bool calm = !turn.AggressiveTurn && OwnCanastas(table) >= CanastasNeeded(table) &&
                      PlayerCanastas(table) <= OwnCanastas(table) &&
                      ShapeOfComputerHand(table).Wild() < 6 &&
                      !CardsLeftAfterMelding(turn, cardsLeft);
    return calm ? 0 : 3;
}

// Before the initial meld a canasta goes down only when it reaches the minimum on its own: the
// rank's cards and the wild cards it lacks, jokers first as they are laid.
bool CanastaMayOpen(TurnContext& turn, int rank, int lacking) {
    const GameState& state = turn.state();
    if (state.OpponentMeldPoints > 0) return true;
    const int jokers = std::min(lacking, ShapeOfComputerHand(turn.table).jokers);
    const int points = RankTotal(state, rank) * ValueOfRank(rank) +
                       jokers * ValueOfRank(kRankJoker) +
                       (lacking - jokers) * ValueOfRank(kRankDeuce);
    return points >= turn.MeldMinimum;
}

// Step 4. The stock is nearly gone or the player is pressing: complete canastas now and go out
// when they allow it.
void CloseIn(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    const int needed = CanastasNeeded(table);
    const int stock = state.Stock.count;
    const bool playerNearOut = PlayerCanastas(table) >= needed && state.PlayerHand.count < 10;
    const bool playerSlowStart =
        PlayerCanastas(table) == 0 && needed == 1 && stock < 55 && state.PlayerMelds.count <= 4;
    if (!(stock < 6 || (!turn.PlayerAhead && (playerNearOut || playerSlowStart)))) return;
    ExpertBuildCanastas(turn);
    if (OwnCanastas(table) < needed) return;
    ExpertMeldAllForOut(turn, 0);
    ExpertGoOutWithWilds(turn);
}

// Step 5. Two canastas to make: build them once the wild cards reach both (or the stock is
// nearly gone), and go out when they leave fewer than two cards. The cards left are judged
// on the hand as it is before building.
void BuildTwoCanastas(TurnContext& turn) {
    Table& table = turn.table;
    if (CanastasNeeded(table) != 2) return;
    int used = 0;
    const int reachable = CanastasReachable(turn, used);
    const int left = table.state.OpponentHand.count - used;
    const bool stockLow = table.state.Stock.count < 5;
    if ((left != 2 && reachable >= 2) || stockLow) ExpertBuildCanastas(turn);
    if (left < 2 && reachable >= 2) {
        ExpertMeldAllForOut(turn, 0);
        ExpertGoOutWithWilds(turn);
    }
}

// Step 8. Whether the position calls for going out this turn.
bool WantsToGoOut(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    const int needed = CanastasNeeded(table);
    const int playerCards = state.PlayerHand.count + state.PlayerMelds.count;
    const int exposed =
        state.OpponentHand.count + (table.PileFrozenFor() ? 0 : state.OpponentMelds.count);
    if (turn.AggressiveTurn)
        return PlayerCanastas(table) >= needed - 1 || playerCards >= 35 || exposed < 15;
    return playerCards >= 35 || exposed < 7 ||
           (PlayerCanastas(table) >= needed && state.PlayerHand.count <= 3);
}

// Steps 6 to 9: what to lay down beyond the canastas, and going out.
void MeldOrGoOut(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    const int needed = CanastasNeeded(table);
    const int own = OwnCanastas(table);
    // Step 6. Without the canastas the rules require, nothing more goes down.
    if (own < needed && state.Rules.CanastaRequired) return;
    // Step 7. Short of canastas, lay out only when the player is about to go out, keeping
    // enough cards to go on building.
    if (own < needed) {
        const int held = state.OpponentHand.count + state.OpponentMelds.count;
        if (PlayerCanastas(table) >= needed && state.PlayerHand.count < 5 && !turn.PlayerAhead &&
            held >= kCanastaSize * needed + 10 - kCanastaSize * own && state.OpponentMeldPoints > 0)
            ExpertMeldAllForOut(turn, 1);
        return;
    }
    // Step 8. Going out, when the hand allows it and the match cannot be handed to the player.
    int cardsLeft = 0;
    if (WantsToGoOut(turn) && CardsLeftAfterMelding(turn, cardsLeft) && ScoreCheck(table)) {
        ExpertMeldAllForOut(turn, 0);
        ExpertBuildCanastas(turn);
        ExpertGoOutWithWilds(turn);
        return;
    }
    // Step 9. While the player is far from going out, melds stay in hand, unless the player has
    // laid nothing but red threes and the turn is aggressive.
    const int stock = state.Stock.count;
    if (state.PlayerHand.count > 5 && stock > 4) {
        const bool playerIdle = state.PlayerMelds.count == RedThreesIn(state.PlayerMelds);
        if (!(stock < 60 && playerIdle && turn.AggressiveTurn)) return;
    }
    ExpertBuildCanastas(turn);
    if (stock > 4 && (state.PlayerHand.count > 5 || PlayerCanastas(table) < needed)) return;
    ExpertMeldAllForOut(turn, 1);
}

}  // namespace

void ExpertMeldPhase(TurnContext& turn) {
    Table& table = turn.table;
    LayRedThrees(table, true);
    LayNaturalCanastas(turn);
    AggressiveGoOut(turn);
    CloseIn(turn);
    BuildTwoCanastas(turn);
    MeldOrGoOut(turn);
    // Step 10. Late in the hand, a pair of black threes is kept for blocking discards.
    CardCensus(table);
    if (table.state.Stock.count <= 3 * CanastasNeeded(table) + 68 &&
        ShapeOfComputerHand(table).blackThrees >= 2)
        table.computer.HoldThrees = 1;
}

void LayNaturalCanastas(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    CardCensus(table);
    for (int rank = kRankFour; rank <= kRankAce; ++rank) {
        const bool natural =
            table.computer.OpponentMeldRankCount[rank] == state.OpponentMeldCount[rank];
        // Before the initial meld, the canasta must reach the minimum on its own.
        const bool counts =
            state.OpponentMeldPoints > 0 || kCanastaSize * ValueOfRank(rank) >= turn.MeldMinimum;
        if (RankTotal(state, rank) >= kCanastaSize && natural && counts)
            ExpertMeldRank(turn, rank, 0);
    }
}

void AggressiveGoOut(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    CardCensus(table);
    const HandShape shape = ShapeOfComputerHand(table);
    const int needed = CanastasNeeded(table);
    int wild = shape.Wild();
    int canastas = OwnCanastas(table);
    int singles = 0;
    bool ok = true;
    // The largest groups become the missing canastas first; every pair needs a wild card.
    for (int total = 8; total >= 1 && ok; --total) {
        for (int rank = kRankFour; rank <= kRankAce && ok; ++rank) {
            if (RankTotal(state, rank) != total || state.OpponentMeldCount[rank] >= kCanastaSize)
                continue;
            if (canastas < needed && total >= 4 && wild >= kCanastaSize - total) {
                wild -= kCanastaSize - total;  // an eighth card gives one back
                ++canastas;
            }
            if (total == 2) {
                if (wild < 1)
                    ok = false;
                else
                    --wild;
            }
            if (total == 1) ++singles;
        }
    }
    // One card may stay for the discard: a single or a lone black three. Three or more black
    // threes go down together.
    const int blackThrees = shape.blackThrees;
    const int leftOver = singles + (blackThrees > 2 ? 0 : blackThrees);
    if (canastas >= needed && ok && leftOver < 2 && turn.AggressiveTurn) GoOut(turn);
}

void ExpertBuildCanastas(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    // Step 1. The wild cards each rank lacks for a canasta, at most three on one meld.
    std::array<int, kColumns> need;
    need.fill(-1);
    CardCensus(table);
    const int wild = ShapeOfComputerHand(table).Wild();
    for (int rank = kRankAce; rank >= kRankFour; --rank) {
        const int total = RankTotal(state, rank);
        if (total + wild < kCanastaSize || total < 4 ||
            state.OpponentMeldCount[rank] >= kCanastaSize)
            continue;
        const int lacking = std::max(0, kCanastaSize - total);
        if (lacking <= 3 - WildsInMeld(table, rank) && CanastaMayOpen(turn, rank, lacking))
            need[rank] = lacking;
    }
    // Step 2. The cheapest canastas first, while wild cards are worth spending on them.
    for (int cost = 0;; ++cost) {
        for (int rank = kRankAce; rank >= kRankFour; --rank) {
            CardCensus(table);
            if (need[rank] != cost || cost > ShapeOfComputerHand(table).Wild() ||
                state.OpponentHandCount[rank] + cost > state.OpponentHand.count)
                continue;
            ExpertMeldRank(turn, rank, 0);
            for (int i = 0; i < cost; ++i) ComputerAddWild(table, rank);
        }
        if (cost >= WildCardsWorthACanasta(turn)) return;
    }
}

void ExpertMeldAllForOut(TurnContext& turn, int keep) {
    Table& table = turn.table;
    const GameState& state = table.state;
    CardCensus(table);
    const int needed = CanastasNeeded(table);
    // Short of canastas, enough cards stay in hand to build them; else 2 x keep cards stay.
    int room = OwnCanastas(table) < needed ? state.OpponentHand.count - (6 * needed + 2)
                                           : state.OpponentHand.count - 2 * keep;
    std::array<bool, kColumns> chosen{};
    int points = state.OpponentMeldPoints;
    for (int rank = kRankAce; rank >= kRankFour; --rank) {
        const int held = state.OpponentHandCount[rank];
        const bool meldable = (state.OpponentMeldCount[rank] >= 1 && held >= 1) || held >= 3;
        if (!meldable || held > room) continue;
        room -= held;
        chosen[rank] = true;
        points += held * ValueOfRank(rank);
    }
    // Before the initial meld, the melds go down only when together they reach the minimum.
    if (state.OpponentMeldPoints == 0 && points < turn.MeldMinimum) return;
    for (int rank = kRankAce; rank >= kRankFour; --rank)
        if (chosen[rank]) ExpertMeldRank(turn, rank, 0);
}

void ExpertGoOutWithWilds(TurnContext& turn) {
    Table& table = turn.table;
    const GameState& state = table.state;
    // Step 1. Pairs take one wild card each; what else stays in hand besides them.
    CardCensus(table);
    const HandShape shape = ShapeOfComputerHand(table);
    int pairs = 0;
    for (int rank = kRankFour; rank <= kRankAce; ++rank)
        if (state.OpponentHandCount[rank] == 2) ++pairs;
    const int spare = shape.Wild() - pairs;
    const int threesLaid = shape.blackThrees > 2 ? shape.blackThrees : 0;
    const int rest = state.OpponentHand.count - 3 * pairs - spare - threesLaid;
    // Step 2. Lay the pairs when at most one card then remains.
    const bool goingOut = spare >= 0 && rest <= 1;
    if (goingOut) {
        for (int rank = kRankAce; rank >= kRankFour; --rank)
            if (state.OpponentHandCount[rank] == 2) ExpertMeldRank(turn, rank, 0);
    }
    // Steps 3 and 4. The spare wild cards fill the open melds from the lowest rank, then the
    // canastas, never outnumbering a meld's naturals; the black threes go last.
    PlaceWildCards(table, spare);
    if (goingOut) LayBlackThreesGoingOut(table);
}

int CanastasReachable(TurnContext& turn, int& used) {
    Table& table = turn.table;
    const GameState& state = table.state;
    CardCensus(table);
    const int wild = ShapeOfComputerHand(table).Wild();
    int canastas = OwnCanastas(table);
    int left = wild;
    used = wild;
    for (int total = 8; total >= 4; --total) {
        for (int rank = kRankFour; rank <= kRankAce; ++rank) {
            if (RankTotal(state, rank) != total || state.OpponentMeldCount[rank] >= kCanastaSize ||
                kCanastaSize - total > left)
                continue;
            left -= kCanastaSize - total;
            ++canastas;
            used += state.OpponentHandCount[rank];
        }
    }
    return canastas;
}

bool ScoreCheck(const Table& table) {
    const GameState& state = table.state;
    const int player =
        state.PlayerScore + kCanastaBonus * PlayerCanastas(table) + MeldPoints(state.PlayerMelds);
    const int own =
        state.OpponentScore + kCanastaBonus * OwnCanastas(table) + MeldPoints(state.OpponentMelds);
    return player < own || player < kMatchTarget;
}

}  // namespace tavolex
