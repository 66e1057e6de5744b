#include "scripted_opponent.h"

#include "game/status_texts.h"
#include "table/deal.h"

namespace tavolex::test {

namespace {

void DrawCards(Table& table) {
    GameState& state = table.state;
    int drawn = 0;
    while (drawn < state.Rules.NumberOfCards && !state.Stock.Empty())
        if (DealToOpponent(table, *PopCard(state.Stock))) ++drawn;
    if (state.Stock.Empty()) {
        state.StockExhausted = 1;
        table.view.ShowEndHandButton(true);
    }
}

void DiscardFirstCard(Table& table) {
    GameState& state = table.state;
    for (int i = 0; i < state.OpponentHand.count; ++i) {
        if (IsRedThree(state.OpponentHand.cards[i].cardId)) continue;
        CardRecord card = *RemoveCardAt(state.OpponentHand, +1, i, true, 0);
        card.x = table.layout.LeftMargin;
        card.y = table.layout.DiscardTop;
        card.faceUp = 1;
        if (IsWildRank(card.rank)) state.PileFrozen = 1;
        PushCard(state.DiscardPile, card);
        return;
    }
}

}  // namespace

void ScriptedOpponent::PlayTurn(Table& table) {
    GameState& state = table.state;
    ++turnsPlayed;
    state.PlayerMeldedBefore = table.CurrentMeldValue();
    if (state.Stock.Empty()) {
        state.EndHandRequested = 1;
    } else {
        DrawCards(table);
        state.OpponentPhase = 1;
        DiscardFirstCard(table);
    }
    table.flow->EndOfHandCheck();
    state.OpponentMeldedBefore = state.OpponentMeldPoints;
    state.PlayerLocked = 0;
    table.SetPrompt(kPromptDraw);
    state.OpponentPhase = kOpponentIdle;
}

}  // namespace tavolex::test
