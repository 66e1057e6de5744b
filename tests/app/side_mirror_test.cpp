// The sides changing places for a computer playing the player's side, and what the audit of a
// turn counts as lay-downs the player would be refused.
#include "app/cli/side_mirror.h"

#include <gtest/gtest.h>

#include "app/cli/lay_down_audit.h"
#include "position.h"

namespace tavolex::cli {
namespace {

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

void RememberTakenCards(GameState& state) {
    PushCard(state.KnownPlayerCards, state.PlayerHand.cards[0]);
    PushCard(state.KnownOpponentCards, state.OpponentHand.cards[2]);
}

TEST(SideMirror, TheComputerSeesThePlayersSideAsItsOwnAndAllIsRestoredAfterwards) {
    HeadlessGame game;
    BuildPosition(game, kMidHand);
    RememberTakenCards(game.state());
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
        EXPECT_EQ(Names(state.PlayerHand), Names(before.OpponentHand));
        EXPECT_EQ(state.PlayerHand.cards[0].x, layout.ColumnLeft(state.PlayerHand.cards[0].rank));
        // The canasta of sevens now lies on the opponent's canasta row, still in its column.
        EXPECT_EQ(CountInColumn(state.OpponentMelds, layout, kSevenColumn), 7);
        EXPECT_EQ(state.OpponentMelds.cards[0].y, layout.OpponentMeldTop - kCardStep);
        EXPECT_EQ(state.OpponentTally, before.PlayerTally);
        EXPECT_EQ(state.PlayerTally, before.OpponentTally);
        EXPECT_EQ(state.OpponentScore, 1200);
        EXPECT_EQ(state.PlayerScore, 3100);
        // Sevens, two jokers and aces; the red three counts nothing.
        EXPECT_EQ(state.OpponentMeldPoints, 6 * 5 + 50 + 3 * 20);
        EXPECT_EQ(state.PlayerMinimum, 120);
        EXPECT_EQ(Names(state.KnownPlayerCards), Names(before.KnownOpponentCards));
        EXPECT_EQ(Names(state.KnownOpponentCards), Names(before.KnownPlayerCards));
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
