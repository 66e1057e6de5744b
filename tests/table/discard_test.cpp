// Discarding from the hand and, with ThreeBlock, a red three from the meld area; the turn then
// passes to the opponent or the hand ends.
#include <gtest/gtest.h>

#include <string>

#include "game/melds.h"
#include "game/status_texts.h"
#include "position.h"
#include "scripted_opponent.h"
#include "table/turn.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::IndexOf;
using test::Names;

// A refused discard changes nothing but the error shown and the reason behind it.
void ExpectRefused(HeadlessGame& game, const GameState& before, int error) {
    GameState expected = before;
    expected.ErrorCode = static_cast<uint8_t>(error);
    expected.RejectReason = game.state().RejectReason;
    EXPECT_EQ(game.state(), expected);
    EXPECT_TRUE(game.view.statusIsError);
}

TEST(Discard, TheCardGoesOnThePileAndThePeerIsToMove) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "club9 diamond9 spade9 heart4",
                         .playerMelds = "spadea cluba diamonda",
                         .discardPile = "club5"});
    game.table.NetworkActive = true;
    game.table.PeerName = "Anna";
    const int32_t lastNineY = game.state().PlayerHand.cards[2].y;
    DiscardFromHand(game.table, IndexOf(game.state().PlayerHand, "diamond9"));

    const GameState& state = game.state();
    EXPECT_EQ(Names(state.DiscardPile), "club5 diamond9");
    EXPECT_EQ(state.DiscardPile.Top().y, game.table.layout.DiscardTop);
    // The column closes up over the gap.
    EXPECT_EQ(Names(state.PlayerHand), "club9 spade9 heart4");
    EXPECT_EQ(state.PlayerHand.cards[1].y, lastNineY - 12);
    EXPECT_EQ(state.HasDrawn, 0);
    EXPECT_EQ(state.PlayerLocked, 1);
    EXPECT_EQ(state.OpponentPhase, 0);
    EXPECT_EQ(game.view.status, "It's Anna's turn");
    EXPECT_EQ(game.peer.sent.at(0).token, kTokenDiscard);
    EXPECT_EQ(game.peer.sent.at(0).parameters, "34");  // the diamond nine
}

TEST(Discard, IsRefusedBeforeDrawingOrWithIncompleteMelds) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "club9 heart4", .playerHasDrawn = false});
    GameState before = game.state();
    DiscardFromHand(game.table, 0);
    ExpectRefused(game, before, kErrorDiscardBeforeDraw);

    BuildPosition(game, {.playerHand = "clubh heart4", .playerMelds = "club9 spade9"});
    before = game.state();
    DiscardFromHand(game.table, 0);
    ExpectRefused(game, before, kErrorCannotDiscard);
    EXPECT_EQ(game.view.status,
              std::string("Discarding is not possible now: ") + kRejectTooFewCards);
}

TEST(Discard, TheLastCardGoesOutOnlyWithTheCanastasNeeded) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    game.state().Rules.NumberOfCanastas = 2;
    const test::Position position = {
        .playerHand = "club4",
        .playerMelds = "spadeh clubh diamondh hearth spadeh clubh diamondh",
        .opponentHand = "spade6 spade7"};
    BuildPosition(game, position);
    const GameState before = game.state();
    DiscardFromHand(game.table, 0);
    ExpectRefused(game, before, kErrorCannotDiscard);
    EXPECT_EQ(game.view.status, "Discarding is not possible now: " + RejectGoingOut(2));

    game.state().Rules.NumberOfCanastas = 1;
    BuildPosition(game, position);
    DiscardFromHand(game.table, 0);
    EXPECT_EQ(game.state().WentOut, kPlayerWentOut);
    EXPECT_EQ(opponent.turnsPlayed, 0);
    EXPECT_EQ(game.state().PlayerHand.count, 15);  // the next hand is dealt
}

TEST(Discard, AWildCardFreezesThePileAndTheComputerMovesAtOnce) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    BuildPosition(game, {.playerHand = "joker club9 club4",
                         .opponentHand = "spade6 spade7",
                         .discardPile = "heart7"});
    DiscardFromHand(game.table, IndexOf(game.state().PlayerHand, "joker"));
    EXPECT_TRUE(game.state().PileFrozen);
    EXPECT_EQ(opponent.turnsPlayed, 1);
    EXPECT_EQ(Names(game.state().DiscardPile), "heart7 joker spade6");
    EXPECT_EQ(game.state().Prompt, kPromptDraw);
    EXPECT_EQ(game.state().PlayerLocked, 0);
    EXPECT_EQ(test::CheckPackInvariant(game), "");
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
    game.table.NetworkActive = true;
    DiscardRedThreeFromMelds(game.table, 0);
    const GameState& state = game.state();
    EXPECT_EQ(Names(state.DiscardPile), "heart7 heart3");
    EXPECT_EQ(Names(state.PlayerMelds), "spadea cluba diamonda");
    EXPECT_EQ(state.PlayerMelds.anchors[kRankThree].y, game.table.layout.OwnMeldTop);
    EXPECT_TRUE(state.PileFrozen);
    EXPECT_EQ(state.PlayerLocked, 1);
    EXPECT_EQ(game.peer.sent.at(0).token, kTokenDiscardRedThree);
    EXPECT_EQ(game.peer.sent.at(0).parameters, "41");
}

}  // namespace
}  // namespace tavolex
