// Dealing a hand: the shuffle and its deal text, the two hands with their red threes, the
// upcard, and who draws first.
#include "table/deal.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/status_texts.h"
#include "position.h"
#include "scripted_opponent.h"

namespace tavolex {
namespace {

using test::Names;

std::string DealText(uint32_t seed) {
    HeadlessGame game(seed);
    game.table.NetworkActive = true;  // the peer hears the deal text only in a network game
    DealHand(game.table, false);
    EXPECT_EQ(game.peer.sent.at(0).token, kTokenDeal);
    return game.peer.sent.at(0).parameters;
}

TEST(Deal, EveryDealHandsOutFifteenCardsEachWithRedThreesLaidOut) {
    int redThreesDealt = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        HeadlessGame game(seed);
        DealHand(game.table, false);
        const GameState& state = game.state();
        EXPECT_EQ(test::CheckPackInvariant(game), "");
        EXPECT_EQ(state.PlayerHand.count, 15);
        EXPECT_EQ(state.OpponentHand.count, 15);
        for (const CardPile* hand : {&state.PlayerHand, &state.OpponentHand})
            for (const CardRecord& card : *hand) EXPECT_FALSE(IsRedThree(card.cardId));
        for (const CardPile* melds : {&state.PlayerMelds, &state.OpponentMelds}) {
            for (const CardRecord& card : *melds) {
                EXPECT_TRUE(IsRedThree(card.cardId));
                EXPECT_EQ(card.x, game.table.layout.ColumnLeft(kRankThree));
                EXPECT_EQ(card.faceUp, 1);
            }
            redThreesDealt += melds->count;
        }
        const CardRecord& upcard = state.DiscardPile.Top();
        EXPECT_FALSE(IsWildRank(upcard.rank) || IsRedThree(upcard.cardId));
        EXPECT_EQ(state.PlayerHandSaved, state.PlayerHand);
    }
    EXPECT_GT(redThreesDealt, 0);
}

TEST(Deal, AJokerUpcardIsCoveredAndFreezesThePile) {
    HeadlessGame game(58);
    game.settings.WriteValue("Settings\\Initial Block", int64_t{0});
    DealHand(game.table, false);
    EXPECT_EQ(Names(game.state().DiscardPile), "joker diamonda");
    EXPECT_TRUE(game.state().PileFrozen);
    // Without a wild upcard the stored Initial Block alone decides.
    HeadlessGame plain(1);
    plain.settings.WriteValue("Settings\\Initial Block", int64_t{0});
    DealHand(plain.table, false);
    EXPECT_EQ(plain.state().DiscardPile.count, 1);
    EXPECT_FALSE(plain.state().PileFrozen);
}

// The deal text is the start flag and then, card by card in the order the pack is built
// (deck 0 then 1; spades, clubs, diamonds, hearts from two to ace; two jokers), the stock slot
// it went to, plus 32. What is left of the stock still lies in its slots.
TEST(Deal, TheDealTextDescribesTheShuffledStock) {
    HeadlessGame game(3);
    game.table.NetworkActive = true;
    DealHand(game.table, false);
    const std::string text = game.peer.sent.at(0).parameters;
    ASSERT_EQ(text.size(), 109u);
    EXPECT_EQ(text[0], '1');
    std::set<int> slots;
    for (int i = 0; i < 108; ++i) {
        const int slot = static_cast<unsigned char>(text[i + 1]) - 32;
        ASSERT_TRUE(slot >= 0 && slot < 108);
        slots.insert(slot);
        if (slot >= game.state().Stock.count) continue;
        const CardRecord& card = game.state().Stock.cards[slot];
        EXPECT_EQ(card.cardId, i % 54 < 52 ? i % 54 + 1 : kJokerId);
        EXPECT_EQ(card.deck, i / 54);
    }
    EXPECT_EQ(slots.size(), 108u);
}

// Pins the shuffle: a change here breaks replays and network games between versions.
TEST(Deal, SeededShufflesStayTheSame) {
    EXPECT_EQ(DealText(1),
              "1u[h@oism\x8b"
              "D4}<Q >e\"0&\x82T/fLyZR|S]nX%_2Aalt5H\\)K\x7f:Y6kv9+x=#\x8a(M3\x87"
              "B~!z\x83\x85'Iwr.cWN,d\x84\x89^*;gjU8J\x88$b\x81"
              "71PE`\?GOp{C\x80"
              "Fq\x86-V");
    EXPECT_EQ(DealText(2),
              "1D/y \x82GzcLJE+3Y{Oj\\<tu&H;W[R^I>p\x8bk=P6rC7-\"4,.*go}sbh2\x89\x86Q9F\x88VS$_0:"
              "Z@N)BXMmq]in\?l1\x8a\x83#A\x85"
              "f\x7f\x87|v8U~!`Kx'\x84w%ae\x80T5\x81(d");
    HeadlessGame game(1);
    DealHand(game.table, false);
    EXPECT_EQ(Names(game.state().PlayerHand),
              "diamond4 heart9 spadev cluba joker club4 hearth spade2 heart2 spade8 club5 hearth "
              "heart8 spade6 diamond7");
}

TEST(Deal, TheSidesTakeTurnsToDrawFirstAcrossMatches) {
    HeadlessGame game(1);
    game.table.TableShowing = true;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    GameState& state = game.state();

    DealHand(game.table, true);
    EXPECT_EQ(game.sounds.events.at(0), kSoundStart);
    EXPECT_EQ(game.view.whoseTurn, "It's your turn to draw first.");
    EXPECT_EQ(state.Prompt, kPromptDraw);
    EXPECT_EQ(state.PlayerLocked, 0);

    // The opponent starts, plays its whole turn within the deal and hands the turn over.
    DealHand(game.table, false);
    EXPECT_EQ(game.view.whoseTurn, "It's the computer's turn to draw first.");
    EXPECT_EQ(opponent.turnsPlayed, 1);
    EXPECT_EQ(state.DiscardPile.count, 2);
    EXPECT_EQ(state.Prompt, kPromptDraw);
    EXPECT_EQ(state.PlayerLocked, 0);
    EXPECT_EQ(state.OpponentPhase, kOpponentIdle);

    // A new match goes on with the alternation.
    state.PlayerScore = 700;
    StartNewGame(game.table);
    EXPECT_EQ(state.PlayerScore, 0);
    EXPECT_EQ(opponent.turnsPlayed, 1);
    StartNewGame(game.table);
    EXPECT_EQ(opponent.turnsPlayed, 2);
}

// Goes out on its first turn (its cards simply leave the table), then plays no more.
class OutAtOnceOpponent : public OpponentPlayer {
  public:
    void PlayTurn(Table& table) override {
        if (++turnsPlayed == 1) {
            table.state.OpponentHand.count = 0;
            table.state.OpponentTally.canastaCount = 1;
        }
        table.flow->EndOfHandCheck();
        table.state.PlayerLocked = 0;
        table.SetPrompt(kPromptDraw);
        table.state.OpponentPhase = kOpponentIdle;
    }
    int turnsPlayed = 0;
};

TEST(Deal, AHandTheOpponentEndsInItsOpeningTurnKeepsTheAlternation) {
    HeadlessGame game;
    OutAtOnceOpponent opponent;
    game.table.opponent = &opponent;
    game.state().PlayerStartsNext = 0;
    DealHand(game.table, false);
    EXPECT_EQ(game.state().WentOut, kOpponentWentOut);
    // The next hand was dealt inside that turn with the player to draw first, and the
    // opponent starts the one after.
    EXPECT_EQ(opponent.turnsPlayed, 1);
    EXPECT_EQ(game.state().OpponentHand.count, 15);
    EXPECT_EQ(game.state().Prompt, kPromptDraw);
    EXPECT_EQ(game.state().PlayerStartsNext, 0);
}

TEST(Deal, ANewGameDuringANetworkMatchAsksFirst) {
    HeadlessGame game(1);
    test::BuildPosition(game, {.playerHand = "club4 club5", .playerScore = 800});
    game.table.NetworkActive = true;
    game.dialogs.yesNoAnswers = {false, true};
    const GameState before = game.state();
    StartNewGame(game.table);
    EXPECT_EQ(game.state(), before);
    StartNewGame(game.table);
    EXPECT_EQ(game.dialogs.questions.at(1),
              "You have a network game running. Are you sure you want to start a new game?");
    ASSERT_EQ(game.peer.sent.size(), 2u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenNewGame);
    EXPECT_EQ(game.peer.sent[1].token, kTokenDeal);
    EXPECT_EQ(game.table.ConcealRemote, 1);
}

}  // namespace
}  // namespace tavolex
