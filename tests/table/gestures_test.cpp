// The player's mouse and keys: what a point of the table hits, what each gesture does, the
// one- or two-right-click discard and keyboard play.
#include "table/gestures.h"

#include <gtest/gtest.h>

#include "game/status_texts.h"
#include "position.h"
#include "scripted_opponent.h"
#include "table/hit_test.h"
#include "table/keyboard.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::IndexOf;
using test::Names;

constexpr int kNineColumn = 8;

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

TEST(HitTest, ACoveredHandCardIsHitOnlyOnItsStripTheLowestOverItsWholeHeight) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "spade9 club9 diamond9 joker"});
    const TableLayout& layout = game.table.layout;
    const int x = layout.ColumnLeft(kNineColumn) + 10;
    const int top = layout.OwnHandTop + kCardStep;

    EXPECT_EQ(HitTest(game.table, x, top + 11).index, IndexOf(game.state().PlayerHand, "spade9"));
    EXPECT_EQ(HitTest(game.table, x, top + kCardStep + 1).index,
              IndexOf(game.state().PlayerHand, "club9"));
    const Hit lowest = HitTest(game.table, x, top + 2 * kCardStep + layout.CardHeight);
    EXPECT_EQ(lowest.target, HitTarget::HandCard);
    EXPECT_EQ(lowest.index, IndexOf(game.state().PlayerHand, "diamond9"));
    EXPECT_EQ(HitTest(game.table, x, top + 2 * kCardStep + layout.CardHeight + 1).target,
              HitTarget::Nothing);
    EXPECT_EQ(HitTest(game.table, layout.ColumnLeft(0) + 1, top + 1).target,
              HitTarget::HandWildCard);
}

TEST(HitTest, StockPileMeldsAndThreesAndNothingOnceTheHandIsOver) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "heart4",
                         .playerMelds = "spade9 club9 diamond9 | heart3",
                         .discardPile = "club5"});
    const TableLayout& layout = game.table.layout;
    const int left = layout.LeftMargin;
    EXPECT_EQ(HitTest(game.table, left, layout.StockTop).target, HitTarget::Stock);
    EXPECT_EQ(
        HitTest(game.table, left + layout.CardWidth, layout.DiscardTop + layout.CardHeight).target,
        HitTarget::DiscardPile);
    const CardPile& melds = game.state().PlayerMelds;
    const Point nine = OnCard(melds.cards[IndexOf(melds, "club9")]);
    EXPECT_EQ(HitTest(game.table, nine.x, nine.y).target, HitTarget::MeldCard);
    const Point three = OnCard(melds.cards[IndexOf(melds, "heart3")]);
    EXPECT_EQ(HitTest(game.table, three.x, three.y).target, HitTarget::ThreesColumn);

    game.state().StockExhausted = 1;
    EXPECT_EQ(HitTest(game.table, left, layout.StockTop).target, HitTarget::Nothing);
    game.state().Prompt = kPromptHandOver;
    EXPECT_EQ(HitTest(game.table, nine.x, nine.y).target, HitTarget::Nothing);
}

TEST(Gestures, LeftClicksMeldDrawAndTakeAndMarkTheGameInProgress) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "spade9 club9 diamond9 heart9 heart4 spade6",
                         .playerMelds = "spadeh clubh diamondh",
                         .discardPile = "club5",
                         .playerHasDrawn = false});
    game.state().GameInProgress = 0;
    const TableLayout& layout = game.table.layout;
    PlayerClick(game.table, MouseButton::Left, {}, layout.LeftMargin, layout.StockTop);
    EXPECT_EQ(game.state().HasDrawn, 1);
    EXPECT_EQ(game.state().GameInProgress, 1);

    Click(game, MouseButton::Left, HandCard(game, "spade9"), {.shift = true, .ctrl = true});
    EXPECT_EQ(game.state().PlayerMeldCount[kNineColumn], 3);
    Click(game, MouseButton::Left, HandCard(game, "heart9"));
    EXPECT_EQ(game.state().PlayerMeldCount[kNineColumn], 4);

    // The stock again: already drawn.
    PlayerClick(game.table, MouseButton::Left, {}, layout.LeftMargin, layout.StockTop);
    EXPECT_EQ(game.state().ErrorCode, kErrorAlreadyDrawn);
}

TEST(Gestures, ShiftMeldsTheWholeRankAndAMeldCardTakesAWildCard) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "spade9 club9 diamond9 joker heart4 spade6",
                         .playerMelds = "spadeh clubh diamondh"});
    Click(game, MouseButton::Left, HandCard(game, "club9"), {.shift = true});
    EXPECT_EQ(game.state().PlayerMeldCount[kNineColumn], 3);

    const CardPile& melds = game.state().PlayerMelds;
    Click(game, MouseButton::Left, melds.cards[IndexOf(melds, "clubh")]);
    EXPECT_EQ(Names(game.state().PlayerMelds), "spadeh clubh diamondh spade9 club9 diamond9 joker");
    // A wild card of the hand starts a wild-card canasta only with seven of them.
    BuildPosition(game, {.playerHand = "joker spade2 heart4 spade6"});
    Click(game, MouseButton::Left, HandCard(game, "joker"));
    EXPECT_EQ(game.state().ErrorCode, kErrorSevenWildcards);
}

TEST(Gestures, NothingHappensWhileTheOpponentIsToMove) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "spade9 club9 diamond9 heart4", .playerHasDrawn = false});
    game.state().PlayerLocked = 1;
    game.state().GameInProgress = 0;
    const GameState before = game.state();
    const TableLayout& layout = game.table.layout;
    PlayerClick(game.table, MouseButton::Left, {}, layout.LeftMargin, layout.StockTop);
    Click(game, MouseButton::Right, HandCard(game, "heart4"));
    EXPECT_EQ(PlayerKeyDown(game.table, kKeyF8, {}), false);
    EXPECT_EQ(game.state(), before);
}

TEST(Gestures, ASpreadDiscardPileFoldsOnAnyLeftClickEvenOneThatHitsNothing) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "heart4 spade6", .discardPile = "club5 club6 club7"});
    game.table.DiscardSpread = 1;
    PlayerClick(game.table, MouseButton::Right, {}, 1, 1);
    EXPECT_EQ(game.table.DiscardSpread, 1);
    PlayerClick(game.table, MouseButton::Left, {}, 1, 1);
    EXPECT_EQ(game.table.DiscardSpread, 0);
}

TEST(RightClickDiscard, WithTwoClicksOnlyTheSecondClickOnTheSameCardDiscards) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    game.table.DiscardOption = 1;
    BuildPosition(game, {.playerHand = "heart4 spade6 club8", .discardPile = "club5"});

    Click(game, MouseButton::Right, HandCard(game, "heart4"));
    Click(game, MouseButton::Right, HandCard(game, "spade6"));
    EXPECT_EQ(Names(game.state().DiscardPile), "club5");
    Click(game, MouseButton::Right, HandCard(game, "spade6"));
    EXPECT_EQ(Names(game.state().DiscardPile).substr(0, 12), "club5 spade6");
    EXPECT_EQ(game.table.input.RightClickCard, -1);
    EXPECT_EQ(opponent.turnsPlayed, 1);

    // The same card twice discards it.
    BuildPosition(game, {.playerHand = "heart4 spade6 club8", .discardPile = "club5"});
    Click(game, MouseButton::Right, HandCard(game, "club8"));
    Click(game, MouseButton::Right, HandCard(game, "club8"));
    EXPECT_EQ(game.state().DiscardPile.cards[1].cardId, CardIdFromName("club8"));

    // A meld in between lets the armed card go: the next card at its old index is only armed.
    BuildPosition(game, {.playerHand = "spade9 heart4 spade6",
                         .playerMelds = "diamond9 club9 heart9",
                         .discardPile = "club5"});
    const int armed = IndexOf(game.state().PlayerHand, "heart4");
    Click(game, MouseButton::Right, HandCard(game, "heart4"));
    Click(game, MouseButton::Left, HandCard(game, "spade9"));
    ASSERT_EQ(IndexOf(game.state().PlayerHand, "spade6"), armed);
    Click(game, MouseButton::Right, HandCard(game, "spade6"));
    EXPECT_EQ(Names(game.state().DiscardPile), "club5");
    EXPECT_EQ(game.table.input.RightClickCard, armed);
}

TEST(RightClickDiscard, WithOneClickTheCardGoesAtOnce) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    BuildPosition(game, {.playerHand = "heart4 spade6 club8", .discardPile = "club5"});
    Click(game, MouseButton::Right, HandCard(game, "spade6"));
    EXPECT_EQ(game.state().DiscardPile.cards[1].cardId, CardIdFromName("spade6"));
}

TEST(RightClickDiscard, BeforeDrawingShowsErrorTwoAndResetsNothing) {
    HeadlessGame game;
    game.table.DiscardOption = 1;
    BuildPosition(game, {.playerHand = "heart4 spade6 club8", .playerHasDrawn = false});
    game.table.input.RightClickCard = 2;
    game.table.input.RightClickCount = 0;
    Click(game, MouseButton::Right, HandCard(game, "heart4"));
    EXPECT_EQ(game.state().ErrorCode, kErrorDiscardBeforeDraw);
    EXPECT_EQ(game.view.beeps, 1);
    EXPECT_EQ(game.table.input.RightClickCard, 2);
    EXPECT_EQ(game.state().PlayerHand.count, 3);
}

TEST(Keyboard, F8ThenKMeldsAKingAndKeepsTheKeyboardPrompt) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "spadeh clubh diamondh heart4 spade6"});
    EXPECT_TRUE(PlayerKeyDown(game.table, kKeyF8, {}));
    EXPECT_EQ(game.state().Prompt, kPromptKeyMeld);
    EXPECT_TRUE(PlayerKeyDown(game.table, 'K', {}));
    EXPECT_EQ(Names(game.state().PlayerMelds), "spadeh");
    EXPECT_EQ(game.state().Prompt, kPromptKeyMeld);
    EXPECT_TRUE(PlayerKeyDown(game.table, kKeyEscape, {}));
    EXPECT_EQ(game.state().Prompt, kPromptMeldOrDiscard);
}

TEST(Keyboard, F10ThenWDiscardsAJoker) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    BuildPosition(game, {.playerHand = "heart4 joker spade6", .discardPile = "club5"});
    PlayerKeyDown(game.table, kKeyF10, {});
    EXPECT_EQ(game.state().Prompt, kPromptKeyDiscard);
    PlayerKeyDown(game.table, 'W', {});
    EXPECT_EQ(game.state().DiscardPile.cards[1].cardId, kJokerId);
    EXPECT_EQ(game.state().PileFrozen, 1);
    // The turn passed: the keyboard prompt is not brought back over the draw's.
    EXPECT_EQ(game.state().Prompt, kPromptDraw);
}

TEST(Keyboard, F9Then7AddsAWildCardToTheSevens) {
    HeadlessGame game;
    BuildPosition(game,
                  {.playerHand = "heart4 joker spade6", .playerMelds = "spade7 club7 diamond7"});
    PlayerKeyDown(game.table, kKeyF9, {});
    PlayerKeyDown(game.table, '7', {});
    EXPECT_EQ(Names(game.state().PlayerMelds), "spade7 club7 diamond7 joker");
    EXPECT_EQ(game.state().Prompt, kPromptKeyWild);
}

TEST(Keyboard, EscapeF6AndRankKeysOutsideKeyboardPlay) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "heart4 spade6", .playerHasDrawn = false});
    EXPECT_FALSE(PlayerKeyDown(game.table, 'K', {}));
    // Leaving keyboard play before drawing gives the draw's prompt back (and End Hand with it).
    PlayerKeyDown(game.table, kKeyF8, {});
    PlayerKeyDown(game.table, kKeyEscape, {});
    EXPECT_EQ(game.state().Prompt, kPromptDraw);
    EXPECT_TRUE(PlayerKeyDown(game.table, kKeyF6, {}));
    EXPECT_EQ(game.state().HasDrawn, 1);
    EXPECT_EQ(ColumnOfRankKey('0'), 9);
    EXPECT_EQ(ColumnOfRankKey('A'), kRankAce);
    EXPECT_EQ(ColumnOfRankKey('X'), std::nullopt);
}

}  // namespace
}  // namespace tavolex
