#include "app/cli/side_mirror.h"

#include <utility>

#include "game/scoring.h"

namespace tavolex::cli {

namespace {

// The player's hand lies in rank columns, each card 12 pixels below the one before.
void LayOutAsPlayerHand(CardPile& hand, const TableLayout& layout) {
    const CardPile cards = hand;
    hand = CardPile{};
    for (int column = 0; column < kColumns; ++column)
        hand.anchors[column] = {layout.ColumnLeft(column), layout.OwnHandTop};
    for (CardRecord card : cards) {
        card.faceUp = 1;
        PlaceInColumn(hand, true, false, card);
        PushCard(hand, card);
    }
}

// The opponent's hand is one overlapping row along the top of the table.
void LayOutAsOpponentHand(CardPile& hand, const GameState& state, const TableLayout& layout) {
    hand.anchors = {};
    for (int i = 0; i < hand.count; ++i) {
        CardRecord& card = hand.cards[i];
        card.x = layout.LeftMargin + state.HandOverlap * i;
        card.y = 5;
        card.faceUp = state.OpponentFaceUp;
    }
}

// The player's melds grow down from their row, the opponent's up from theirs: turning the rows
// over keeps every card in its column.
void TurnMeldRowsOver(CardPile& melds, const TableLayout& layout) {
    const int32_t sum = layout.OwnMeldTop + layout.OpponentMeldTop;
    for (int i = 0; i < melds.count; ++i) melds.cards[i].y = sum - melds.cards[i].y;
    for (Anchor& anchor : melds.anchors) anchor.y = sum - anchor.y;
}

int32_t MeldPoints(const CardPile& melds) {
    int32_t points = 0;
    for (const CardRecord& card : melds)
        if (!IsRedThree(card.cardId)) points += card.points;
    return points;
}

}  // namespace

SideMirror::SideMirror(Table& table, ComputerMemory& playerSideMemory)
    : table_(table), playerSideMemory_(playerSideMemory) {
    GameState& state = table.state;
    const int32_t playerMeldPoints = MeldPoints(state.PlayerMelds);
    opponentMeldPoints_ = state.OpponentMeldPoints;
    playerMinimum_ = state.PlayerMinimum;
    Exchange();
    state.OpponentMeldPoints = playerMeldPoints;
    state.PlayerMinimum = MinimumForScore(state.PlayerScore);
}

SideMirror::~SideMirror() {
    Exchange();
    table_.state.OpponentMeldPoints = opponentMeldPoints_;
    table_.state.PlayerMinimum = playerMinimum_;
}

void SideMirror::Exchange() {
    GameState& state = table_.state;
    const TableLayout& layout = table_.layout;
    std::swap(state.PlayerHand, state.OpponentHand);
    LayOutAsPlayerHand(state.PlayerHand, layout);
    LayOutAsOpponentHand(state.OpponentHand, state, layout);
    std::swap(state.PlayerMelds, state.OpponentMelds);
    TurnMeldRowsOver(state.PlayerMelds, layout);
    TurnMeldRowsOver(state.OpponentMelds, layout);
    std::swap(state.PlayerTally, state.OpponentTally);
    std::swap(state.PlayerScore, state.OpponentScore);
    std::swap(state.PlayerMeldedBefore, state.OpponentMeldedBefore);
    std::swap(state.PlayerHandCount, state.OpponentHandCount);
    std::swap(state.PlayerMeldCount, state.OpponentMeldCount);
    std::swap(state.KnownPlayerCards, state.KnownOpponentCards);
    std::swap(table_.computer, playerSideMemory_);
}

}  // namespace tavolex::cli
