// Undo Meld and Undo All: cards melded this turn go back to the hand, newest first.
#include "table/undo_meld.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/melds.h"
#include "game/peer_link.h"
#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::ColumnYs;
using test::IndexOf;
using test::Names;

constexpr int kEightColumn = 7;
constexpr int kTenColumn = 9;

const char* const kSixTens = "spade10 spade10 club10 club10 diamond10 diamond10";

TEST(UndoMeld, TheCardGoesBackToItsHandColumnAndThePeerIsTold) {
    HeadlessGame game;
    game.table.NetworkActive = true;
    BuildPosition(game,
                  {.playerHand = "heart4 heart8 heart6", .playerMelds = "spade8 club8 diamond8"});
    GameState& state = game.state();
    MeldCard(game.table, IndexOf(state.PlayerHand, "heart8"));
    game.peer.sent.clear();

    UndoMeld(game.table);

    const TableLayout& layout = game.table.layout;
    EXPECT_EQ(Names(state.PlayerMelds), "spade8 club8 diamond8");
    EXPECT_EQ(state.PlayerMelds.anchors[kEightColumn].y, layout.OwnMeldTop + 3 * kCardStep);
    const CardRecord& back = state.PlayerHand.Top();
    EXPECT_EQ(CardNameOf(back.cardId), "heart8");
    EXPECT_EQ(back.x, layout.ColumnLeft(kEightColumn));
    EXPECT_EQ(back.y, layout.OwnHandTop + kCardStep);
    EXPECT_EQ(Names(state.KnownPlayerCards), "heart8");
    ASSERT_EQ(game.peer.sent.size(), 1u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenUndoMeld);
    EXPECT_EQ(game.peer.sent[0].parameters,
              std::string({static_cast<char>(back.cardId + 32), kEightColumn + 32}));
    EXPECT_FALSE(game.view.undoEnabled);
}

TEST(UndoMeld, TakingBackTheSeventhCardSpreadsTheCanastaAgain) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "heart10 heart4 heart6", .playerMelds = kSixTens});
    MeldCard(game.table, IndexOf(game.state().PlayerHand, "heart10"));
    ASSERT_EQ(game.state().PlayerTally.canastaCount, 1);

    UndoMeld(game.table);

    const TableLayout& layout = game.table.layout;
    std::vector<int> spread;
    for (int row = 1; row <= 6; ++row) spread.push_back(layout.OwnMeldTop + row * kCardStep);
    EXPECT_EQ(game.state().PlayerTally, MeldTally{});
    EXPECT_EQ(ColumnYs(game.state().PlayerMelds, layout, kTenColumn), spread);
    EXPECT_EQ(game.state().PlayerMelds.anchors[kTenColumn].y, spread.back());
    EXPECT_EQ(test::CheckPackInvariant(game), "");
}

TEST(UndoMeld, ACanastaThatStillStandsStaysSquared) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "joker heart4 heart6",
                         .playerMelds = std::string(kSixTens) + " heart10"});
    WildOntoMeld(game.table, kTenColumn, false);
    UndoMeld(game.table);

    const int base = game.table.layout.OwnMeldTop + kCardStep;
    EXPECT_EQ(game.state().PlayerTally.canastaCount, 1);
    EXPECT_EQ(ColumnYs(game.state().PlayerMelds, game.table.layout, kTenColumn),
              std::vector<int>(7, base));
    EXPECT_EQ(game.state().PlayerMelds.anchors[kTenColumn].y, base);
}

TEST(UndoMeld, TakesBackTheCopyMeldedThisTurnNotTheOtherDecksEarlierOne) {
    constexpr int kJackColumn = 10;
    constexpr int kKingColumn = 12;
    HeadlessGame game;
    // The jacks' deuce is the first deck's; the hand holds the second deck's.
    BuildPosition(game, {.playerHand = "club2 heart4 spade6",
                         .playerMelds = "spadeh hearth diamondh clubh spadeh hearth diamondh | "
                                        "clubb spadeb club2"});
    WildOntoMeld(game.table, kKingColumn, false);
    // Squaring the canasta again moved the new deuce before the jacks' one in the pile.
    UndoMeld(game.table);

    const GameState& state = game.state();
    EXPECT_EQ(CountInColumn(state.PlayerMelds, game.table.layout, kJackColumn), 3);
    EXPECT_EQ(CountInColumn(state.PlayerMelds, game.table.layout, kKingColumn), 7);
    const CardRecord& back = state.PlayerHand.cards[IndexOf(state.PlayerHand, "club2")];
    EXPECT_EQ(back.deck, 1);
}

TEST(UndoAll, EveryCardMeldedThisTurnGoesBack) {
    HeadlessGame game;
    game.table.NetworkActive = true;
    BuildPosition(game, {.playerHand = "spade8 club8 joker heart4 heart6"});
    const GameState before = game.state();
    MeldRank(game.table, IndexOf(game.state().PlayerHand, "spade8"), false);
    ASSERT_EQ(Names(game.state().PlayerMelds), "spade8 club8 joker");
    game.peer.sent.clear();

    UndoAll(game.table);

    EXPECT_TRUE(game.state().PlayerMelds.Empty());
    EXPECT_EQ(game.state().PlayerMelds.anchors, before.PlayerMelds.anchors);
    EXPECT_EQ(Names(game.state().PlayerHand), "heart4 heart6 joker club8 spade8");
    EXPECT_EQ(game.state().PlayerHand.anchors, before.PlayerHand.anchors);
    EXPECT_EQ(game.peer.sent.size(), 3u);
    EXPECT_TRUE(game.table.undo.Empty());

    UndoAll(game.table);  // nothing left: no message
    EXPECT_EQ(game.peer.sent.size(), 3u);
}

}  // namespace
}  // namespace tavolex
