// The Expert's opening plan and the hand and pile tests around it: which plan reaches the
// minimum with fewer wild cards, what the pile's size allows, and what a discard would cost.
#include <gtest/gtest.h>

#include "computer/expert_parts.h"
#include "computer/expert_table.h"

namespace tavolex {
namespace {

using test::ExpertTable;

constexpr int kNine = 8;  // rank code of the nines

TEST(ExpertOpeningPlan, WildCardsGoOnTriplesUnlessPairsNeedFewer) {
    ExpertTable table({.NumberOfCanastas = 2, .NaturalPair = 0});
    table.Build({.opponentHand = "spadeh clubh diamondh spadev clubv joker heart2 spade5 heart7"});
    int wilds = -1;

    // 50: the kings with the joker (plan A) and the queens with it (plan B) both cost one wild
    // card; plan A wins the tie.
    table.turn.MeldMinimum = 50;
    EXPECT_TRUE(OpeningPlanner(table.turn, wilds, kRankJoker, false, false));
    EXPECT_EQ(table.game.table.computer.OpeningPlan, 1);
    EXPECT_EQ(wilds, 1);

    // 90: plan A needs the joker and the two on the kings, plan B only the joker on the queens.
    table.turn.MeldMinimum = 90;
    EXPECT_TRUE(OpeningPlanner(table.turn, wilds, kRankJoker, false, false));
    EXPECT_EQ(table.game.table.computer.OpeningPlan, 2);
    EXPECT_EQ(wilds, 1);
}

TEST(ExpertOpeningPlan, NaturalPairLeavesOnlyPairsWithWildCards) {
    ExpertTable table({.NumberOfCanastas = 2, .NaturalPair = 1});
    table.Build({.opponentHand = "spadeh clubh diamondh spadev clubv joker spade5"});
    int wilds = -1;
    EXPECT_TRUE(OpeningPlanner(table.turn, wilds, kRankJoker, false, false));
    EXPECT_EQ(table.game.table.computer.OpeningPlan, 2);

    // Without the pair nothing reaches 50.
    table.Build({.opponentHand = "spadeh clubh diamondh spadev joker spade5"});
    EXPECT_FALSE(OpeningPlanner(table.turn, wilds, kRankJoker, false, false));
    EXPECT_EQ(table.game.table.computer.OpeningPlan, 0);
}

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

    // A pair without its wild card stays in hand.
    table.Build({.opponentHand = "spade9 club9 heart5"});
    EXPECT_FALSE(CardsLeftAfterMelding(table.turn, left));
    EXPECT_EQ(left, 3);

    // Three black threes go down when going out; a nine joins the meld on the table.
    table.Build({.opponentHand = "diamond9 spade3 club3 spade3 joker",
                 .opponentMelds = "spade9 club9 heart9"});
    EXPECT_TRUE(CardsLeftAfterMelding(table.turn, left));
    EXPECT_EQ(left, 0);
}

TEST(ExpertOpeningPlan, APileMakesACanastaOnlyWhenTheHandCannotAlone) {
    ExpertTable table;
    table.Build({.opponentHand = "spade9 club9 joker joker spade2 heart5",
                 .discardPile = "heart9 spade4 diamond9"});
    EXPECT_TRUE(PileMakesCanastaTest(table.turn));

    table.Build({.opponentHand = "spade9 club9 heart9 diamond9 joker joker spade2",
                 .discardPile = "heart9 spade4 diamond9"});
    EXPECT_FALSE(PileMakesCanastaTest(table.turn));
}

}  // namespace
}  // namespace tavolex
