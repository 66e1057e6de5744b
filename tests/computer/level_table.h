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
#include "table/deal.h"
#include "table/turn.h"

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
    // A warning or error box was shown.
    bool ErrorShown() const {
        for (const HeadlessDialogs::Message& message : game.dialogs.messages)
            if (message.kind != "information") return true;
        return false;
    }

    HeadlessGame game;
    ComputerOpponent opponent;
    uint8_t level;
    std::optional<TurnContext> context;
};

// The player's side for a long run: draws, discards its first card, ends the hand when the
// stock is empty. It never melds, so the computer's side decides every hand.
inline void PlayPlayerTurn(HeadlessGame& game) {
    GameState& state = game.state();
    if (!state.HasDrawn) {
        if (state.Stock.Empty()) {
            EndHandPressed(game.table);
            return;
        }
        DrawFromStock(game.table);
        if (!state.HasDrawn) return;
    }
    DiscardFromHand(game.table, 0);
}

// Plays seeded hands with the level on the computer's side; every card stays accounted for
// after every move, and no internal error is ever shown.
inline void PlaySeededHands(uint8_t level, uint32_t seed, int hands) {
    HeadlessGame game(seed);
    ComputerOpponent opponent;
    game.table.ComputerLevel = level;
    game.table.opponent = &opponent;
    game.state().Rules.NumberOfCanastas = seed % 2 + 1;
    game.state().Rules.NumberOfCards = seed % 3 == 0 ? 2 : 1;
    game.state().Rules.AddToCanasta = seed % 3 != 0;
    game.state().Rules.WildcardCanasta = seed % 3 != 0;
    game.state().Rules.NaturalPair = seed % 2;
    game.state().Rules.CanastaRequired = seed % 4 == 1;
    game.state().Rules.TopCardCounts = seed % 5 != 2;
    StartNewGame(game.table);
    int moves = 0;
    while (game.dialogs.scorings.size() < static_cast<size_t>(hands)) {
        ASSERT_LT(++moves, 4000) << "seed " << seed << ": the hand does not end";
        ASSERT_EQ(game.state().PlayerLocked, 0) << "seed " << seed;
        PlayPlayerTurn(game);
        ASSERT_EQ(CheckPackInvariant(game), "") << "seed " << seed << " move " << moves;
        ASSERT_FALSE(game.view.closed) << "seed " << seed;
        for (const HeadlessDialogs::Message& message : game.dialogs.messages)
            ASSERT_EQ(message.kind, "information") << "seed " << seed << ": " << message.text;
    }
    // The computer's side scored: it melded and went out in these hands.
    bool computerScored = false;
    for (const ScoringInfo& scoring : game.dialogs.scorings)
        if (scoring.opponentTotal > 0) computerScored = true;
    EXPECT_TRUE(computerScored) << "seed " << seed;
}

}  // namespace tavolex::test
