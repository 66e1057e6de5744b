// The Expert's melding phase: which canastas go down and when, going out, and the match-score
// check that can hold it back.
#include <gtest/gtest.h>

#include <string>

#include "computer/computer_turn.h"
#include "computer/expert_parts.h"
#include "expert_table.h"

namespace tavolex {
namespace {

using test::ExpertTable;
using test::Names;

int MeldColumnSize(ExpertTable& table, int rank) {
    return CountInColumn(table.game.state().OpponentMelds, table.game.table.layout, rank);
}

constexpr int kFive = 4;
constexpr int kNine = 8;
constexpr int kEight = 7;
constexpr int kKing = 12;

TEST(ExpertMelding, NaturalCanastaAlwaysGoesDownOneNeedingAWildCardWaitsOnACalmTurn) {
    ExpertTable table;
    table.Build({.opponentHand = "spade9 club9 diamond9 heart9 spade9 club9 diamond9 "
                                 "spade8 club8 diamond8 heart8 spade8 club8 joker "
                                 "spade4 club6 heartb diamondv",
                 .opponentMelds = "spadev clubv heartv heartv spadev clubv diamondv"});
    ExpertBuildCanastas(table.turn);
    EXPECT_EQ(MeldColumnSize(table, kNine), 7);
    EXPECT_EQ(MeldColumnSize(table, kEight), 0);
    EXPECT_EQ(table.game.state().OpponentTally.canastaCount, 2);

    table.turn.AggressiveTurn = true;
    ExpertBuildCanastas(table.turn);
    EXPECT_EQ(MeldColumnSize(table, kEight), 7);
    EXPECT_EQ(table.game.state().OpponentTally.canastaCount, 3);
    EXPECT_EQ(Names(table.game.state().OpponentHand), "spade4 club6 heartb diamondv");
}

TEST(ExpertMelding, AShortStockMakesTheCanastasWhateverThePlayerHolds) {
    // The eights' meld already holds a joker, so it is no natural canasta to lay at once.
    const test::Position position{
        .opponentHand = "diamond8 heart8 spade8 club8 spade4 club6 heartb diamondv",
        .opponentMelds = "spade8 club8 joker"};
    ExpertTable table;
    table.Build(position);
    table.DealToPlayer(15);
    ExpertMeldPhase(table.turn);
    EXPECT_EQ(MeldColumnSize(table, kEight), 3);

    table.Build(position);
    table.LeaveInStock(5);
    ExpertMeldPhase(table.turn);
    EXPECT_EQ(MeldColumnSize(table, kEight), 7);
    EXPECT_EQ(table.game.state().OpponentTally.canastaCount, 1);
}

// Seven kings leave no wild card for the pair of fives; an eighth king pays for it (the kings go
// down). A lone black three is the card kept to go out; with a single beside it two cards would
// be left.
TEST(ExpertMelding, AggressiveGoingOutKeepsOneCardAndSpendsItsWildCardsOnPairs) {
    const std::string sevenKings = "spadeh clubh diamondh hearth spadeh clubh diamondh ";
    const struct {
        const char* rest;
        const char* left;  // nothing: nothing laid
    } cases[] = {
        {"spade5 club5 heart9", nullptr},
        {"hearth spade5 club5 heart9", "spade5 club5 heart9"},
        {"spade5 club5 joker spade3", "spade3"},
        {"spade5 club5 joker spade3 heart9", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rest);
        ExpertTable table;
        table.turn.AggressiveTurn = true;
        table.Build({.opponentHand = sevenKings + c.rest});
        AggressiveGoOut(table.turn);
        const GameState& state = table.game.state();
        EXPECT_EQ(Names(state.OpponentHand), c.left ? c.left : sevenKings + c.rest);
        EXPECT_EQ(state.OpponentTally.canastaCount, c.left ? 1 : 0);
    }
}

// Going out, the pairs, the black threes and the spare wild cards go down. Black threes go down
// only to go out: not while the canasta is missing, nor while wild cards that no meld has room
// for stay in hand.
TEST(ExpertMelding, GoingOutWithWildsLaysBlackThreesOnlyWhenTheHandGoesOut) {
    const char* hand = "hearth diamondh joker club2 spade3 club3 spade3";
    const std::string queens = "spadev clubv diamondv heartv spadev clubv";
    const struct {
        const char* hand;
        std::string melds;
        bool out;
    } cases[] = {
        {hand, "spade9 club9 diamond9 | " + queens + " diamondv", true},
        {hand, "spade9 club9 diamond9 | " + queens, false},
        {"spade2 club2 spade3 club3 spade3",
         "spade9 club9 joker joker | spadev clubv diamondv heartv joker joker heart2 diamond2",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.melds);
        ExpertTable table;
        table.Build({.opponentHand = c.hand, .opponentMelds = c.melds});
        ExpertGoOutWithWilds(table.turn);
        EXPECT_EQ(MeldColumnSize(table, kRankThree), c.out ? 3 : 0);
        if (!c.out) continue;
        EXPECT_EQ(table.game.state().OpponentHand.count, 0);
        EXPECT_EQ(MeldColumnSize(table, kKing), 3);
        EXPECT_EQ(MeldColumnSize(table, kNine), 4);  // the two went to the lowest open meld
    }
}

TEST(ExpertMelding, LayingOutHoldsBackTwoCardsForEachKept) {
    const test::Position position{
        .opponentHand = "spade9 club9 diamond9 spade8 club8 diamond8 heart4",
        .opponentMelds = "spadev clubv diamondv heartv spadev clubv diamondv"};
    ExpertTable table;
    table.Build(position);
    ExpertMeldAllForOut(table.turn, 1);
    EXPECT_EQ(Names(table.game.state().OpponentHand), "spade8 club8 diamond8 heart4");

    table.Build(position);
    ExpertMeldAllForOut(table.turn, 0);
    EXPECT_EQ(Names(table.game.state().OpponentHand), "heart4");
}

// Before the initial meld nothing goes down short of the minimum: 110 points of fives with a
// joker and two twos, or the kings and queens (60), open at 50 but not at 120.
TEST(ExpertMelding, BeforeTheInitialMeldOnlyWhatReachesTheMinimumGoesDown) {
    const test::Position canasta{
        .opponentHand = "spade5 club5 heart5 diamond5 joker spade2 club2 heart9 club10 heartb"};
    const test::Position triples{.opponentHand =
                                     "spadeh clubh hearth spadev clubv heartv heart4 "
                                     "club6 spade8 diamond9 heartb club10 diamond5 "
                                     "heart7"};
    for (const int score : {3000, 0}) {
        SCOPED_TRACE(score);
        const int expected = score == 0 ? 1 : 0;
        ExpertTable table;
        test::Position position = canasta;
        position.opponentScore = score;
        table.Build(position);
        ExpertBuildCanastas(table.turn);
        EXPECT_EQ(MeldColumnSize(table, kFive), 7 * expected);

        position = triples;
        position.opponentScore = score;
        table.Build(position);
        ExpertMeldAllForOut(table.turn, 1);
        EXPECT_EQ(table.game.state().OpponentMeldPoints, 60 * expected);
    }
}

TEST(ExpertMelding, CanastasReachableSpendsTheWildCardsOnTheLargestGroupsFirst) {
    ExpertTable table;
    table.Build({.opponentHand = "spade9 club9 diamond9 heart9 spade9 "
                                 "spade8 club8 diamond8 heart8 joker club2 heart2 spadea"});
    int used = 0;
    EXPECT_EQ(CanastasReachable(table.turn, used), 1);
    EXPECT_EQ(used, 3 + 5);  // the wild cards and the nines

    table.Build({.opponentHand = "spade9 club9 diamond9 heart9 spade9 club9 diamond9 heart9 "
                                 "spade8 club8 diamond8 heart8 joker club2 spadea"});
    EXPECT_EQ(CanastasReachable(table.turn, used), 2);  // the eighth nine pays for the eights
    EXPECT_EQ(used, 2 + 8 + 4);
}

// The player 4700 with one canasta and 250 in melds; the computer 3000 with one canasta and 400.
test::Position CloseToTheMatchEnd(int playerScore) {
    return {.playerHand =
                "spade5 club5 diamond5 heart5 spade5 club5 spade6 club6 heart6 spade7 "
                "club7 diamond7 heart7 spadeb clubb diamondb heartb diamondv heartv "
                "diamond10",
            .playerMelds =
                "spadeh clubh diamondh hearth spadeh clubh joker | spadea cluba joker "
                "| spade10 club10 diamond10 heart10 spade10",
            .opponentHand = "spade6 club6 diamond6 heart7",
            .opponentMelds =
                "spadev clubv diamondv heartv spadev clubv joker | "
                "spadea hearta diamonda cluba joker | spade2 club2 spade8 club8 "
                "diamond8 | spade9 club9 diamond9 heart9 spade9 club9 | "
                "diamond4 heart4 spade4 club4 diamond4 heart4",
            .playerScore = playerScore,
            .opponentScore = 3000};
}

TEST(ExpertMelding, ScoreCheckHoldsBackGoingOutThatWouldHandThePlayerTheMatch) {
    ExpertTable table;
    table.Build(CloseToTheMatchEnd(4700));
    EXPECT_FALSE(ScoreCheck(table.game.table));  // 5250 against 3700
    ExpertMeldPhase(table.turn);
    EXPECT_EQ(Names(table.game.state().OpponentHand), "spade6 club6 diamond6 heart7");

    table.Build(CloseToTheMatchEnd(4400));
    EXPECT_TRUE(ScoreCheck(table.game.table));  // 4950 stays below 5000
    ExpertMeldPhase(table.turn);
    EXPECT_EQ(Names(table.game.state().OpponentHand), "heart7");

    table.Build(CloseToTheMatchEnd(4700));
    table.game.state().OpponentScore = 5000;
    EXPECT_TRUE(ScoreCheck(table.game.table));  // 5250 against 5700
}

}  // namespace
}  // namespace tavolex
