// The player's turn on the table: drawing from the stock (one or two cards, red threes),
// discarding (a red three too, with ThreeBlock), and Undo Meld, which gives a card back to its
// hand column.
#include "table/turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/melds.h"
#include "position.h"
#include "scripted_opponent.h"
#include "table/undo_meld.h"
#include "table_records.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::IndexOf;
using test::Names;

constexpr int kEightColumn = 7;

// One click draws the cards the rules give; a red three among them is laid out, and replaced
// only with DrawExtra. Each drawn card goes under the others of its column.
TEST(Draw, TheRulesCardsComeWithOneClickAndARedThreeIsReplacedOnlyWithDrawExtra) {
    struct Case {
        int cards;
        int drawExtra;
        const char* stock;
        const char* hand;
        const char* melds;
    } cases[] = {
        {1, 1, "diamond9", "club9 spade4 diamond9", ""},
        {2, 1, "spade5 clubb heart3", "club9 spade4 clubb spade5", "heart3"},
        {2, 0, "spade5 clubb heart3", "club9 spade4 clubb", "heart3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock + std::to_string(c.drawExtra));
        HeadlessGame game;
        game.state().Rules.NumberOfCards = c.cards;
        game.state().Rules.DrawExtra = c.drawExtra;
        BuildPosition(game,
                      {.playerHand = "club9 spade4", .stock = c.stock, .playerHasDrawn = false});
        game.view.keepStatusLog = true;
        DrawFromStock(game.table);
        const GameState& state = game.state();
        EXPECT_EQ(Names(state.PlayerHand), c.hand);
        EXPECT_EQ(Names(state.PlayerMelds), c.melds);
        const CardRecord& top = state.PlayerHand.Top();
        const int above = std::count_if(state.PlayerHand.begin(), state.PlayerHand.end(),
                                        [&](const CardRecord& card) { return card.x == top.x; });
        EXPECT_EQ(top.y, game.table.layout.OwnHandTop + above * kCardStep);
        const auto& log = game.view.statusLog;
        EXPECT_EQ(std::count(log.begin(), log.end(), "Draw a second card from the stock") > 0,
                  c.cards == 2);
        EXPECT_EQ(state.Prompt, kPromptMeldOrDiscard);
    }
}

// A refused discard changes nothing but the error shown and the reason behind it.
TEST(Discard, IsRefusedBeforeDrawingWithIncompleteMeldsOrWithoutTheCanastasToGoOut) {
    const std::string notNow = "Discarding is not possible now: ";
    struct Case {
        test::Position position;
        int error;
        std::string status;
    } cases[] = {
        {{.playerHand = "club9 heart4", .playerHasDrawn = false},
         kErrorDiscardBeforeDraw,
         kErrorTexts[kErrorDiscardBeforeDraw]},
        {{.playerHand = "clubh heart4", .playerMelds = "club9 spade9"},
         kErrorCannotDiscard,
         notNow + kRejectTooFewCards},
        {{.playerHand = "club4",
          .playerMelds = "spadeh clubh diamondh hearth spadeh clubh diamondh",
          .opponentHand = "spade6 spade7"},
         kErrorCannotDiscard,
         notNow + RejectGoingOut(2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        HeadlessGame game;
        game.state().Rules.NumberOfCanastas = 2;
        BuildPosition(game, c.position);
        GameState expected = game.state();
        DiscardFromHand(game.table, 0);
        expected.ErrorCode = static_cast<uint8_t>(c.error);
        expected.RejectReason = game.state().RejectReason;
        EXPECT_EQ(game.state(), expected);
        EXPECT_TRUE(game.view.statusIsError);
        EXPECT_EQ(game.view.status, c.status);
    }
    // With one canasta needed the last card goes out at once, without the computer's turn.
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    BuildPosition(game, cases[2].position);
    DiscardFromHand(game.table, 0);
    EXPECT_EQ(game.state().WentOut, kPlayerWentOut);
    EXPECT_EQ(opponent.turnsPlayed, 0);
}

TEST(DiscardRedThree, OnlyWithThreeBlockAndItFreezesThePile) {
    HeadlessGame game;
    const test::Position position = {.playerHand = "club4 club5",
                                     .playerMelds = "heart3 | spadea cluba diamonda",
                                     .discardPile = "heart7"};
    BuildPosition(game, position);
    const GameState before = game.state();
    DiscardRedThreeFromMelds(game.table, 0);
    EXPECT_EQ(game.state(), before);

    game.state().Rules.ThreeBlock = 1;
    BuildPosition(game, position);
    DiscardRedThreeFromMelds(game.table, 0);
    EXPECT_EQ(game.state().PlayerMelds.anchors[kRankThree].y, game.table.layout.OwnMeldTop);
    EXPECT_TRUE(game.state().PileFrozen);
}

// Undo Meld puts the last card melded back in its hand column and tells the peer; Undo All
// then gives back every other card melded this turn, newest first.
TEST(UndoMeld, TheCardGoesBackToItsHandColumnAndThePeerIsTold) {
    HeadlessGame game;
    game.table.NetworkActive = true;
    BuildPosition(game, {.playerHand = "heart4 heart8 heart6 spade5 club5 joker",
                         .playerMelds = "spade8 club8 diamond8"});
    GameState& state = game.state();
    const GameState before = state;
    MeldCard(game.table, IndexOf(state.PlayerHand, "heart8"));

    UndoMeld(game.table);

    const TableLayout& layout = game.table.layout;
    EXPECT_EQ(state.PlayerMelds.anchors[kEightColumn].y, layout.OwnMeldTop + 3 * kCardStep);
    const CardRecord& back = state.PlayerHand.Top();
    EXPECT_EQ(back.x, layout.ColumnLeft(kEightColumn));
    EXPECT_EQ(back.y, layout.OwnHandTop + kCardStep);
    EXPECT_EQ(Names(state.KnownPlayerCards), "heart8");
    EXPECT_FALSE(game.view.undoEnabled);

    MeldRank(game.table, IndexOf(state.PlayerHand, "spade5"), false);
    game.peer.sent.clear();
    UndoAll(game.table);
    EXPECT_EQ(state.PlayerMelds.anchors, before.PlayerMelds.anchors);
    EXPECT_EQ(Names(state.PlayerHand), "heart4 heart6 heart8 joker club5 spade5");
    EXPECT_EQ(state.PlayerHand.anchors, before.PlayerHand.anchors);
    UndoAll(game.table);  // nothing left: no message
    EXPECT_EQ(test::Sent(game.peer), "UN UN UN");
}

}  // namespace
}  // namespace tavolex
