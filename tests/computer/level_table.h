// A table set for one of the Beginner's or the Advanced's turns, so a test can call a single
// decision of the level or play the whole turn.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "computer/computer_turn.h"
#include "game/status_texts.h"
#include "position.h"

namespace tavolex::test {

// The cards a pile holds, with their places (the slots beyond the count are not compared).
inline std::vector<CardRecord> Live(const CardPile& pile) {
    return {pile.begin(), pile.end()};
}

struct LevelTable {
    explicit LevelTable(uint8_t level, uint32_t seed = 1) : game(seed), level(level) {}

    // Builds the position and begins the computer's turn as the game flow does.
    TurnContext& Build(const Position& position) {
        BuildPosition(game, position);
        game.table.ComputerLevel = level;
        game.table.opponent = &opponent;
        game.state().Prompt = kPromptOpponentTurn;
        context.emplace(BeginComputerTurn(game.table));
        return *context;
    }
    // The name of the hand card a discard choice names.
    std::string Chosen(const DiscardChoice& choice) {
        if (choice.meldIndex >= 0) return "meld";
        if (choice.handIndex < 0 || choice.handIndex >= game.state().OpponentHand.count)
            return "none";
        return CardNameOf(game.state().OpponentHand.cards[choice.handIndex].cardId);
    }
    // Plays the whole turn the way the game flow starts it.
    void PlayTurn() {
        game.state().PlayerLocked = 1;
        opponent.PlayTurn(game.table);
    }

    HeadlessGame game;
    ComputerOpponent opponent;
    uint8_t level;
    std::optional<TurnContext> context;
};

}  // namespace tavolex::test
