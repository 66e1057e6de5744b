// Computer against computer: a seeded run replays exactly and the results add up; the sides
// changing places for a computer playing the player's side; and what the audit of a turn counts
// as lay-downs the player would be refused.
#include <gtest/gtest.h>

#include "app/cli/computer_match.h"
#include "app/cli/lay_down_audit.h"
#include "app/cli/side_mirror.h"
#include "position.h"

namespace tavolex::cli {
namespace {

TEST(ComputerMatch, TheSameSeedPlaysTheSameMatchAndItsPartsAddUp) {
    std::vector<uint64_t> checksums;
    for (int run = 0; run < 2; ++run) {
        HeadlessGame game(21);
        game.table.MeldDelay = 0;
        ComputerMatch match(game, kExpert, kAdvanced);
        ASSERT_FALSE(match.PlayMatches(1));
        const RunTally& tally = match.tally();
        checksums.push_back(tally.checksum);
        EXPECT_EQ(tally.matches, 1);
        EXPECT_EQ(match.side(kPlayerSide).matchesWon + match.side(kOpponentSide).matchesWon, 1);
        EXPECT_GT(match.side(kPlayerSide).turns, 0);
        // The score parts make up the whole margin, and the seams kept no record of the hands.
        double parts = 0;
        for (const RunningMean& part : tally.parts) parts += part.mean;
        EXPECT_NEAR(parts, tally.margin.mean, 1e-6);
        EXPECT_EQ(game.RecordedCount(), 0u);
    }
    EXPECT_EQ(checksums[0], checksums[1]);
}

using test::BuildPosition;
using test::Names;

constexpr int kSevenColumn = 6;

const test::Position kMidHand = {
    .playerHand = "spade9 club9 heart4 joker diamond9",
    .playerMelds =
        "spade7 club7 diamond7 heart7 spade7 club7 joker | heart3 | hearta cluba diamonda",
    .opponentHand = "spade5 club5 heartv diamond2 spade8",
    .opponentMelds = "spadeh clubh spade2 | diamond3",
    .discardPile = "club4 spade6",
    .playerScore = 1200,
    .opponentScore = 3100};

TEST(SideMirror, TheComputerSeesThePlayersSideAsItsOwnAndAllIsRestoredAfterwards) {
    HeadlessGame game;
    BuildPosition(game, kMidHand);
    PushCard(game.state().KnownPlayerCards, game.state().PlayerHand.cards[0]);
    game.table.computer.HoldThrees = 1;
    const GameState before = game.state();
    ComputerMemory playerSide;
    playerSide.DiscardingRank = 9;
    {
        SideMirror mirror(game.table, playerSide);
        const GameState& state = game.state();
        const TableLayout& layout = game.table.layout;
        EXPECT_EQ(Names(state.OpponentHand), Names(before.PlayerHand));
        EXPECT_EQ(state.OpponentHand.cards[1].x, layout.LeftMargin + state.HandOverlap);
        EXPECT_EQ(state.PlayerHand.cards[0].x, layout.ColumnLeft(state.PlayerHand.cards[0].rank));
        // The canasta of sevens now lies on the opponent's canasta row, still in its column.
        EXPECT_EQ(CountInColumn(state.OpponentMelds, layout, kSevenColumn), 7);
        EXPECT_EQ(state.OpponentTally, before.PlayerTally);
        EXPECT_EQ(state.OpponentScore, 1200);
        // Sevens, two jokers and aces; the red three counts nothing.
        EXPECT_EQ(state.OpponentMeldPoints, 6 * 5 + 50 + 3 * 20);
        EXPECT_EQ(state.PlayerMinimum, 120);
        EXPECT_EQ(Names(state.KnownPlayerCards), Names(before.KnownOpponentCards));
        EXPECT_EQ(game.table.computer.DiscardingRank, 9);
    }
    EXPECT_EQ(game.state(), before);
    EXPECT_EQ(game.table.computer.HoldThrees, 1);
    EXPECT_EQ(playerSide.DiscardingRank, 9);
}

// Lays a card on the opponent's side as the computer does: up from the column's anchor.
void LayForOpponent(HeadlessGame& game, const char* name, int column) {
    CardRecord card = MakeCard(*CardIdFromName(name), 1);
    PlaceInColumnAt(game.state().OpponentMelds, false, false, column, card);
    PushCard(game.state().OpponentMelds, card);
    if (!IsRedThree(card.cardId)) game.state().OpponentMeldPoints += card.points;
}

TEST(LayDownAudit, CountsWhatThePlayerWouldBeRefused) {
    HeadlessGame game;
    BuildPosition(game, {.opponentHand = "spade5 club5 heartv", .discardPile = "club4"});
    const LayDownAudit audit(game.table);
    LayForOpponent(game, "spade7", kSevenColumn);
    LayForOpponent(game, "club7", kSevenColumn);
    LayForOpponent(game, "spade8", 7);
    LayForOpponent(game, "joker", 7);
    LayForOpponent(game, "spade2", 7);
    LayForOpponent(game, "club3", kRankThree);
    RefusedLayDowns counts;
    audit.JudgeTurn(game.table, counts);
    EXPECT_EQ(counts.initialMeldBelowMinimum, 0);  // 95 points reach the 50
    EXPECT_EQ(counts.shortColumnAtDiscard, 1);
    EXPECT_EQ(counts.moreWildsThanNaturals, 1);
    EXPECT_EQ(counts.blackThreesWithCardsLeft, 1);

    BuildPosition(game, {.opponentHand = "spade5 club5 heartv", .discardPile = "club4"});
    const LayDownAudit small(game.table);
    for (const char* name : {"spade6", "club6", "heart6"}) LayForOpponent(game, name, 5);
    RefusedLayDowns smallCounts;
    small.JudgeTurn(game.table, smallCounts);
    EXPECT_EQ(smallCounts.initialMeldBelowMinimum, 1);
    EXPECT_EQ(smallCounts.shortColumnAtDiscard, 0);
}

}  // namespace
}  // namespace tavolex::cli
