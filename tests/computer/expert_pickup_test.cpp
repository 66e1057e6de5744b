// The Expert's pick-up: when it takes the discard pile and when it denies it, and the melds a
// taken pile's top card makes.
#include <gtest/gtest.h>

#include "computer/computer_hand.h"
#include "computer/expert_parts.h"
#include "computer/expert_table.h"

namespace tavolex {
namespace {

using test::ExpertTable;
using test::Names;

constexpr int kFive = 4;  // rank codes
constexpr int kNine = 8;

// One canasta to make: a pile the tests on the top card would take stays while 68 or more cards
// are left in the stock, unless the computer is holding its black threes.
TEST(ExpertPileDecision, WithOneCanastaToMakeAnEarlyPileStays) {
    ExpertTable table;
    const test::Position position{
        .opponentHand = "spade9 club9 diamond9 joker joker spade2 heart5 club6",
        .opponentMelds = "spadeh clubh diamondh",
        .discardPile = "spade4 heart9"};
    table.Build(position);
    table.LeaveInStock(68);
    EXPECT_FALSE(ExpertShouldTakePile(table.turn));
    table.game.table.computer.HoldThrees = 1;
    EXPECT_TRUE(ExpertShouldTakePile(table.turn));

    table.Build(position);
    table.LeaveInStock(67);
    EXPECT_TRUE(ExpertShouldTakePile(table.turn));
}

// 25 cards in the computer's hand, 15 in the player's and 20 in the pile: the pile is worth
// denying. A computer that can spare its joker freezes the pile with it rather than take it.
TEST(ExpertPileDecision, APileWorthDenyingIsFrozenWithASpareWildCardInstead) {
    const std::string hand =
        "spade8 club8 spadeh clubh diamondh spade4 heart4 club5 diamond5 spade6 heart6 club7 "
        "diamond7 spade9 heart9 club10 diamond10 spadeb heartb clubv diamondv spadea hearta club4 ";
    const test::Position position{
        .playerHand =
            "diamond8 club8 spadeh clubh spade4 heart4 heart5 diamond5 spade6 heart6 "
            "club7 diamond7 club10 diamond10 spadeb",
        .opponentHand = hand + "joker",
        .discardPile =
            "diamond4 heart5 club6 spade7 diamond9 spade10 clubb heartv hearth spade5 "
            "club9 diamonda heart10 spadev diamond6 club5 heart7 diamondb spade9 heart8"};
    ExpertTable table;
    table.Build(position);
    EXPECT_TRUE(DenyPileTest(table.turn));
    EXPECT_FALSE(ExpertShouldTakePile(table.turn));
    // A player about to go out is not held up by a frozen pile.
    table.turn.PlayerAhead = true;
    EXPECT_FALSE(DenyPileTest(table.turn));

    // No wild card to spare: the pile is taken.
    test::Position noWild = position;
    noWild.opponentHand = hand + "heart10";
    ExpertTable plain;
    plain.Build(noWild);
    EXPECT_TRUE(ExpertShouldTakePile(plain.turn));
}

// Two canastas to make and a pile of ten: the top nine makes a pair with the nine in hand, and
// the opening plan gives that pair the joker. Once taken, the pair has had its wild card.
TEST(ExpertPickUp, TheTopCardsPairUsesOneOfThePlannedWildCards) {
    ExpertTable table({.NumberOfCanastas = 2, .InitialBlock = 0, .NaturalPair = 0});
    table.Build({.opponentHand = "heart9 joker joker spadeh clubh diamondh spade5 club6 diamond7",
                 .discardPile = "club4 heart5 diamond6 club7 spade8 heartb spadev clubv spadea "
                                "club9"});
    const ComputerMemory& memory = table.game.table.computer;
    EXPECT_TRUE(ExpertShouldTakePile(table.turn));
    EXPECT_EQ(memory.PlannedWildCount, 1);

    EXPECT_EQ(ExpertPickUp(table.turn), ExpertPickUpResult::TookPile);
    const GameState& state = table.game.state();
    EXPECT_EQ(memory.PlannedWildCount, 0);
    EXPECT_EQ(Names(state.OpponentMelds), "club9 heart9 joker");
    EXPECT_EQ(state.OpponentMeldPoints, 70);
    EXPECT_TRUE(state.DiscardPile.Empty());
    EXPECT_EQ(state.OpponentHand.count, 16);
    EXPECT_EQ(memory.PileMakesCanasta, 0);
}

// The sixes and the fives (30 points) need 90 more from the twos: three go on the sixes, which
// then hold as many wild cards as naturals, and two on the fives.
TEST(ExpertPickUp, TheOpeningsWildCardsNeverOutnumberAMeldsNaturals) {
    ExpertTable table;
    table.Build({.opponentHand = "spade5 club5 heart5 spade6 club6 heart6 spade2 club2 heart2 "
                                 "diamond2 spade2 heart9",
                 .opponentScore = 3000});
    ExpertMakeInitialMeld(table.turn);
    const GameState& state = table.game.state();
    EXPECT_EQ(state.OpponentMeldPoints, 130);
    EXPECT_EQ(WildsInMeld(table.game.table, kFive + 1), 3);
    EXPECT_EQ(WildsInMeld(table.game.table, kFive), 2);
    EXPECT_EQ(Names(state.OpponentHand), "heart9");
}

TEST(ExpertPickUp, WithTheStockGoneOnlyAForcedTopCardIsTaken) {
    const test::Position position{.opponentHand = "spade5 club6 heart7",
                                  .opponentMelds = "spade9 club9 heart9",
                                  .discardPile = "diamond4 heart9"};
    ExpertTable forced;
    forced.Build(position);
    forced.LeaveInStock(0);
    EXPECT_EQ(ExpertPickUp(forced.turn), ExpertPickUpResult::TookPile);
    EXPECT_TRUE(forced.turn.AggressiveTurn);  // always, with an empty stock
    EXPECT_EQ(Names(forced.game.state().DiscardPile), "diamond4");
    EXPECT_EQ(forced.game.state().OpponentMeldCount[kNine], 4);

    test::Position frozen = position;
    frozen.pileFrozen = true;
    ExpertTable over;
    over.Build(frozen);
    over.LeaveInStock(0);
    EXPECT_EQ(ExpertPickUp(over.turn), ExpertPickUpResult::HandOver);
    EXPECT_EQ(over.game.state().EndHandRequested, 1);
    EXPECT_EQ(Names(over.game.state().OpponentHand), "spade5 club6 heart7");
}

}  // namespace
}  // namespace tavolex
