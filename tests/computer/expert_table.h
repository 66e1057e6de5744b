// A table set for one of the Expert's turns, so a test can call a single decision of it.
#pragma once

#include "computer/computer_turn.h"
#include "game/scoring.h"
#include "position.h"

namespace tavolex::test {

struct ExpertTable {
    explicit ExpertTable(const RuleOptions& rules = {}) { game.state().Rules = rules; }

    // Builds the position and hands the computer its turn, as the game flow does.
    void Build(const Position& position) {
        BuildPosition(game, position);
        GameState& state = game.state();
        game.table.ComputerLevel = kExpert;
        game.table.opponent = &opponent;
        state.PlayerLocked = 1;
        state.OpponentPhase = 0;
        state.Prompt = 8;
        turn.MeldMinimum = MinimumForScore(state.OpponentScore);
    }

    // Moves cards from the top of the stock into the player's hand: a position later in the
    // hand without naming every card.
    void DealToPlayer(int count) {
        GameState& state = game.state();
        for (int i = 0; i < count && !state.Stock.Empty(); ++i) {
            CardRecord card = *PopCard(state.Stock);
            card.faceUp = 1;
            PlaceInColumn(state.PlayerHand, true, false, card);
            PushCard(state.PlayerHand, card);
        }
        state.StockExhausted = state.Stock.Empty();
        game.table.CountColumns();
    }

    // Leaves that many cards in the stock.
    void LeaveInStock(int count) { DealToPlayer(game.state().Stock.count - count); }

    HeadlessGame game;
    ComputerOpponent opponent;
    TurnContext turn{game.table};
};

}  // namespace tavolex::test
