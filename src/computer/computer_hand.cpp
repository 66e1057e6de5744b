#include "computer/computer_hand.h"

#include <algorithm>

#include "computer/census.h"
#include "game/melds.h"

namespace tavolex {

namespace {
constexpr int kCanastaSize = 7;

void RepaintAfterMeld(Table& table, const CardRecord& card, int fromX, int fromY) {
    table.RepaintOpponentHandRow();
    table.ShowMove(card, fromX, fromY);
    table.RepaintOpponentMeldColumn(table.layout.ColumnOf(card.x));
    table.view.PauseWithHourglass(table.MeldDelay);
}
// Without the canastas to go out the last card stays in hand for the discard, as the player's
// does, unless it makes the canasta still lacking or a taken pile has more cards to come into
// the hand; a meld of fewer than three still takes it.
bool KeepsLastCard(Table& table, int rank) {
    const GameState& state = table.state;
    const int needed = state.Rules.NumberOfCanastas;
    const int canastas = state.OpponentTally.canastaCount;
    if (state.OpponentHand.count != 1 || canastas >= needed || table.computer.PileStillToCome)
        return false;
    CardCensus(table);
    const int melded = state.OpponentMeldCount[rank];
    const bool completes = melded == kCanastaSize - 1 && canastas + 1 >= needed;
    return melded >= 3 && !completes;
}

}  // namespace

int32_t OpponentCanastaRowY(const Table& table) {
    return table.layout.OpponentMeldTop - kCardStep;
}

void AddToComputerHand(Table& table, CardRecord card, bool animate) {
    GameState& state = table.state;
    state.OpponentPhase = 1;
    const int fromX = card.x;
    const int fromY = card.y;
    int32_t lastX = table.layout.LeftMargin - state.HandOverlap;
    for (const CardRecord& held : state.OpponentHand) lastX = std::max(lastX, held.x);
    card.faceUp = state.OpponentFaceUp;
    card.y = 5;
    card.x = lastX + state.HandOverlap;
    PushCard(state.OpponentHand, card);
    if (animate) {
        CardRecord shown = card;
        shown.faceUp = 0;  // the card travels showing the back of its deck
        table.view.ShowCardMove(shown, fromX, fromY, card.x, card.y, false);
        table.RepaintOpponentHandRow();
    }
}

CardRecord RemoveFromComputerHand(Table& table, int index) {
    CardPile& hand = table.state.OpponentHand;
    if (index < 0 || index >= hand.count) {
        table.dialogs.Warning("Internal Failure removing card from computer's hand");
        table.view.CloseProgram();
        throw ComputerTurnAborted{};
    }
    const CardRecord removed = hand.cards[index];
    for (int i = index; i + 1 < hand.count; ++i) hand.cards[i] = hand.cards[i + 1];
    --hand.count;
    for (int i = 0; i < hand.count; ++i)
        if (hand.cards[i].x > removed.x) hand.cards[i].x -= table.state.HandOverlap;
    return removed;
}

CardRecord PlayCardFromComputerHand(Table& table, int index) {
    const CardRecord card = RemoveFromComputerHand(table, index);
    RemoveCardById(table.state.KnownOpponentCards, card.cardId);
    return card;
}

void LayOnOpponentMeld(Table& table, CardRecord card, int column) {
    GameState& state = table.state;
    const int fromX = card.x;
    const int fromY = card.y;
    card.faceUp = 1;
    const int before = state.OpponentMeldCount[column];
    if (before < 7) {
        PlaceInColumnAt(state.OpponentMelds, false, false, column, card);
    } else {
        card.x = state.OpponentMelds.anchors[column].x;
        card.y = OpponentCanastaRowY(table) - kCardStep;
    }
    PushCard(state.OpponentMelds, card);
    if (!IsRedThree(card.cardId)) state.OpponentMeldPoints += card.points;
    RepaintAfterMeld(table, card, fromX, fromY);
    if (before >= 6) SquareCanasta(table, state.OpponentMelds, false, column);
}

CardRecord MeldFromHand(Table& table, int index) {
    CardCensus(table);
    const CardRecord card = PlayCardFromComputerHand(table, index);
    LayOnOpponentMeld(table, card, card.rank);
    return table.state.OpponentMelds.Top();
}

void ComputerAddWild(Table& table, int rank) {
    GameState& state = table.state;
    CardCensus(table);
    int wildRank = -1;
    if (state.OpponentHandCount[kRankJoker] > 0)
        wildRank = kRankJoker;
    else if (state.OpponentHandCount[kRankDeuce] > 0)
        wildRank = kRankDeuce;
    if (wildRank < 0) {
        table.dialogs.Error("Meld error: Wildcard not found.");
        return;
    }
    LayOnOpponentMeld(table, PlayCardFromComputerHand(table, FindCardOfRank(table, wildRank)),
                      rank);
}

void LayRedThrees(Table& table, bool fromLast) {
    for (;;) {
        const CardPile& hand = table.state.OpponentHand;
        int found = -1;
        for (int i = 0; i < hand.count; ++i) {
            const int index = fromLast ? hand.count - 1 - i : i;
            if (IsRedThree(hand.cards[index].cardId)) {
                found = index;
                break;
            }
        }
        if (found < 0) return;
        const CardRecord card = MeldFromHand(table, found);
        table.RepaintOpponentMeldColumn(table.layout.ColumnOf(card.x));
        table.view.PauseWithHourglass(table.MeldDelay);
    }
}

void MeldRankFromHand(Table& table, int rank, bool fromLast, int max) {
    for (int melded = 0; (max == 0 || melded < max) && !KeepsLastCard(table, rank); ++melded) {
        const CardPile& hand = table.state.OpponentHand;
        int found = -1;
        for (int i = 0; i < hand.count && found < 0; ++i) {
            const int index = fromLast ? hand.count - 1 - i : i;
            if (hand.cards[index].rank == rank) found = index;
        }
        if (found < 0) break;
        MeldFromHand(table, found);
    }
    CardCensus(table);
    if (table.state.OpponentMeldCount[rank] == 2 && rank > kRankThree) ComputerAddWild(table, rank);
}

void PlaceWildCards(Table& table, int count) {
    CardCensus(table);
    const GameState& state = table.state;
    // The room of each meld is taken before any card goes down: its naturals less its wild cards.
    ColumnCounts room{};
    for (int r = kRankThree + 1; r <= kRankAce; ++r)
        room[r] = 2 * table.computer.OpponentMeldRankCount[r] - state.OpponentMeldCount[r];
    int placed = 0;
    // The melds short of a canasta first, then the canastas, each from the lowest rank up.
    for (const bool canastas : {false, true}) {
        for (int r = kRankThree + 1; r <= kRankAce && placed < count; ++r) {
            if ((state.OpponentMeldCount[r] >= kCanastaSize) != canastas) continue;
            const int times = std::min(room[r], count - placed);
            for (int i = 0; i < times; ++i) ComputerAddWild(table, r);
            placed += std::max(times, 0);
        }
    }
}

void LayBlackThreesGoingOut(Table& table) {
    const GameState& state = table.state;
    if (state.OpponentTally.canastaCount < state.Rules.NumberOfCanastas) return;
    const CardPile& hand = state.OpponentHand;
    const int blackThrees =
        static_cast<int>(std::count_if(hand.begin(), hand.end(), [](const CardRecord& card) {
            return IsBlackThree(card.cardId);
        }));
    if (blackThrees < 3 || hand.count > blackThrees + 1) return;
    for (int i = hand.count - 1; i >= 0; --i)
        if (IsBlackThree(hand.cards[i].cardId)) MeldFromHand(table, i);
}

int FindCardOfRank(const Table& table, int rank) {
    const CardPile& hand = table.state.OpponentHand;
    for (int i = 0; i < hand.count; ++i)
        if (hand.cards[i].rank == rank) return i;
    return -1;
}

int WildsInMeld(const Table& table, int rank) {
    const int32_t x = table.layout.ColumnLeft(rank);
    int wilds = 0;
    for (const CardRecord& card : table.state.OpponentMelds)
        if (card.x == x && IsWildRank(card.rank)) ++wilds;
    return wilds;
}

}  // namespace tavolex
