// The Beginner: its initial meld, an opening from a pile of one card, canasta building, going
// out with wild cards and an empty hand at the discard.
#include "computer/beginner.h"

#include <gtest/gtest.h>

#include <string>

#include "computer/beginner_parts.h"
#include "computer/canasta_check.h"
#include "computer/census.h"
#include "computer/computer_hand.h"
#include "level_table.h"

namespace tavolex {
namespace {

using test::Names;

const char* const kAceCanasta = "spadea cluba diamonda hearta spadea cluba diamonda";
const char* const kAces = "spadea cluba diamonda";

class BeginnerTable : public ::testing::Test, protected test::LevelTable {
  protected:
    BeginnerTable() : LevelTable(kBeginner) {}
    std::string Discard(const test::Position& position) {
        return Chosen(BeginnerChooseDiscard(Build(position)));
    }
};

TEST_F(BeginnerTable, TheInitialMeldLaysThePairsFirstThenTriplesUntilTheMinimum) {
    game.state().Rules.NaturalPair = 0;
    // 120: the aces with the joker make 90, the nines 30 more; the sevens are not needed.
    TurnContext& turn =
        Build({.opponentHand = "heart9 club9 spade9 hearta spadea joker club7 heart7 spade7 heart4",
               .opponentScore = 3000});
    MakeInitialMeld(turn);
    EXPECT_EQ(Names(game.state().OpponentHand), "club7 heart7 spade7 heart4");
    EXPECT_EQ(game.state().OpponentMeldPoints, 120);
}

TEST_F(BeginnerTable, AnEmptyHandAtTheDiscardAsksTheProgramToClose) {
    EXPECT_EQ(BeginnerChooseDiscard(Build({.opponentMelds = kAces})).handIndex, -1);
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].kind, "error");
    EXPECT_EQ(game.dialogs.messages[0].text, "No card left to discard.");
    EXPECT_TRUE(game.view.closed);
}

TEST_F(BeginnerTable, GoingOutWithWildsKeepsOneToDiscardWhenNothingElseIsLeft) {
    GoOutWithWilds(Build({.opponentHand = "heart4 club4 spade8 club8 joker joker spade2",
                          .opponentMelds = std::string(kAceCanasta) + " | spade9 club9 heart9"}));
    CardCensus(game.table);
    EXPECT_EQ(Names(game.state().OpponentHand), "spade2");
    EXPECT_EQ(game.state().OpponentMeldCount[3], 3);
    EXPECT_EQ(game.state().OpponentMeldCount[7], 3);
}

// Every card of the hand would go into the 120 points of the opening, with nothing more to come
// from a pile of one card: the pile stays. A second card under the top one would be the discard.
TEST_F(BeginnerTable, AnOpeningFromAPileOfOneCardMustLeaveACardInHand) {
    game.state().Rules.NaturalPair = 0;
    const char* hand =
        "spade4 heart4 diamond4 spade4 diamondb clubb heart2 spade7 diamond7 heart2 "
        "diamond5 spade5 heart5 club5 spade5";
    EXPECT_FALSE(BeginnerShouldTakePile(
        Build({.opponentHand = hand, .discardPile = "club4", .opponentScore = 3000})));
    EXPECT_TRUE(BeginnerShouldTakePile(
        Build({.opponentHand = hand, .discardPile = "heart9 club4", .opponentScore = 3000})));
}

TEST_F(BeginnerTable, BuildCanastasNeverLaysAFourthWildCardAndLeavesACard) {
    // Four with a joker would need three more wild cards.
    BuildCanastas(Build({.opponentHand = "joker joker joker heart4 club7",
                         .opponentMelds = "spadeh clubh diamondh joker"}));
    EXPECT_EQ(game.state().OpponentHand.count, 5);
    // Four naturals take them, but not when that empties the hand.
    BuildCanastas(Build(
        {.opponentHand = "joker joker joker", .opponentMelds = "spadeh clubh diamondh hearth"}));
    EXPECT_EQ(game.state().OpponentHand.count, 3);
    BuildCanastas(Build({.opponentHand = "joker joker joker heart4",
                         .opponentMelds = "spadeh clubh diamondh hearth"}));
    EXPECT_EQ(Names(game.state().OpponentHand), "heart4");
    EXPECT_EQ(game.state().OpponentTally.canastaCount, 1);
}

}  // namespace
}  // namespace tavolex
