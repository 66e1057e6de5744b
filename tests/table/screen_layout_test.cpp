// Changing the window size in the middle of a hand: every card keeps its column and its place
// inside the column, and cards placed afterwards line up with them.
#include "table/screen_layout.h"

#include <gtest/gtest.h>

#include "position.h"
#include "table/turn.h"

namespace tavolex {
namespace {

using test::BuildPosition;

TEST(ScreenLayout, ColumnPitchAtEachWindowSize) {
    const int pitches[kLayouts] = {45, 56, 72, 90};
    for (int resolution = 0; resolution < kLayouts; ++resolution) {
        HeadlessGame game;
        ApplyScreenLayout(game.table, resolution, DefaultClientWidth(resolution));
        EXPECT_EQ(game.table.layout.ColumnPitch, pitches[resolution]) << resolution;
    }
    // Maximised on a screen exactly 1280 pixels wide, the client area is the whole width.
    HeadlessGame game(1, 3);
    ApplyScreenLayout(game.table, 3, 1280);
    EXPECT_EQ(game.table.layout.ColumnPitch, 91);
}

// A hand in progress with every pile in use: a pending pile take, known cards, a squared
// canasta, red threes on both sides.
void BuildMidHand(HeadlessGame& game) {
    BuildPosition(game, {.playerHand = "club9 diamond9 spade4 joker",
                         .playerMelds = "heart3 | spadea cluba diamonda joker | spadeh clubh "
                                        "diamondh hearth spadeh clubh diamondh",
                         .opponentHand = "heart5 heart6",
                         .opponentMelds = "diamond3 | spade8 club8 heart8",
                         .discardPile = "club5 club6",
                         .stock = "club4",
                         .playerHasDrawn = false});
    GameState& state = game.state();
    PushCard(state.KnownPlayerCards, state.PlayerHand.cards[0]);
    state.PileTakeUndoable = 1;
    state.TakenTopCard = state.PlayerMelds.cards[3];
    SavePlayerTurn(state);
}

// Each card of `now` lies in the column of its counterpart in `was`, as far below the row's
// top; each anchor likewise.
void ExpectSamePlaces(const CardPile& was, const TableLayout& from, int32_t fromTop,
                      const CardPile& now, const TableLayout& to, int32_t toTop) {
    ASSERT_EQ(was.count, now.count);
    for (int i = 0; i < now.count; ++i) {
        EXPECT_EQ(now.cards[i].x, to.ColumnLeft(from.ColumnOf(was.cards[i].x))) << i;
        EXPECT_EQ(now.cards[i].y - toTop, was.cards[i].y - fromTop) << i;
    }
    for (int column = 0; column < kColumns; ++column) {
        EXPECT_EQ(now.anchors[column].x, to.ColumnLeft(column)) << column;
        EXPECT_EQ(now.anchors[column].y - toTop, was.anchors[column].y - fromTop) << column;
    }
}

TEST(ScreenLayout, SwitchingSizesKeepsEveryCardInItsColumnAndPlace) {
    HeadlessGame game(1, 1);
    BuildMidHand(game);
    const GameState was = game.state();
    const TableLayout from = game.table.layout;
    ApplyScreenLayout(game.table, 2, DefaultClientWidth(2));
    const TableLayout& to = game.table.layout;
    const GameState& now = game.state();
    EXPECT_EQ(game.table.Resolution, 2);
    EXPECT_EQ(game.table.LastAppliedResolution, 2);
    EXPECT_EQ(game.view.repaints, 1);

    ExpectSamePlaces(was.PlayerHand, from, from.OwnHandTop, now.PlayerHand, to, to.OwnHandTop);
    ExpectSamePlaces(was.PlayerMelds, from, from.OwnMeldTop, now.PlayerMelds, to, to.OwnMeldTop);
    ExpectSamePlaces(was.OpponentMelds, from, from.OpponentMeldTop, now.OpponentMelds, to,
                     to.OpponentMeldTop);
    // The saved copies moved alike, so an undo after the change lands in the new layout.
    EXPECT_EQ(now.PlayerHandSaved, now.PlayerHand);
    EXPECT_EQ(now.PlayerMeldsSaved, now.PlayerMelds);
    EXPECT_EQ(now.DiscardPileSaved, now.DiscardPile);
    EXPECT_EQ(now.KnownPlayerCards.cards[0], now.PlayerHand.cards[0]);
    EXPECT_EQ(now.TakenTopCard, now.PlayerMelds.cards[3]);
    for (const CardRecord& card : now.Stock) EXPECT_EQ(card.y, to.StockTop);
    for (const CardRecord& card : now.DiscardPile) EXPECT_EQ(card.y, to.DiscardTop);
    EXPECT_EQ(now.OpponentHand, was.OpponentHand);

    // A card drawn now lines up under the four already in the hand.
    const int32_t fourY = now.PlayerHand.cards[test::IndexOf(now.PlayerHand, "spade4")].y;
    DrawFromStock(game.table);
    const CardRecord& drawn = now.PlayerHand.Top();
    EXPECT_EQ(drawn.x, to.ColumnLeft(drawn.rank));
    EXPECT_EQ(drawn.y, fourY + 12);
}

TEST(ScreenLayout, GoingThroughEveryLayoutAndBackRestoresTheTable) {
    HeadlessGame game(1, 1);
    BuildMidHand(game);
    game.table.LastAppliedResolution = 1;
    const GameState was = game.state();
    ApplyScreenLayout(game.table, 1, DefaultClientWidth(1));
    EXPECT_EQ(game.view.repaints, 0);  // already in force
    for (int resolution : {0, 3, 2, 1}) {
        ApplyScreenLayout(game.table, resolution, DefaultClientWidth(resolution));
    }
    EXPECT_EQ(game.view.repaints, 4);
    EXPECT_EQ(game.state(), was);
}

}  // namespace
}  // namespace tavolex
