// The must-pass rule: a player left with one card who cannot go out keeps it and passes.
#include <gtest/gtest.h>

#include <string>

#include "game/scoring.h"
#include "game/status_texts.h"
#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::Names;

const char* const kMustPassText =
    "You only have one card left, and not enough Canastas to go out.\r You have to pass the "
    "discard.";

class CountingOpponent : public OpponentPlayer {
  public:
    void PlayTurn(Table&) override { ++turns; }
    int turns = 0;
};

const char* const kSixNines = "spade9 club9 diamond9 spade9 club9 diamond9";
const char* const kCanastaOfKings = "spadeh clubh diamondh hearth spadeh clubh diamondh";

TEST(MustPass, OnlyALastCardThatCannotCompleteACanastaPasses) {
    const struct {
        const char* hand;
        const char* melds;
        int canastasNeeded;
        bool passes;
    } cases[] = {
        {"heart9", kSixNines, 1, false},
        {"heart5", kSixNines, 1, true},
        {"heart9", kSixNines, 2, true},  // no canasta yet, and two are needed
        {"heart9 heart5", kSixNines, 1, false},
        // A wild card completes a canasta only where the naturals stay in the majority.
        {"joker", "spade9 club9 diamond9 spade9 joker club2", 1, false},
        {"joker", "spade9 club9 diamond9 joker club2 heart2", 1, true},
    };
    for (const auto& c : cases) {
        HeadlessGame game;
        game.table.rules().NumberOfCanastas = c.canastasNeeded;
        BuildPosition(game, {.playerHand = c.hand, .playerMelds = c.melds});
        EXPECT_EQ(MustPassTest(game.table), c.passes) << c.hand << " on " << c.melds;
    }
}

TEST(MustPass, ThePlayerKeepsTheCardAndTheOpponentMovesNext) {
    HeadlessGame game;
    CountingOpponent opponent;
    game.table.opponent = &opponent;
    game.table.rules().NumberOfCanastas = 2;
    BuildPosition(game, {.playerHand = "heart9",
                         .playerMelds = std::string(kCanastaOfKings) + " | spade5 club5 diamond5"});
    game.table.undo.Add(game.state().PlayerMelds.Top(), game.table.layout.ColumnPitch);
    ASSERT_TRUE(RunMustPassTest(game.table));
    const GameState& state = game.state();
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].kind + ": " + game.dialogs.messages[0].text,
              std::string("information: ") + kMustPassText);
    EXPECT_EQ(opponent.turns, 1);
    EXPECT_EQ(Names(state.PlayerHand), "heart9");
    EXPECT_TRUE(state.PlayerLocked && state.NothingDrawnYet && !state.HasDrawn);
    EXPECT_EQ(state.Prompt, kPromptOpponentTurn);
    EXPECT_TRUE(game.table.undo.Empty());
}

}  // namespace
}  // namespace tavolex
