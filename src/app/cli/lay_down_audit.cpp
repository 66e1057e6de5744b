#include "app/cli/lay_down_audit.h"

#include "game/scoring.h"

namespace tavolex::cli {

namespace {

bool WildHeavy(int cards, int wilds) {
    return wilds > cards - wilds;
}

}  // namespace

LayDownAudit::LayDownAudit(const Table& table)
    : meldPoints_(table.state.OpponentMeldPoints),
      minimum_(MinimumForScore(table.state.OpponentScore)),
      stockCount_(table.state.Stock.count),
      columns_(CountColumnsOf(table)) {
    if (!table.state.DiscardPile.Empty()) top_ = table.state.DiscardPile.Top();
}

LayDownAudit::Columns LayDownAudit::CountColumnsOf(const Table& table) {
    Columns columns;
    for (const CardRecord& card : table.state.OpponentMelds) {
        const int column = table.layout.ColumnOf(card.x);
        if (column < 0 || column >= kColumns) continue;
        ++columns.cards[column];
        if (IsWildRank(card.rank)) ++columns.wilds[column];
        if (IsBlackThree(card.cardId)) ++columns.blackThrees;
    }
    return columns;
}

void LayDownAudit::JudgeTurn(const Table& table, RefusedLayDowns& counts) const {
    const GameState& state = table.state;
    const Columns after = CountColumnsOf(table);
    const bool cardsLeft = !state.OpponentHand.Empty();

    // The player's first meld must reach the minimum unless the hand goes out or a canasta's
    // bonus may count; a pile taken when its top card does not count raises the minimum.
    const bool tookPile = top_ && state.Stock.count == stockCount_;
    const int32_t minimum = minimum_ + (tookPile && !state.Rules.TopCardCounts ? top_->points : 0);
    const bool bonusCounts = state.Rules.BonusCounts && state.OpponentTally.canastaCount > 0;
    if (meldPoints_ == 0 && state.OpponentMeldPoints > 0 && cardsLeft && !bonusCounts &&
        state.OpponentMeldPoints < minimum) {
        ++counts.initialMeldBelowMinimum;
    }

    for (int column = kRankThree + 1; column < kColumns; ++column) {
        const int cards = after.cards[column];
        if (cards == columns_.cards[column]) continue;
        if (WildHeavy(cards, after.wilds[column]) &&
            !WildHeavy(columns_.cards[column], columns_.wilds[column])) {
            ++counts.moreWildsThanNaturals;
        }
        if (cards == 1 || cards == 2) ++counts.shortColumnAtDiscard;
    }

    if (after.blackThrees > columns_.blackThrees && cardsLeft) ++counts.blackThreesWithCardsLeft;

    // The last card stays in hand for the discard until the canastas to go out stand.
    if (!cardsLeft && state.OpponentTally.canastaCount < state.Rules.NumberOfCanastas)
        ++counts.handEmptiedShortOfCanastas;
}

}  // namespace tavolex::cli
