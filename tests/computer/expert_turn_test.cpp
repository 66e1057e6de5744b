// Whole hands with the Expert on the opponent's side: whatever it decides, every card of the
// pack stays in exactly one place after each of its turns.
#include <gtest/gtest.h>

#include <string>

#include "computer/computer_turn.h"
#include "position.h"
#include "table/deal.h"
#include "table/turn.h"

namespace tavolex {
namespace {

// The Expert, with the pack checked after each of its turns.
class CheckedExpert : public OpponentPlayer {
  public:
    explicit CheckedExpert(HeadlessGame& game) : game_(game) {}
    void PlayTurn(Table& table) override {
        expert_.PlayTurn(table);
        ++turns;
        const std::string problem = test::CheckPackInvariant(game_);
        if (!problem.empty() && firstProblem.empty())
            firstProblem = "after turn " + std::to_string(turns) + ": " + problem;
    }

    int turns = 0;
    std::string firstProblem;

  private:
    HeadlessGame& game_;
    ComputerOpponent expert_;
};

// The player's side with no judgement: draws and discards the first card it may, and ends the
// hand once the stock is gone.
void PlayPlainPlayerTurn(Table& table) {
    GameState& state = table.state;
    if (state.StockExhausted) {
        EndHandPressed(table);
        return;
    }
    DrawFromStock(table);
    for (int i = 0; state.HasDrawn && i < state.PlayerHand.count; ++i) DiscardFromHand(table, i);
}

void PlaySeededHands(uint32_t seed, const RuleOptions& rules) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    HeadlessGame game(seed);
    game.state().Rules = rules;
    game.table.ComputerLevel = kExpert;
    CheckedExpert expert(game);
    game.table.opponent = &expert;
    DealHand(game.table, true);
    for (int turn = 0; turn < 400 && expert.firstProblem.empty(); ++turn) {
        const GameState before = game.state();
        PlayPlainPlayerTurn(game.table);
        if (game.state() == before) break;  // the player is forced to take the pile
    }
    EXPECT_EQ(expert.firstProblem, "");
    EXPECT_GT(expert.turns, 30);
    EXPECT_FALSE(game.view.closed);
    EXPECT_FALSE(game.dialogs.scorings.empty());
}

TEST(ExpertSeededHands, EveryCardStaysAccountedForTurnAfterTurn) {
    for (uint32_t seed = 1; seed <= 4; ++seed) PlaySeededHands(seed, RuleOptions{});
    for (uint32_t seed = 5; seed <= 8; ++seed) PlaySeededHands(seed, HoyleRules());
}

}  // namespace
}  // namespace tavolex
