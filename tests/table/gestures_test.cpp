// The player's mouse and keys: the left clicks refused, nothing while the opponent moves, and a
// turn played with the keys.
#include "table/gestures.h"

#include <gtest/gtest.h>

#include "game/status_texts.h"
#include "position.h"
#include "scripted_opponent.h"
#include "table/hit_test.h"
#include "table/keyboard.h"
#include "table_records.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::IndexOf;

// A point inside the strip of the card that shows even when it is covered.
struct Point {
    int x;
    int y;
};
Point OnCard(const CardRecord& card) {
    return {card.x + 5, card.y + 5};
}

void Click(HeadlessGame& game, MouseButton button, const CardRecord& card,
           ShiftState shiftState = {}) {
    const Point point = OnCard(card);
    PlayerClick(game.table, button, shiftState, point.x, point.y);
}

const CardRecord& HandCard(HeadlessGame& game, const char* name) {
    return game.state().PlayerHand.cards[IndexOf(game.state().PlayerHand, name)];
}

// The window's own tests click to draw, meld and lay wild cards; here the clicks refused.
TEST(Gestures, LeftClicksRefusedShowTheirErrors) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "joker spade2 heart4 spade6"});
    const TableLayout& layout = game.table.layout;
    PlayerClick(game.table, MouseButton::Left, {}, layout.LeftMargin, layout.StockTop);
    EXPECT_EQ(game.state().ErrorCode, kErrorAlreadyDrawn);
    // A wild card of the hand starts a wild-card canasta only with seven of them.
    Click(game, MouseButton::Left, HandCard(game, "joker"));
    EXPECT_EQ(game.state().ErrorCode, kErrorSevenWildcards);
}

// Nothing happens while the opponent is to move; a spread discard pile folds on any left
// click, even one that hits nothing.
TEST(Gestures, NothingWhileTheOpponentMovesAndASpreadPileFoldsOnAnyLeftClick) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "spade9 club9 diamond9 heart4",
                         .discardPile = "club5 club6 club7",
                         .playerHasDrawn = false});
    game.state().PlayerLocked = 1;
    game.state().GameInProgress = 0;
    const GameState before = game.state();
    const TableLayout& layout = game.table.layout;
    PlayerClick(game.table, MouseButton::Left, {}, layout.LeftMargin, layout.StockTop);
    Click(game, MouseButton::Right, HandCard(game, "heart4"));
    EXPECT_EQ(PlayerKeyDown(game.table, kKeyF8, {}), false);
    EXPECT_EQ(game.state(), before);

    game.state().PlayerLocked = 0;
    game.table.DiscardSpread = 1;
    PlayerClick(game.table, MouseButton::Right, {}, 1, 1);
    EXPECT_EQ(game.table.DiscardSpread, 1);
    PlayerClick(game.table, MouseButton::Left, {}, 1, 1);
    EXPECT_EQ(game.table.DiscardSpread, 0);
}

// A turn played from the keyboard (the window's own tests meld with F8 and a rank key): F6
// draws, F9 and a rank key add a wild card to that meld, F10 and a key discard.
TEST(Keyboard, ATurnPlayedWithTheKeys) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    BuildPosition(game, {.playerHand = "spadeh clubh diamondh heart4 joker joker spade6",
                         .playerMelds = "spade7 club7 diamond7",
                         .discardPile = "club5",
                         .playerHasDrawn = false});
    EXPECT_FALSE(PlayerKeyDown(game.table, 'K', {}));
    // Leaving keyboard play before drawing gives the draw's prompt back (and End Hand with it).
    PlayerKeyDown(game.table, kKeyF8, {});
    PlayerKeyDown(game.table, kKeyEscape, {});
    EXPECT_EQ(game.state().Prompt, kPromptDraw);
    EXPECT_TRUE(PlayerKeyDown(game.table, kKeyF6, {}));
    EXPECT_EQ(game.state().HasDrawn, 1);

    PlayerKeyDown(game.table, kKeyF9, {});
    PlayerKeyDown(game.table, '7', {});
    EXPECT_EQ(CountInColumn(game.state().PlayerMelds, game.table.layout, 6), 4);
    EXPECT_EQ(game.state().Prompt, kPromptKeyWild);

    PlayerKeyDown(game.table, kKeyF10, {});
    PlayerKeyDown(game.table, 'W', {});
    EXPECT_EQ(game.state().DiscardPile.cards[1].cardId, kJokerId);
    // The turn passed: the keyboard prompt is not brought back over the draw's.
    EXPECT_EQ(test::Turn(game.state()), "player draws");
    EXPECT_EQ(ColumnOfRankKey('0'), 9);
    EXPECT_EQ(ColumnOfRankKey('A'), kRankAce);
    EXPECT_EQ(ColumnOfRankKey('X'), std::nullopt);
}

}  // namespace
}  // namespace tavolex
