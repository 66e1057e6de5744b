#include "computer/census.h"

namespace tavolex {

namespace {
void ByRank(const CardPile& pile, ColumnCounts& counts) {
    counts.fill(0);
    for (const CardRecord& card : pile) ++counts[card.rank];
}

void ByColumn(const CardPile& pile, const TableLayout& layout, ColumnCounts& counts) {
    counts.fill(0);
    for (const CardRecord& card : pile) {
        const int column = layout.ColumnOf(card.x);
        if (column >= 0 && column < kColumns) ++counts[column];
    }
}
}  // namespace

void CardCensus(Table& table) {
    GameState& state = table.state;
    ComputerMemory& memory = table.computer;
    ByRank(state.OpponentHand, state.OpponentHandCount);
    ByColumn(state.PlayerMelds, table.layout, state.PlayerMeldCount);
    ByRank(state.PlayerMelds, memory.PlayerMeldRankCount);
    ByColumn(state.OpponentMelds, table.layout, state.OpponentMeldCount);
    ByRank(state.OpponentMelds, memory.OpponentMeldRankCount);
    ByRank(state.DiscardPile, state.DiscardCount);
    ByRank(state.KnownPlayerCards, memory.KnownPlayerCount);
}

HandShape ShapeOfComputerHand(const Table& table) {
    HandShape shape;
    for (const CardRecord& card : table.state.OpponentHand) {
        if (card.rank == kRankJoker) ++shape.jokers;
        if (card.rank == kRankDeuce) ++shape.deuces;
        if (IsBlackThree(card.cardId)) ++shape.blackThrees;
    }
    return shape;
}

int ValueOfRank(int rank) {
    if (rank == kRankJoker) return 50;
    if (rank == kRankDeuce || rank == kRankAce) return 20;
    if (rank >= 7) return 10;
    return 5;
}

}  // namespace tavolex
