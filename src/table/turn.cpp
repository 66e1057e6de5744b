#include "table/turn.h"

#include <string>

#include "game/melds.h"
#include "game/pile_take.h"
#include "game/rule_options.h"
#include "game/scoring.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

void ShowDrawnCard(Table& table, const CardRecord& card, int fromX, int fromY) {
    table.ShowMove(card, fromX, fromY);
    if (IsRedThree(card.cardId)) {
        table.RepaintPlayerMeldColumn(kRankThree);
    } else {
        table.RepaintPlayerHandArea();
    }
}

// The meld check as the melds will stand once the card is gone: with the last card
// discarded, the hand is empty and the player goes out.
bool MeldsValidWithoutOneCard(Table& table) {
    CardPile& hand = table.state.PlayerHand;
    --hand.count;
    const bool valid = MeldsValidForDiscard(table);
    ++hand.count;
    table.CountColumns();
    return valid;
}

// An empty hand without the canastas to go out would leave the player with nothing to play
// in a hand that goes on.
bool DiscardWouldStrandPlayer(const GameState& state) {
    return state.PlayerHand.count == 1 &&
           state.PlayerTally.canastaCount < state.Rules.NumberOfCanastas;
}

// The player is to draw from an empty stock. Asked of the turn itself rather than of the
// prompt, which the keyboard selection phases overlay.
bool EndHandAllowed(const GameState& state) {
    return state.StockExhausted && !state.PlayerLocked && state.NothingDrawnYet &&
           state.Prompt != kPromptHandOver;
}

// The card has left the player's hand or melds: it goes onto the discard pile and the turn
// passes, unless the discard ended the hand.
void LayOnDiscardPile(Table& table, CardRecord card, int token) {
    GameState& state = table.state;
    table.undo.Clear();
    table.view.EnableUndo(false);
    state.HasDrawn = 0;
    state.NothingDrawnYet = 1;
    table.SetPrompt(kPromptDraw);
    table.SendToken(token, std::to_string(card.cardId));
    table.PlaceOnDiscardPile(card);
    table.RepaintPileBox();
    state.PlayerLocked = 1;
    if (table.flow->EndOfHandCheck()) return;
    table.SetPrompt(kPromptOpponentTurn);
    state.OpponentPhase = 0;
    table.flow->StartOpponentTurn();
}

}  // namespace

void DrawFromStock(Table& table) {
    GameState& state = table.state;
    if (state.HasDrawn) {
        table.ShowError(kErrorAlreadyDrawn);
        return;
    }
    // One card per pass; a replaced red three and the second card of a two-card draw come
    // round again within the same click.
    while (!state.Stock.Empty()) {
        table.view.SetRulesHint(kRulesHintLocked);
        CardRecord card = *PopCard(state.Stock);
        const int fromX = card.x;
        const int fromY = card.y;
        state.StockExhausted = state.Stock.Empty();
        if (state.StockExhausted) table.view.ShowEndHandButton(true);
        table.RepaintStock();
        state.NothingDrawnYet = 0;
        ++state.CardsDrawn;
        table.SendToken(kTokenDrawNew);

        card.faceUp = 1;
        const bool redThree = IsRedThree(card.cardId);
        CardPile& target = redThree ? state.PlayerMelds : state.PlayerHand;
        PlaceInColumn(target, true, false, card);
        PushCard(target, card);
        if (redThree) {
            if (state.Rules.DrawExtra && !state.Stock.Empty()) {
                --state.CardsDrawn;
                ShowDrawnCard(table, card, fromX, fromY);
                continue;
            }
            ShowDrawnCard(table, card, fromX, fromY);
            // Passing ended the turn; the opponent has already moved.
            if (RunMustPassTest(table)) return;
        }

        const bool drawAgain =
            state.CardsDrawn != state.Rules.NumberOfCards && !state.Stock.Empty();
        if (drawAgain) {
            table.SetPrompt(kPromptSecondCard);
        } else {
            table.SetPrompt(kPromptMeldOrDiscard);
            state.TopCardPending = 0;
            state.HasDrawn = 1;
            state.PileTakeUndoable = 0;
            state.CardsDrawn = 0;
            SavePlayerTurn(state);
        }
        if (!redThree) ShowDrawnCard(table, card, fromX, fromY);
        if (!drawAgain) return;
    }
}

void DiscardFromHand(Table& table, int handIndex) {
    GameState& state = table.state;
    if (!state.HasDrawn) {
        table.ShowError(kErrorDiscardBeforeDraw);
        return;
    }
    if (handIndex < 0 || handIndex >= state.PlayerHand.count) return;
    if (!MeldsValidWithoutOneCard(table)) {
        table.ShowError(kErrorCannotDiscard);
        return;
    }
    if (DiscardWouldStrandPlayer(state)) {
        state.RejectReason = RejectGoingOut(state.Rules.NumberOfCanastas);
        table.ShowError(kErrorCannotDiscard);
        return;
    }
    const CardRecord card = state.PlayerHand.cards[handIndex];
    if (!DiscardRule(table, card)) {
        table.ShowError(kErrorCannotDiscard);
        return;
    }
    RemoveCardAt(state.PlayerHand, +1, handIndex, false, card.rank);
    RemoveCardById(state.KnownPlayerCards, card.cardId);
    table.RepaintPlayerHandArea();
    LayOnDiscardPile(table, card, kTokenDiscard);
}

void DiscardRedThreeFromMelds(Table& table, int meldIndex) {
    GameState& state = table.state;
    if (!state.Rules.ThreeBlock || !state.HasDrawn) return;
    if (meldIndex < 0 || meldIndex >= state.PlayerMelds.count) return;
    const CardRecord card = state.PlayerMelds.cards[meldIndex];
    if (!IsRedThree(card.cardId)) return;
    if (!MeldsValidForDiscard(table)) {
        table.ShowError(kErrorCannotDiscard);
        return;
    }
    state.PileFrozen = 1;
    const bool keepAnchor = state.PlayerTally.CanastaKind[kRankThree] != kNoCanasta;
    RemoveCardAt(state.PlayerMelds, +1, meldIndex, keepAnchor, kRankThree);
    table.RepaintPlayerMeldColumn(kRankThree);
    LayOnDiscardPile(table, card, kTokenDiscardRedThree);
}

void EndHandPressed(Table& table) {
    GameState& state = table.state;
    if (!EndHandAllowed(state)) return;
    if (IsForced(table)) {
        table.dialogs.Information(
            "You cannot end this hand now, because you must \n\rmeld the top card of the pile. "
            "(You are 'forced').");
        return;
    }
    table.SendToken(kTokenHandOver);
    state.EndHandRequested = 1;
    table.flow->EndOfHandCheck();
}

}  // namespace tavolex
