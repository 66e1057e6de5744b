#include "scripted_opponent.h"

#include "game/status_texts.h"

namespace tavolex::test {

namespace {

void DrawCards(Table& table) {
    GameState& state = table.state;
    int drawn = 0;
    while (drawn < state.Rules.NumberOfCards && !state.Stock.Empty()) {
        CardRecord card = *PopCard(state.Stock);
        if (IsRedThree(card.cardId)) {
            card.faceUp = 1;
            PlaceInColumn(state.OpponentMelds, false, false, card);
            PushCard(state.OpponentMelds, card);
            continue;
        }
        card.x = table.layout.LeftMargin + state.HandOverlap * state.OpponentHand.count;
        card.y = 5;
        card.faceUp = state.OpponentFaceUp;
        PushCard(state.OpponentHand, card);
        ++drawn;
    }
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
