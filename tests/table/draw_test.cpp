// Drawing from the stock (one or two cards, red threes) and the End Hand button once the stock
// is exhausted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/status_texts.h"
#include "position.h"
#include "table/turn.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::Names;

// Lays all but the top `keep` cards of the stock under the discard pile, so the stock runs
// low with every card still in play.
void LeaveInStock(HeadlessGame& game, int keep) {
    GameState& state = game.state();
    const int moved = state.Stock.count - keep;
    CardPile discard;
    for (int i = 0; i < moved; ++i) PushCard(discard, state.Stock.cards[i]);
    for (const CardRecord& card : state.DiscardPile) PushCard(discard, card);
    for (int i = 0; i < keep; ++i) state.Stock.cards[i] = state.Stock.cards[moved + i];
    state.Stock.count = static_cast<uint8_t>(keep);
    state.DiscardPile = discard;
    state.StockExhausted = keep == 0;
}

TEST(Draw, OneCardGoesUnderItsColumnAndEndsTheDraw) {
    HeadlessGame game;
    BuildPosition(game,
                  {.playerHand = "club9 spade4", .stock = "diamond9", .playerHasDrawn = false});
    DrawFromStock(game.table);
    const GameState& state = game.state();
    EXPECT_EQ(Names(state.PlayerHand), "club9 spade4 diamond9");
    EXPECT_EQ(state.PlayerHand.Top().y, game.table.layout.OwnHandTop + 24);
    EXPECT_EQ(state.Prompt, kPromptMeldOrDiscard);
    EXPECT_EQ(state.HasDrawn, 1);
    EXPECT_EQ(state.NothingDrawnYet, 0);
    EXPECT_EQ(state.PlayerHandSaved, state.PlayerHand);
    EXPECT_EQ(test::CheckPackInvariant(game), "");
}

TEST(Draw, TwoCardsComeWithOneClickAndPromptFourBetween) {
    HeadlessGame game;
    game.state().Rules.NumberOfCards = 2;
    BuildPosition(game, {.playerHand = "club9", .stock = "spade5 clubb", .playerHasDrawn = false});
    game.view.keepStatusLog = true;
    DrawFromStock(game.table);
    EXPECT_EQ(Names(game.state().PlayerHand), "club9 clubb spade5");
    const auto& log = game.view.statusLog;
    EXPECT_NE(std::find(log.begin(), log.end(), "Draw a second card from the stock"), log.end());
    EXPECT_EQ(game.state().Prompt, kPromptMeldOrDiscard);
}

TEST(Draw, ARedThreeIsReplacedOnlyWithDrawExtra) {
    HeadlessGame game;
    game.state().Rules.NumberOfCards = 2;
    const test::Position position = {
        .playerHand = "club9 club10", .stock = "spade5 clubb heart3", .playerHasDrawn = false};
    BuildPosition(game, position);
    DrawFromStock(game.table);
    EXPECT_EQ(Names(game.state().PlayerMelds), "heart3");
    EXPECT_EQ(Names(game.state().PlayerHand), "club9 club10 clubb spade5");

    // Without DrawExtra the red three is one of the two cards.
    game.state().Rules.DrawExtra = 0;
    BuildPosition(game, position);
    DrawFromStock(game.table);
    EXPECT_EQ(Names(game.state().PlayerMelds), "heart3");
    EXPECT_EQ(Names(game.state().PlayerHand), "club9 club10 clubb");
    EXPECT_EQ(game.state().HasDrawn, 1);
}

TEST(Draw, TheLastStockCardBringsUpEndHand) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "club9 spade4", .playerHasDrawn = false});
    LeaveInStock(game, 1);
    DrawFromStock(game.table);
    EXPECT_TRUE(game.state().StockExhausted);
    EXPECT_TRUE(game.view.endHandVisible);
    // The opponent's turn over, the player is to draw again from the empty stock.
    DiscardFromHand(game.table, 0);
    game.table.SetPrompt(kPromptDraw);
    EXPECT_EQ(game.view.status, "Stock exhausted; take discard pile or end hand");
    EXPECT_TRUE(game.view.endHandEnabled);
}

TEST(EndHand, EndsTheHandUnlessThePlayerIsForced) {
    HeadlessGame game;
    const test::Position forced = {.playerHand = "club4 spade5",
                                   .playerMelds = "spade9 heart9 diamond9",
                                   .opponentHand = "heart6",
                                   .discardPile = "club9",
                                   .playerHasDrawn = false};
    BuildPosition(game, forced);
    LeaveInStock(game, 0);
    game.table.SetPrompt(kPromptDraw);
    const GameState before = game.state();
    EndHandPressed(game.table);
    EXPECT_EQ(game.dialogs.messages.at(0).text,
              "You cannot end this hand now, because you must \n\rmeld the top card of the pile. "
              "(You are 'forced').");
    EXPECT_EQ(game.state(), before);

    test::Position free = forced;
    free.playerMelds = "spadea cluba diamonda";
    BuildPosition(game, free);
    LeaveInStock(game, 0);
    game.table.SetPrompt(kPromptKeyMeld);  // a keyboard phase before drawing keeps End Hand
    game.table.NetworkActive = true;
    EndHandPressed(game.table);
    EXPECT_EQ(game.state().WentOut, kNobodyWentOut);
    EXPECT_EQ(game.peer.sent.at(0).token, kTokenHandOver);
    EXPECT_EQ(game.state().PlayerHand.count, 15);  // the next hand is dealt
    EXPECT_FALSE(game.state().StockExhausted);
}

}  // namespace
}  // namespace tavolex
