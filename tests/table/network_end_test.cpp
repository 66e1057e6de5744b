// A network game that ends in the middle of a hand: the computer plays on for the peer.
#include <gtest/gtest.h>

#include "game/status_texts.h"
#include "position.h"
#include "scripted_opponent.h"
#include "table/turn.h"

namespace tavolex {
namespace {

TEST(NetworkGameEnded, TheComputerTakesOverThePeersTurnAtOnce) {
    HeadlessGame game;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    test::BuildPosition(game, {.playerHand = "club4 club5", .opponentHand = "spade6 spade7"});
    game.table.NetworkActive = true;
    game.table.ComputerLevel = kRemotePlayer;
    game.table.SavedComputerLevel = kExpert;
    game.state().PlayerLocked = 1;
    game.table.SetPrompt(kPromptOpponentTurn);
    // The peer's rules were in force; ours come back from the settings.
    game.settings.WriteValue("Settings\\Number of Canastas", int64_t{2});
    NetworkGameEnded(game.table);
    EXPECT_FALSE(game.table.NetworkActive);
    EXPECT_EQ(game.table.ComputerLevel, kExpert);
    EXPECT_EQ(game.state().Rules.NumberOfCanastas, 2);
    EXPECT_EQ(opponent.turnsPlayed, 1);
    EXPECT_EQ(game.state().Prompt, kPromptDraw);

    // On the player's turn the computer waits for its own.
    game.table.NetworkActive = true;
    NetworkGameEnded(game.table);
    EXPECT_EQ(opponent.turnsPlayed, 1);
}

}  // namespace
}  // namespace tavolex
