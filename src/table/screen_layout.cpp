#include "table/screen_layout.h"

#include <initializer_list>

#include "game/table.h"

namespace tavolex {

namespace {

// Keeps the card in its column and its offset inside the column; the row moves by shift.
void MoveCard(CardRecord& card, const TableLayout& from, const TableLayout& to, int32_t shift) {
    card.x = from.ColumnOf(card.x) * to.ColumnPitch + to.LeftMargin;
    card.y += shift;
}

void MoveColumnCards(CardPile& pile, const TableLayout& from, const TableLayout& to,
                     int32_t shift) {
    for (int i = 0; i < pile.count; ++i) MoveCard(pile.cards[i], from, to, shift);
}

void MoveAnchors(CardPile& pile, const TableLayout& to, int32_t shift) {
    for (int column = 0; column < kColumns; ++column) {
        pile.anchors[column].x = to.ColumnLeft(column);
        pile.anchors[column].y += shift;
    }
}

// A live pile and its saved copy move alike, so restoring the copy lands in the new layout.
void MoveAnchoredPiles(std::initializer_list<CardPile*> piles, const TableLayout& from,
                       const TableLayout& to, int32_t shift) {
    for (CardPile* pile : piles) {
        MoveColumnCards(*pile, from, to, shift);
        MoveAnchors(*pile, to, shift);
    }
}

void MoveToRow(CardPile& pile, int32_t y) {
    for (int i = 0; i < pile.count; ++i) pile.cards[i].y = y;
}

}  // namespace

void RemapLayout(GameState& state, const TableLayout& from, const TableLayout& to) {
    const int32_t handShift = to.OwnHandTop - from.OwnHandTop;
    const int32_t meldShift = to.OwnMeldTop - from.OwnMeldTop;
    const int32_t opponentMeldShift = to.OpponentMeldTop - from.OpponentMeldTop;
    MoveAnchoredPiles({&state.PlayerHand, &state.PlayerHandSaved}, from, to, handShift);
    MoveColumnCards(state.KnownPlayerCards, from, to, handShift);
    MoveAnchoredPiles({&state.PlayerMelds, &state.PlayerMeldsSaved}, from, to, meldShift);
    MoveAnchoredPiles({&state.OpponentMelds}, from, to, opponentMeldShift);
    // Undoing a pending take looks for the top card at this position in the melds.
    if (state.PileTakeUndoable) MoveCard(state.TakenTopCard, from, to, meldShift);
    MoveToRow(state.Stock, to.StockTop);
    MoveToRow(state.DiscardPile, to.DiscardTop);
    MoveToRow(state.DiscardPileSaved, to.DiscardTop);
}

void ApplyScreenLayout(Table& table, int resolution, int clientWidth) {
    const TableLayout next = ComputeTableLayout(resolution, clientWidth);
    if (resolution == table.LastAppliedResolution && next == table.layout) return;
    RemapLayout(table.state, table.layout, next);
    table.layout = next;
    table.Resolution = resolution;
    table.LastAppliedResolution = resolution;
    table.view.RepaintAll();
}

}  // namespace tavolex
