#include "game/game_state.h"

namespace tavolex {

namespace {
void CountByRank(const CardPile& pile, ColumnCounts& counts) {
    for (const CardRecord& card : pile) ++counts[card.rank];
}

void CountByColumn(const CardPile& pile, const TableLayout& layout, ColumnCounts& counts) {
    for (const CardRecord& card : pile) {
        const int column = layout.ColumnOf(card.x);
        if (column >= 0 && column < kColumns) ++counts[column];
    }
}
}  // namespace

void CountColumns(GameState& state, const TableLayout& layout) {
    state.PlayerMeldCount.fill(0);
    state.PlayerHandCount.fill(0);
    state.OpponentHandCount.fill(0);
    state.OpponentMeldCount.fill(0);
    CountByRank(state.PlayerHand, state.PlayerHandCount);
    CountByRank(state.OpponentHand, state.OpponentHandCount);
    CountByColumn(state.PlayerMelds, layout, state.PlayerMeldCount);
    CountByColumn(state.OpponentMelds, layout, state.OpponentMeldCount);
}

int32_t CurrentMeldValue(GameState& state, const TableLayout& layout, bool allColumns) {
    CountColumns(state, layout);
    int32_t total = 0;
    for (const CardRecord& card : state.PlayerMelds) {
        if (IsRedThree(card.cardId)) continue;
        const int column = layout.ColumnOf(card.x);
        if (!allColumns && (column < 0 || column >= kColumns || state.PlayerMeldCount[column] < 3)) {
            continue;
        }
        total += card.points;
    }
    return total;
}

void SavePlayerTurn(GameState& state) {
    state.PlayerHandSaved = state.PlayerHand;
    state.PlayerMeldsSaved = state.PlayerMelds;
    state.PlayerTallySaved = state.PlayerTally;
    state.DiscardPileSaved = state.DiscardPile;
}

void RestorePlayerTurn(GameState& state) {
    state.PlayerHand = state.PlayerHandSaved;
    state.PlayerMelds = state.PlayerMeldsSaved;
    state.PlayerTally = state.PlayerTallySaved;
    state.DiscardPile = state.DiscardPileSaved;
}

void ResetColumnAnchors(GameState& state, const TableLayout& layout) {
    for (int c = 0; c < kColumns; ++c) {
        const int32_t x = layout.ColumnLeft(c);
        state.PlayerHand.anchors[c] = {x, layout.OwnHandTop};
        state.PlayerMelds.anchors[c] = {x, layout.OwnMeldTop};
        state.OpponentMelds.anchors[c] = {x, layout.OpponentMeldTop};
    }
}

int CountInColumn(const CardPile& melds, const TableLayout& layout, int column) {
    int n = 0;
    for (const CardRecord& card : melds)
        if (layout.ColumnOf(card.x) == column) ++n;
    return n;
}

}  // namespace tavolex
