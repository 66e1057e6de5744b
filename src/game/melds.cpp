#include "game/melds.h"

#include <algorithm>
#include <optional>
#include <string>

#include "game/peer_link.h"
#include "game/pile_take.h"
#include "game/scoring.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

bool RequireDrawn(Table& table) {
    if (table.state.HasDrawn) return true;
    table.ShowError(kErrorMeldBeforeDraw);
    return false;
}

// The natural card a click on the hand melds, if the player may meld at all.
std::optional<CardRecord> ClickedNatural(Table& table, int handIndex) {
    if (!RequireDrawn(table)) return std::nullopt;
    const CardPile& hand = table.state.PlayerHand;
    if (handIndex < 0 || handIndex >= hand.count) return std::nullopt;
    const CardRecord& card = hand.cards[handIndex];
    if (IsWildRank(card.rank)) return std::nullopt;
    return card;
}

void ShowMeldingPrompt(Table& table) {
    // A pending pile take keeps its own prompt.
    if (table.state.Prompt != kPromptTakingPile) table.SetPrompt(kPromptMeldOrDiscard);
}

int LowestIndexOfRank(const CardPile& pile, int rank) {
    for (int i = 0; i < pile.count; ++i)
        if (pile.cards[i].rank == rank) return i;
    return -1;
}

int WildsInHand(const GameState& state) {
    return state.PlayerHandCount[kRankJoker] + state.PlayerHandCount[kRankDeuce];
}

// Moves a hand card onto a column of the player's melds, where Undo Meld can take it back.
CardRecord MoveToMelds(Table& table, int handIndex, int column) {
    GameState& state = table.state;
    CardRecord card = state.PlayerHand.cards[handIndex];
    const int fromX = card.x;
    const int fromY = card.y;
    RemoveCardAt(state.PlayerHand, +1, handIndex, false, card.rank);
    // A squared canasta lies as one pile, so the card lands on it.
    const bool onCanasta = state.PlayerTally.CanastaKind[column] != kNoCanasta;
    PlaceInColumnAt(state.PlayerMelds, true, onCanasta, column, card);
    PushCard(state.PlayerMelds, card);
    RemoveCardById(state.KnownPlayerCards, card.cardId);
    table.undo.Add(card, table.layout.ColumnPitch);
    table.view.EnableUndo(true);
    table.ShowMove(card, fromX, fromY);
    table.RepaintPlayerHandArea();
    table.RepaintPlayerMeldColumn(column);
    return card;
}

bool LayWildCard(Table& table, int column) {
    const CardPile& hand = table.state.PlayerHand;
    int index = LowestIndexOfRank(hand, kRankJoker);
    if (index < 0) index = LowestIndexOfRank(hand, kRankDeuce);
    if (index < 0) return false;
    const CardRecord card = MoveToMelds(table, index, column);
    table.SendToken(kTokenMeldWildcard,
                    std::to_string(card.cardId) + kFieldSeparator + std::to_string(column));
    return true;
}

// Every melding action ends here: a pending take may now be complete, melding the last card
// goes out, and a single card left may have to be passed.
void FinishMeldAction(Table& table) {
    CompletePileTake(table);
    if (table.state.PlayerHand.Empty() && MeldsValidForDiscard(table)) {
        if (table.flow != nullptr) table.flow->EndOfHandCheck();
        return;
    }
    RunMustPassTest(table);
}

bool HasAnotherCardToPlay(const Table& table) {
    const GameState& state = table.state;
    return state.PlayerHand.count >= 2 ||
           state.PlayerTally.canastaCount >= state.Rules.NumberOfCanastas ||
           (state.TopCardPending && !state.DiscardPile.Empty());
}

// After naturals of a rank were melded. The last card of a rank that leaves a meld of two gets
// a wild card at once, so the meld stands. Wild cards never join the threes: two black threes
// fail the meld check with or without one.
void FinishNaturalMeld(Table& table, const CardRecord& last) {
    GameState& state = table.state;
    const int column = last.rank;
    table.CountColumns();
    if (IsNaturalRank(column) && state.PlayerHandCount[column] == 0 &&
        state.PlayerMeldCount[column] == 2 && HasAnotherCardToPlay(table)) {
        LayWildCard(table, column);
    }
    SquareCanasta(table, state.PlayerMelds, true, column);
    FinishMeldAction(table);
}

// Without the canastas to go out, the last card of the hand stays for the discard unless
// melding it brings the canasta that lets the player go out: an empty hand that cannot go out
// could never discard again once the turn's melds can no longer be undone.
bool MustKeepLastCard(Table& table, int column, bool natural) {
    const GameState& state = table.state;
    const int needed = state.Rules.NumberOfCanastas;
    if (state.PlayerHand.count != 1 || state.PlayerTally.canastaCount >= needed) return false;
    if (state.TopCardPending && !state.DiscardPile.Empty()) return false;  // the pile follows
    int cards = 0;
    int naturals = 0;
    for (const CardRecord& card : state.PlayerMelds) {
        if (table.layout.ColumnOf(card.x) != column) continue;
        ++cards;
        if (!IsWildRank(card.rank)) ++naturals;
    }
    const bool completes = state.PlayerTally.CanastaKind[column] == kNoCanasta &&
                           FormsCanasta(cards + 1, naturals + (natural ? 1 : 0), column);
    return state.PlayerTally.canastaCount + (completes ? 1 : 0) < needed;
}

// One wild card at a time, each with its own checks, as long as the turn lasts.
void LayWilds(Table& table, int column, int count) {
    for (int i = 0; i < count && table.state.HasDrawn && !table.state.PlayerLocked; ++i)
        AddWildToMeld(table, column);
}

}  // namespace

void MeldCard(Table& table, int handIndex) {
    const std::optional<CardRecord> clicked = ClickedNatural(table, handIndex);
    if (!clicked) return;
    UpdateBlackThreesAllowed(table);
    if (IsBlackThree(clicked->cardId) && !table.state.BlackThreesAllowed) {
        table.ShowError(kErrorBlackThrees);
        return;
    }
    if (MustKeepLastCard(table, clicked->rank, true)) return;
    ShowMeldingPrompt(table);
    const CardRecord card = MoveToMelds(table, handIndex, clicked->rank);
    table.SendToken(kTokenMeld, std::to_string(card.cardId));
    FinishNaturalMeld(table, card);
}

void MeldRank(Table& table, int handIndex, bool onlyToThree) {
    const std::optional<CardRecord> clicked = ClickedNatural(table, handIndex);
    if (!clicked) return;
    GameState& state = table.state;
    const int rank = clicked->rank;
    table.CountColumns();
    const int inHand = state.PlayerHandCount[rank];
    int count = onlyToThree ? std::min(3 - state.PlayerMeldCount[rank], inHand) : inHand;
    // Without the canastas to go out, one card stays for the discard.
    if (count == state.PlayerHand.count &&
        state.PlayerTally.canastaCount < state.Rules.NumberOfCanastas) {
        --count;
    }
    if (count < 1) return;
    ShowMeldingPrompt(table);
    CardRecord last;
    for (int i = 0; i < count; ++i) {
        last = MoveToMelds(table, LowestIndexOfRank(state.PlayerHand, rank), rank);
        table.SendToken(kTokenMeld, std::to_string(last.cardId));
        SquareCanasta(table, state.PlayerMelds, true, rank);
    }
    FinishNaturalMeld(table, last);
}

void AddWildToMeld(Table& table, int column) {
    if (column != kRankDeuce && !(IsNaturalRank(column) && column < kColumns)) return;
    if (MustKeepLastCard(table, column, false)) return;
    if (!LayWildCard(table, column)) return;
    SquareCanasta(table, table.state.PlayerMelds, true, column);
    FinishMeldAction(table);
}

void WildOntoMeld(Table& table, int column, bool shift) {
    if (shift) {
        CompleteWithWilds(table, column);
        return;
    }
    if (!RequireDrawn(table) || column < 0 || column >= kColumns) return;
    GameState& state = table.state;
    table.CountColumns();
    // The last card is kept for the discard unless it completes a canasta.
    if (state.PlayerHand.count < 2 &&
        state.PlayerTally.canastaCount < state.Rules.NumberOfCanastas &&
        state.PlayerMeldCount[column] != 6) {
        return;
    }
    AddWildToMeld(table, column);
}

void CompleteWithWilds(Table& table, int column) {
    if (!RequireDrawn(table) || column < 0 || column >= kColumns) return;
    const GameState& state = table.state;
    table.CountColumns();
    const int inColumn = state.PlayerMeldCount[column];
    if (inColumn >= 4 && inColumn <= 6 && inColumn + WildsInHand(state) >= 7)
        LayWilds(table, column, 7 - inColumn);
}

void ExtendWildCanasta(Table& table, WildCanastaMode mode) {
    if (!RequireDrawn(table)) return;
    if (!table.rules().WildcardCanasta) {
        table.ShowError(kErrorNoWildCanasta);
        return;
    }
    const GameState& state = table.state;
    table.CountColumns();
    const int inColumn = state.PlayerMeldCount[kRankDeuce];
    if (WildsInHand(state) + inColumn < 7) {
        table.ShowError(kErrorSevenWildcards);
        return;
    }
    int count = 1;
    if (mode == WildCanastaMode::UpToThree) count = 3 - inColumn;
    if (mode == WildCanastaMode::UpToSeven) count = 7 - inColumn;
    LayWilds(table, kRankDeuce, count);
}

}  // namespace tavolex
