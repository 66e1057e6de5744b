// The Expert's melding phase: the canastas a short stock makes, and the match-score check that
// can hold going out back.
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

constexpr int kEight = 7;

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
