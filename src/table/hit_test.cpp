#include "table/hit_test.h"

#include "game/hand_columns.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

bool Inside(int x, int y, int left, int top, int width, int height) {
    return left <= x && x <= left + width && top <= y && y <= top + height;
}

// Only the card at its column's anchor, the last one placed, shows whole; of every other card
// a 12-pixel strip shows above the card that covers it.
int MeldCardAt(const CardPile& pile, const TableLayout& layout, int x, int y) {
    for (int i = 0; i < pile.count; ++i) {
        const CardRecord& card = pile.cards[i];
        const int column = layout.ColumnOf(card.x);
        const bool atAnchor =
            column >= 0 && column < kColumns && pile.anchors[column] == Anchor{card.x, card.y};
        const int height = atAnchor ? layout.CardHeight : kCardStep;
        if (Inside(x, y, card.x, card.y, layout.CardWidth, height)) return i;
    }
    return -1;
}

// Hand cards are hit where they are drawn.
int HandCardAt(const Table& table, int x, int y) {
    const CardPile& hand = table.state.PlayerHand;
    const DrawnHand drawn = DrawHand(hand, table.layout, table.VisibleBottom);
    for (int i = 0; i < hand.count; ++i) {
        if (Inside(x, y, hand.cards[i].x, drawn[i].y, table.layout.CardWidth,
                   drawn[i].shownHeight)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

Hit HitTest(const Table& table, int x, int y) {
    const GameState& state = table.state;
    const TableLayout& layout = table.layout;
    if (state.Prompt == kPromptHandOver) return {};
    if (!state.StockExhausted &&
        Inside(x, y, layout.LeftMargin, layout.StockTop, layout.CardWidth, layout.CardHeight)) {
        return {HitTarget::Stock};
    }
    // A spread pile is hit only on its first card, where the folded pile lies.
    if (Inside(x, y, layout.LeftMargin, layout.DiscardTop, layout.CardWidth, layout.CardHeight)) {
        return {HitTarget::DiscardPile};
    }
    const int handIndex = HandCardAt(table, x, y);
    if (handIndex >= 0) {
        const bool wild = IsWildRank(state.PlayerHand.cards[handIndex].rank);
        return {wild ? HitTarget::HandWildCard : HitTarget::HandCard, handIndex};
    }
    const int meldIndex = MeldCardAt(state.PlayerMelds, layout, x, y);
    if (meldIndex >= 0) {
        const bool threes = layout.ColumnOf(state.PlayerMelds.cards[meldIndex].x) == kRankThree;
        return {threes ? HitTarget::ThreesColumn : HitTarget::MeldCard, meldIndex};
    }
    return {};
}

}  // namespace tavolex
