#include <utility>

#include "game/melds.h"
#include "game/sounds.h"
#include "game/table.h"

namespace tavolex {

bool FormsCanasta(int cards, int naturals, int column) {
    if (column < kRankDeuce || column == kRankThree || column >= kColumns) return false;
    return cards >= 7 && (naturals >= 4 || column == kRankDeuce);
}

namespace {

struct ColumnCards {
    int cards = 0;
    int naturals = 0;
};

// The cards and naturals of one meld column, leaving out the card at skippedIndex.
ColumnCards CountColumnCards(const CardPile& melds, const TableLayout& layout, int column,
                             int skippedIndex = -1) {
    ColumnCards counted;
    for (int i = 0; i < melds.count; ++i) {
        if (i == skippedIndex || layout.ColumnOf(melds.cards[i].x) != column) continue;
        ++counted.cards;
        if (!IsWildRank(melds.cards[i].rank)) ++counted.naturals;
    }
    return counted;
}

}  // namespace

bool CanastaBrokenWithout(const MeldTally& tally, const CardPile& melds, const TableLayout& layout,
                          int removedIndex, int column) {
    if (tally.CanastaKind[column] == kNoCanasta) return false;
    const ColumnCards left = CountColumnCards(melds, layout, column, removedIndex);
    return !FormsCanasta(left.cards, left.naturals, column);
}

void RecountCanastaNaturals(MeldTally& tally, const CardPile& melds, const TableLayout& layout,
                            int column) {
    tally.NaturalCount[column] =
        static_cast<uint8_t>(CountColumnCards(melds, layout, column).naturals);
}

namespace {

uint8_t KindOf(int cards, int naturals, int column) {
    if (column == kRankDeuce) return kWildCanasta;
    return naturals == cards ? kNaturalCanasta : kMixedCanasta;
}

// A mixed canasta shows a black natural on top, a natural one a red natural: the last such card
// in pile order is drawn over the others once the column lies as one pile.
void ShowKindOnTop(CardPile& pile, const TableLayout& layout, int column, uint8_t kind) {
    const bool wantBlack = kind == kMixedCanasta;
    int chosen = -1;
    int last = -1;
    for (int i = 0; i < pile.count; ++i) {
        const CardRecord& card = pile.cards[i];
        if (layout.ColumnOf(card.x) != column) continue;
        last = i;
        if (!IsWildRank(card.rank) && IsBlackSuit(card.cardId) == wantBlack) chosen = i;
    }
    if (chosen >= 0 && chosen != last) std::swap(pile.cards[chosen], pile.cards[last]);
}

}  // namespace

bool SquareCanasta(Table& table, CardPile& pile, bool playerSide, int column) {
    const TableLayout& layout = table.layout;
    const auto [cards, naturals] = CountColumnCards(pile, layout, column);
    if (!FormsCanasta(cards, naturals, column)) return false;

    MeldTally& tally = playerSide ? table.state.PlayerTally : table.state.OpponentTally;
    // New is judged by the tally, not by a count of exactly seven: three naturals under four
    // wild cards become a canasta only with the eighth card, and that one must count too.
    // The kind is fixed when the canasta is completed; later wild cards do not change it.
    const bool isNew = tally.CanastaKind[column] == kNoCanasta;
    const uint8_t kind = isNew ? KindOf(cards, naturals, column) : tally.CanastaKind[column];
    if (isNew) {
        ++tally.canastaCount;
        if (playerSide) {
            table.sounds.PlayEvent(kind == kMixedCanasta ? kSoundMixedCanasta
                                                         : kSoundNaturalCanasta);
        }
    }

    const int32_t base =
        playerSide ? layout.OwnMeldTop + kCardStep : layout.OpponentMeldTop - kCardStep;
    for (int i = 0; i < pile.count; ++i)
        if (layout.ColumnOf(pile.cards[i].x) == column) pile.cards[i].y = base;
    pile.anchors[column].y = base;
    if (column != kRankDeuce) ShowKindOnTop(pile, layout, column, kind);

    tally.CanastaKind[column] = kind;
    tally.NaturalCount[column] = static_cast<uint8_t>(naturals);

    if (playerSide) {
        table.RepaintPlayerMeldColumn(column);
    } else {
        table.RepaintOpponentMeldColumn(column);
        table.view.PauseWithHourglass(table.MeldDelay);
    }
    return true;
}

void UnsquareCanasta(Table& table, bool playerSide, int column) {
    GameState& state = table.state;
    MeldTally& tally = playerSide ? state.PlayerTally : state.OpponentTally;
    --tally.canastaCount;
    tally.CanastaKind[column] = kNoCanasta;
    // Only squaring writes the naturals, so an undone canasta returns to the unsquared value.
    tally.NaturalCount[column] = 0;
    CardPile& melds = playerSide ? state.PlayerMelds : state.OpponentMelds;
    melds.anchors[column].y = playerSide ? table.layout.OwnMeldTop : table.layout.OpponentMeldTop;
    for (int i = 0; i < melds.count; ++i)
        if (table.layout.ColumnOf(melds.cards[i].x) == column)
            PlaceInColumnAt(melds, playerSide, false, column, melds.cards[i]);
}

}  // namespace tavolex
