// Seeded hands played through with each level on the computer's side, the rule options varied
// by the seed: every card stays accounted for after every move, no error is shown, and the
// computer's side scores.
#include <gtest/gtest.h>

#include "computer/computer_turn.h"
#include "position.h"
#include "table/deal.h"
#include "table/turn.h"

namespace tavolex {
namespace {

// The player's side for a long run: draws, discards its first card, ends the hand when the
// stock is empty. It never melds, so the computer's side decides every hand.
void PlayPlayerTurn(HeadlessGame& game) {
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
void PlaySeededHands(uint8_t level, uint32_t seed, int hands) {
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
        ASSERT_EQ(test::CheckPackInvariant(game), "") << "seed " << seed << " move " << moves;
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

TEST(SeededHands, EveryLevelPlaysThroughWithoutAFault) {
    for (const uint8_t level : {kBeginner, kAdvanced, kExpert}) {
        for (uint32_t seed = 1; seed <= 30; ++seed) PlaySeededHands(level, seed, 6);
    }
}

}  // namespace
}  // namespace tavolex
