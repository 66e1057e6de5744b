// The Expert's opening plan: the wild cards the pile's size allows, the cards left after
// melding, and the discards that leave the opening reachable.
#include <gtest/gtest.h>

#include "computer/expert_parts.h"
#include "computer/expert_table.h"

namespace tavolex {
namespace {

using test::ExpertTable;

constexpr int kNine = 8;  // rank code of the nines

// One canasta to make and a minimum of 50: the top nine pairs with the nine in hand and needs
// the joker. From a pile of 10 cards the opening may cost no wild card beyond those the pile
// brings; from a pile of 15 one more is allowed.
TEST(ExpertOpeningPlan, ThePileSizeSetsTheWildCardAllowance) {
    const std::string hand = "spade9 joker spade4 heart6 diamondv clubb spade7 heart9";
    const std::string tenCards = "club4 heart5 diamond6 club7 spade8 heartb spadev clubh spadea ";
    const auto accepted = [&](const std::string& pile) {
        ExpertTable table;
        table.Build({.opponentHand = hand, .discardPile = pile + " heart9"});
        int wilds = -1;
        const bool result = OpeningPlanner(table.turn, wilds, kNine, false, true);
        EXPECT_EQ(wilds, 1);
        return result;
    };
    EXPECT_FALSE(accepted(tenCards));
    EXPECT_TRUE(accepted("club4 heart5 diamond6 club2 spade8 heartb spadev clubh spadea"));
    EXPECT_TRUE(accepted(tenCards + "diamond4 club5 spade6 heart7 diamond8"));
}

TEST(ExpertOpeningPlan, ADiscardMustLeaveTheOpeningReachable) {
    ExpertTable table({.NumberOfCanastas = 2});
    table.Build({.opponentHand = "spadeh clubh diamondh spadev clubv joker"});
    ComputerMemory& memory = table.game.table.computer;
    GameState& state = table.game.state();
    memory.OpeningPlan = 1;
    const std::string hand = test::Names(state.OpponentHand);

    // The queens need the joker; without a king the pair of kings takes it instead.
    EXPECT_FALSE(OpeningSurvivesDiscard(table.turn, kRankJoker));
    EXPECT_FALSE(OpeningSurvivesDiscard(table.turn, 11));
    EXPECT_TRUE(OpeningSurvivesDiscard(table.turn, 12));
    EXPECT_FALSE(OpeningSurvivesDiscard(table.turn, kRankAce));  // not held

    // The trials leave the hand, the plan and the census as they were.
    EXPECT_EQ(test::Names(state.OpponentHand), hand);
    EXPECT_EQ(memory.OpeningPlan, 1);
    EXPECT_EQ(state.OpponentHandCount[12], 3);

    // Once opened, any card may go.
    state.OpponentMeldPoints = 60;
    EXPECT_TRUE(OpeningSurvivesDiscard(table.turn, kRankJoker));
}

TEST(ExpertOpeningPlan, CardsLeftAfterMeldingCountsPairsWildCardsAndBlackThrees) {
    ExpertTable table;
    int left = -1;
    table.Build({.opponentHand = "spade9 club9 joker heart5"});
    EXPECT_TRUE(CardsLeftAfterMelding(table.turn, left));
    EXPECT_EQ(left, 1);

    // Three black threes go down when going out; a nine joins the meld on the table.
    table.Build({.opponentHand = "diamond9 spade3 club3 spade3 joker",
                 .opponentMelds = "spade9 club9 heart9"});
    EXPECT_TRUE(CardsLeftAfterMelding(table.turn, left));
    EXPECT_EQ(left, 0);
}

}  // namespace
}  // namespace tavolex
