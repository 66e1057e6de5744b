#include "table/undo_meld.h"

#include <optional>
#include <string>

#include "game/internal_error.h"
#include "game/melds.h"
#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "game/pile_take.h"
#include "game/table.h"

namespace tavolex {

namespace {

// The very card the entry melded: the same card of the same deck in the column it went to. The
// other deck's copy, melded in an earlier turn, may lie after it in the pile once squaring a
// canasta has reordered a column.
int IndexOfMeldedCard(const Table& table, const UndoEntry& entry) {
    const CardPile& melds = table.state.PlayerMelds;
    const int column = (entry.card.x - table.layout.LeftMargin) / entry.pitch;
    for (int i = melds.count - 1; i >= 0; --i) {
        const CardRecord& card = melds.cards[i];
        if (card.cardId == entry.card.cardId && card.deck == entry.card.deck &&
            table.layout.ColumnOf(card.x) == column) {
            return i;
        }
    }
    return -1;
}

// Takes the newest melded card back into the hand; false when there was none.
bool UndoNewest(Table& table) {
    const std::optional<UndoEntry> entry = table.undo.TakeNewest();
    if (!entry) return false;
    GameState& state = table.state;
    const int index = IndexOfMeldedCard(table, *entry);
    const int column =
        index < 0 ? -1
                  : (state.PlayerMelds.cards[index].x - table.layout.LeftMargin) / entry->pitch;
    if (column < 0 || column >= kColumns) {
        ReportInternalError("UndoMeld: card " + std::to_string(entry->card.cardId) +
                            " is not in the player's melds");
        return false;
    }
    const bool broken =
        CanastaBrokenWithout(state.PlayerTally, state.PlayerMelds, table.layout, index, column);
    // A canasta keeps lying as one pile; a broken one is laid out again below.
    const bool inCanasta = state.PlayerTally.CanastaKind[column] != kNoCanasta;
    CardRecord card = *RemoveCardAt(state.PlayerMelds, +1, index, inCanasta, column);
    if (broken) UnsquareCanasta(table, true, column);
    // A canasta that stands shows the naturals it holds now, as the peer's copy does.
    if (inCanasta && !broken)
        RecountCanastaNaturals(state.PlayerTally, state.PlayerMelds, table.layout, column);
    PlaceInColumn(state.PlayerHand, true, false, card);
    PushCard(state.PlayerHand, card);
    // The computer remembers the cards it saw go back to the hand.
    if (!IsRedThree(card.cardId)) PushCard(state.KnownPlayerCards, card);
    table.RepaintPlayerMeldArea();
    table.RepaintPlayerHandArea();
    table.SendToken(kTokenUndoMeld, CardRefCode(card.cardId, column));
    if (table.undo.Empty()) table.view.EnableUndo(false);
    return true;
}

}  // namespace

void UndoMeld(Table& table) {
    if (UndoNewest(table)) CompletePileTake(table);
}

void UndoAll(Table& table) {
    bool undone = false;
    while (UndoNewest(table)) undone = true;
    if (undone) CompletePileTake(table);
}

}  // namespace tavolex
