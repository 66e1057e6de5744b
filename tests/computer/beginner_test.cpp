// The Beginner: its pile decision with the top card counted once, its opening, canasta building
// and discard choice, and a whole turn from a position.
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

using test::Live;
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

// Queens: two in hand, the top card and one lower in the pile make n = 4 (the top card counted
// once), so two wild cards (4 + 2 < 7) are not enough and three are. The aces open.
TEST_F(BeginnerTable, TheTopCardCountsOnceTowardsTheCanastaInView) {
    TurnContext& two = Build({.opponentHand = "heartv spadev joker joker spadea cluba hearta",
                              .discardPile = "clubv heart8 diamondv"});
    const std::vector<CardRecord> handBefore = Live(game.state().OpponentHand);
    EXPECT_FALSE(BeginnerShouldTakePile(two));
    EXPECT_EQ(Live(game.state().OpponentHand), handBefore);  // the copy is gone, nothing moved
    TurnContext& three =
        Build({.opponentHand = "heartv spadev joker joker joker spadea cluba hearta",
               .discardPile = "clubv heart8 diamondv"});
    EXPECT_TRUE(BeginnerShouldTakePile(three));
}

// Fives on top and in hand (15 points) and the kings' pair with a joker open. Kings, two in
// hand and two in the pile, are in view with three wild cards, but not with the opening's joker
// set aside.
TEST_F(BeginnerTable, ATargetHeldTwiceIsRecheckedWithoutTheOpeningsWildCards) {
    game.state().Rules.NaturalPair = 0;
    TurnContext& turn =
        Build({.opponentHand = "heart5 spade5 hearth spadeh joker joker joker club7 spade9",
               .discardPile = "clubh diamondh heart8 club5"});
    EXPECT_FALSE(BeginnerShouldTakePile(turn));
    PutTopCardCopyInHand(game.table, game.state().DiscardPile.Top());
    CardCensus(game.table);
    int target = 0;
    EXPECT_FALSE(CanastaCandidateStands(turn, 4, 1, &target));
    EXPECT_EQ(target, 12);
    EXPECT_TRUE(CanastaCandidateStands(turn, 4, 0));
    // A fourth wild card makes 4 - 1 + 4 = 7.
    TurnContext& more =
        Build({.opponentHand = "heart5 spade5 hearth spadeh joker joker joker club2 spade9",
               .discardPile = "clubh diamondh heart8 club5"});
    EXPECT_TRUE(BeginnerShouldTakePile(more));
}

TEST_F(BeginnerTable, WithoutTopCardCountsTheMinimumIsRaisedEvenWhenThePileStays) {
    game.state().Rules.TopCardCounts = 0;
    TurnContext& turn =
        Build({.opponentHand = "heart4 club7 spade9 diamond10", .discardPile = "club5 hearth"});
    EXPECT_FALSE(BeginnerShouldTakePile(turn));
    EXPECT_EQ(turn.MeldMinimum, 60);
}

TEST_F(BeginnerTable, WithEnoughCanastasAMeldTakesAPileOfThreeButNotOfTwo) {
    const std::string melds = std::string(kAceCanasta) + " | spadeh clubh diamondh";
    EXPECT_FALSE(BeginnerShouldTakePile(Build(
        {.opponentHand = "heart4 club7", .opponentMelds = melds, .discardPile = "club6 hearth"})));
    EXPECT_TRUE(BeginnerShouldTakePile(Build({.opponentHand = "heart4 club7",
                                              .opponentMelds = melds,
                                              .discardPile = "club10 club6 hearth"})));
}

TEST_F(BeginnerTable, NaturalPairNeverCountsAPairWithAWildCard) {
    TurnContext& turn = Build({.opponentHand = "hearta spadea joker heart4 club7 spade9"});
    int wild = -1;
    EXPECT_FALSE(OpeningReachable(turn, wild));
    EXPECT_EQ(wild, 0);
    game.state().Rules.NaturalPair = 0;
    EXPECT_TRUE(OpeningReachable(turn, wild));  // 40 + 50
    EXPECT_EQ(wild, 1);
}

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

TEST_F(BeginnerTable, TheDiscardIsASingletonThePlayerCannotUseElseAThree) {
    EXPECT_EQ(Discard({.opponentHand = "spade9 heart5 club9 club3", .opponentMelds = kAces}),
              "heart5");
    EXPECT_EQ(Discard({.opponentHand = "heart5 club3 spade3", .opponentMelds = kAces}), "club3");
    EXPECT_EQ(Discard({.playerMelds = "spade5 club5 diamond5",
                       .opponentHand = "heart5 club9",
                       .opponentMelds = kAces}),
              "club9");
}

TEST_F(BeginnerTable, SixKingsOfThePlayersAreFrozenAgainstWithAThreeOrATwo) {
    const char* sixKings = "spadeh clubh diamondh hearth spadeh clubh";
    EXPECT_EQ(Discard({.playerMelds = sixKings,
                       .opponentHand = "hearth heart9 spade2 club3 heart4",
                       .opponentMelds = kAces}),
              "club3");
    EXPECT_EQ(Discard({.playerMelds = sixKings,
                       .opponentHand = "hearth heart9 spade2 heart4",
                       .opponentMelds = kAces}),
              "spade2");
    // Already frozen: the usual choice.
    EXPECT_EQ(Discard({.playerMelds = sixKings,
                       .opponentHand = "hearth heart9 spade2 heart4",
                       .opponentMelds = kAces,
                       .pileFrozen = true}),
              "heart4");
}

TEST_F(BeginnerTable, AnEmptyHandAtTheDiscardAsksTheProgramToClose) {
    EXPECT_EQ(BeginnerChooseDiscard(Build({.opponentMelds = kAces})).handIndex, -1);
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].kind, "error");
    EXPECT_EQ(game.dialogs.messages[0].text, "No card left to discard.");
    EXPECT_TRUE(game.view.closed);
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

TEST_F(BeginnerTable, GoingOutWithWildsKeepsOneToDiscardWhenNothingElseIsLeft) {
    GoOutWithWilds(Build({.opponentHand = "heart4 club4 spade8 club8 joker joker spade2",
                          .opponentMelds = std::string(kAceCanasta) + " | spade9 club9 heart9"}));
    CardCensus(game.table);
    EXPECT_EQ(Names(game.state().OpponentHand), "spade2");
    EXPECT_EQ(game.state().OpponentMeldCount[3], 3);
    EXPECT_EQ(game.state().OpponentMeldCount[7], 3);
}

// Without the canastas to go out and with nothing more to come into the hand, the last card
// stays for the discard, unless it makes the canasta or its meld would be short without it.
TEST_F(BeginnerTable, TheLastCardStaysForTheDiscardUnlessItMakesTheCanasta) {
    const char* sixes = "heart6 club6 spade6 diamond6";
    Build({.opponentHand = sixes});
    BeginnerMeldRank(game.table, 5);
    EXPECT_EQ(game.state().OpponentHand.count, 1);
    EXPECT_EQ(game.state().OpponentMeldCount[5], 3);
    Build({.opponentHand = sixes});
    game.table.computer.PileStillToCome = 1;  // melding a taken pile's top card
    BeginnerMeldRank(game.table, 5);
    EXPECT_EQ(game.state().OpponentHand.count, 0);
    Build({.opponentHand = "club6 heart6", .opponentMelds = "spade6 diamond6 heart6 joker joker"});
    BeginnerMeldRank(game.table, 5);
    EXPECT_EQ(game.state().OpponentHand.count, 0);
    EXPECT_EQ(game.state().OpponentTally.canastaCount, 1);
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

// Going out, the wild cards fill the nines (two naturals and a joker take one more), then the
// canastas by the room each has: the fives (four naturals, three wild cards) one, the aces the
// rest. None ever outnumbers its meld's naturals.
TEST_F(BeginnerTable, GoingOutTheWildCardsNeverOutnumberAMeldsNaturals) {
    GoOutWithWilds(
        Build({.opponentHand = "joker spade2 club2 heart2 heart4",
               .opponentMelds =
                   "spade5 club5 heart5 diamond5 joker joker spade2 | spade9 club9 joker | " +
                   std::string(kAceCanasta)}));
    const GameState& state = game.state();
    CardCensus(game.table);
    EXPECT_EQ(Names(state.OpponentHand), "heart4");
    EXPECT_EQ(state.OpponentMeldCount[4], 8);
    EXPECT_EQ(state.OpponentMeldCount[8], 4);
    EXPECT_EQ(state.OpponentMeldCount[13], 9);
}

TEST_F(BeginnerTable, AWholeTurnTakesThePileOnlyWithAnOpeningThatReachesTheMinimum) {
    Build({.opponentHand = "heartv spadev joker joker joker heart4 club7 spade9",
           .discardPile = "clubv heart8 diamondv",
           .stock = "heart10"});
    PlayTurn();
    EXPECT_EQ(game.state().DiscardPile.count, 4);
    EXPECT_EQ(game.state().OpponentMeldedBefore, 0);

    Build({.opponentHand = "heartv spadev joker joker joker spadea cluba hearta heart4",
           .discardPile = "clubv heart8 diamondv"});
    PlayTurn();
    const GameState& state = game.state();
    EXPECT_EQ(Names(state.OpponentHand), "heart8");
    EXPECT_EQ(Names(state.DiscardPile), "heart4");
    EXPECT_EQ(state.OpponentTally.canastaCount, 1);
    EXPECT_EQ(state.OpponentMeldedBefore, 40 + 150 + 60);
    EXPECT_EQ(state.PlayerLocked, 0);
    EXPECT_EQ(state.OpponentPhase, kOpponentIdle);
}

}  // namespace
}  // namespace tavolex
