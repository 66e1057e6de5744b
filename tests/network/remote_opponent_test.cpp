#include "network/remote_opponent.h"

#include <gtest/gtest.h>

#include <set>

#include "game/peer_codes.h"
#include "game/status_texts.h"
#include "game/table_invariants.h"
#include "net_table.h"
#include "storage/saved_game.h"
#include "table/deal.h"

namespace tavolex::test {
namespace {

constexpr char kSep = kFieldSeparator;

// The remote player's moves, each from the position it changes.
TEST(RemoteOpponent, AppliesEachMoveToTheOpponentSide) {
    struct Case {
        const char* what;
        Position position;
        std::vector<std::string> messages;
        const char* hand;
        const char* melds;
        const char* pile;
        bool playerToMove;
    } cases[] = {
        {"draws the stock's top card",
         {.opponentHand = "club4", .stock = "heart9"},
         {Message(kTokenDrawNew)},
         "club4 heart9",
         "",
         "",
         false},
        {"lays a drawn red three at once",
         {.opponentHand = "club4", .stock = "heart3"},
         {Message(kTokenDrawNew)},
         "club4",
         "heart3",
         "",
         false},
        {"melds three cards and discards",
         {.opponentHand = "club9 heart9 spade9 club4 spade6"},
         {Message(kTokenMeld, Id("club9")), Message(kTokenMeld, Id("heart9")),
          Message(kTokenMeld, Id("spade9")), Message(kTokenDiscard, Id("club4"))},
         "spade6",
         "club9 heart9 spade9",
         "club4",
         true},
        {"lays a wild card on the named column",
         {.opponentHand = "joker club6", .opponentMelds = "heart8 club8 spade8"},
         {Message(kTokenMeldWildcard, Id("joker") + kSep + "7")},
         "club6",
         "heart8 club8 spade8 joker",
         "",
         false},
        {"takes back a card that broke its canasta",
         {.opponentHand = "club6",
          .opponentMelds = "heart8 club8 spade8 diamond8 heart8 club8 spade8"},
         {Message(kTokenUndoMeld, CardRefCode(*CardIdFromName("spade8"), 7))},
         "club6 spade8",
         "heart8 club8 spade8 diamond8 club8 heart8",
         "",
         false},
        {"discards a red three from its melds",
         {.opponentHand = "club6", .opponentMelds = "heart3"},
         {Message(kTokenDiscardRedThree, Id("heart3"))},
         "club6",
         "",
         "heart3",
         true},
        {"a card that is not there still ends the turn",
         {.opponentHand = "club6"},
         {Message(kTokenDiscard, Id("hearta"))},
         "club6",
         "",
         "",
         true},
        {"passes the discard",
         {.opponentHand = "club6"},
         {Message(kTokenPassDiscard)},
         "club6",
         "",
         "",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetTable game;
        game.RemoteTurn(c.position);
        for (const std::string& message : c.messages) game.Get(message);
        EXPECT_EQ(Names(game.state().OpponentHand), c.hand);
        EXPECT_EQ(Names(game.state().OpponentMelds), c.melds);
        EXPECT_EQ(Names(game.state().DiscardPile), c.pile);
        EXPECT_EQ(game.state().PlayerLocked == 0, c.playerToMove);
        EXPECT_EQ(game.state().Prompt, c.playerToMove ? kPromptDraw : kPromptOpponentTurn);
        EXPECT_EQ(CheckTableInvariants(game.table), "");
        EXPECT_EQ(game.Warnings(), "");
    }
}

TEST(RemoteOpponent, UnsquaresAndRecountsTheCanastaItTookACardFrom) {
    NetTable game;
    game.RemoteTurn({.opponentHand = "club6",
                     .opponentMelds = "heart8 club8 spade8 diamond8 heart8 club8 spade8"});
    ASSERT_EQ(game.state().OpponentTally.canastaCount, 1);
    const int32_t points = game.state().OpponentMeldPoints;
    game.Get(Message(kTokenUndoMeld, CardRefCode(*CardIdFromName("spade8"), 7)));
    EXPECT_EQ(game.state().OpponentTally.canastaCount, 0);
    EXPECT_EQ(game.state().OpponentMeldPoints, points - 10);
    const std::vector<int> ys = ColumnYs(game.state().OpponentMelds, game.table.layout, 7);
    EXPECT_EQ(std::set<int>(ys.begin(), ys.end()).size(), 6u) << "laid out card above card";
}

TEST(RemoteOpponent, TakingThePileThenUndoingRestoresItAllForFifty) {
    NetTable game;
    game.RemoteTurn({.opponentHand = "club7 heart7 club4 spade6",
                     .opponentMelds = "heart9 club9 spade9",
                     .discardPile = "hearth diamond7",
                     .opponentScore = 400});
    const GameState before = game.state();
    game.Get(Message(kTokenDrawPileTop));
    EXPECT_EQ(Names(game.state().OpponentMelds), "heart9 club9 spade9 diamond7");
    game.Get(Message(kTokenMeld, Id("club7")) + Message(kTokenMeld, Id("heart7")));
    EXPECT_EQ(game.table.OpponentTakingPile, 1);
    game.Get(Message(kTokenUndoPile));
    EXPECT_EQ(game.state().OpponentHand, before.OpponentHand);
    EXPECT_EQ(game.state().OpponentMelds, before.OpponentMelds);
    EXPECT_EQ(game.state().OpponentTally, before.OpponentTally);
    EXPECT_EQ(game.state().DiscardPile, before.DiscardPile);
    EXPECT_EQ(game.state().OpponentMeldPoints, before.OpponentMeldPoints);
    EXPECT_EQ(game.state().OpponentScore, 350);

    game.Get(Message(kTokenDrawPileTop) + Message(kTokenMeld, Id("club7")) +
             Message(kTokenMeld, Id("heart7")) + Message(kTokenDrawPileRest));
    EXPECT_EQ(Names(game.state().OpponentHand), "club4 spade6 hearth");
    EXPECT_EQ(game.state().PileFrozen, 0);
    EXPECT_EQ(game.table.OpponentTakingPile, 0);
}

// The hand ends when the remote player's last card is gone and its melds stand.
TEST(RemoteOpponent, GoesOutOnlyWhenEverythingAllowsIt) {
    const char* canasta = "heart8 club8 spade8 diamond8 heart8 club8 spade8";
    struct Case {
        const char* what;
        std::string melds;
        int canastasNeeded;
        bool takingPile;
        bool wentOut;
    } cases[] = {
        {"a canasta and nothing pending", canasta, 1, false, true},
        {"too few canastas", canasta, 2, false, false},
        {"a take still pending", canasta, 1, true, false},
        {"one black three", std::string(canasta) + " | club3", 1, false, false},
        {"two black threes", std::string(canasta) + " | club3 spade3", 1, false, false},
        {"three black threes", std::string(canasta) + " | club3 spade3 club3", 1, false, true},
        {"a meld of two", std::string(canasta) + " | heart5 club5", 1, false, false},
        {"more wild cards than naturals",
         std::string(canasta) + " | heart5 club5 joker joker joker", 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetTable game;
        game.state().Rules.NumberOfCanastas = c.canastasNeeded;
        game.RemoteTurn({.opponentHand = "diamond8", .opponentMelds = c.melds});
        game.table.OpponentTakingPile = c.takingPile;
        game.Get(Message(kTokenMeld, Id("diamond8")));
        EXPECT_EQ(OpponentWentOut(game.table), c.wentOut);
        EXPECT_EQ(game.dialogs.scorings.size(), c.wentOut ? 1u : 0u);
    }
}

// Going out in one turn from nothing laid is concealed, also when a discard empties the hand.
TEST(RemoteOpponent, GoingOutConcealedByADiscardEarnsTheConcealedBonus) {
    NetTable game;
    game.RemoteTurn({.playerHand = "club5 club6",
                     .opponentHand = "heart8 club8 spade8 diamond8 heart8 club8 spade8 club4"});
    std::string moves;
    for (const char* card : {"heart8", "club8", "spade8", "diamond8", "heart8", "club8", "spade8"})
        moves += Message(kTokenMeld, Id(card));
    game.Get(moves + Message(kTokenDiscard, Id("club4")));
    ASSERT_EQ(game.dialogs.scorings.size(), 1u);
    EXPECT_EQ(game.state().OpponentScore, 70 + 500 + 200);
}

// The deal text rebuilds the dealer's stock: this side's player gets what the dealer dealt to
// its opponent, and the dealer's digit says who draws first.
TEST(RemoteOpponent, DealMirrorsTheDealersTable) {
    for (const bool dealerFirst : {true, false}) {
        HeadlessGame dealer(7);
        dealer.table.NetworkActive = true;
        dealer.state().PlayerStartsNext = dealerFirst;
        DealHand(dealer.table, false);
        ASSERT_EQ(dealer.peer.sent.size(), 1u);
        NetTable game;
        game.Get(Message(kTokenDeal, dealer.peer.sent[0].parameters));
        const GameState& state = game.state();
        EXPECT_EQ(Names(state.PlayerHand), Names(dealer.state().OpponentHand));
        EXPECT_EQ(Names(state.PlayerMelds), Names(dealer.state().OpponentMelds));
        EXPECT_EQ(Names(state.OpponentHand), Names(dealer.state().PlayerHand));
        EXPECT_EQ(Names(state.DiscardPile), Names(dealer.state().DiscardPile));
        EXPECT_EQ(Names(state.Stock), Names(dealer.state().Stock));
        EXPECT_EQ(state.PileFrozen, dealer.state().PileFrozen);
        EXPECT_EQ(state.PlayerLocked, dealerFirst);
        EXPECT_EQ(state.PlayerStartsNext, dealerFirst);
        EXPECT_EQ(CheckTableInvariants(game.table), "");
    }
}

// Jokers, twos and red threes turned up freeze the pile and are covered, each in turn.
TEST(RemoteOpponent, DealTurnsUpUntilANaturalCard) {
    // Slots from the top of the stock down: 30 hand cards, then the upcards.
    std::string text = "1";
    std::array<int, kMaxPile> slotOf{};
    for (int i = 0; i < kMaxPile; ++i) slotOf[i] = i;
    // Card order: deck 0 suits 0..3 faces 0..12 (ids 1..52), its two jokers, then deck 1.
    const int redThree = *CardIdFromName("heart3") - 1,
              otherRedThree = *CardIdFromName("diamond3") - 1;
    // The second deck's red threes leave the hands' slots.
    std::swap(slotOf[54 + redThree], slotOf[0]);
    std::swap(slotOf[54 + otherRedThree], slotOf[1]);
    std::swap(slotOf[52], slotOf[77]);  // a joker
    std::swap(slotOf[redThree], slotOf[76]);
    std::swap(slotOf[*CardIdFromName("club7") - 1], slotOf[75]);
    for (int slot : slotOf) text += static_cast<char>(slot + kWireOffset);
    NetTable game;
    game.Get(Message(kTokenDeal, text));
    EXPECT_EQ(Names(game.state().DiscardPile), "joker heart3 club7");
    EXPECT_EQ(game.state().PileFrozen, 1);
}

// A game the peer loaded: its player side becomes this side's opponent and the turn swaps.
TEST(RemoteOpponent, LoadGameSwapsTheSides) {
    HeadlessGame sender;
    BuildPosition(sender, {.playerHand = "club4 club4 heart9",
                           .playerMelds = "spade5 club5 joker",
                           .opponentHand = "heart6 diamond6",
                           .opponentMelds = "hearth clubh spadeh",
                           .discardPile = "diamond10",
                           .playerScore = 700,
                           .opponentScore = 300});
    sender.table.NetworkActive = true;
    const std::string file = "/tmp/tavolex-remote-load.tvx";
    ASSERT_TRUE(SaveGame(sender.table, true, file));
    ASSERT_TRUE(LoadGame(sender.table, true, file));
    ASSERT_EQ(sender.peer.sent.back().token, kTokenLoadGame);

    NetTable game;
    game.Get(Message(kTokenLoadGame, sender.peer.sent.back().parameters));
    const GameState& state = game.state();
    EXPECT_EQ(Names(state.PlayerHand), "heart6 diamond6");
    EXPECT_EQ(Names(state.PlayerMelds), "hearth clubh spadeh");
    EXPECT_EQ(Names(state.OpponentHand), "club4 club4 heart9");
    EXPECT_EQ(Names(state.OpponentMelds), "spade5 club5 joker");
    EXPECT_EQ(game.table.layout.ColumnOf(state.OpponentMelds.Top().x), kRankThree + 2);
    EXPECT_EQ(state.PlayerScore, 300);
    EXPECT_EQ(state.OpponentScore, 700);
    EXPECT_EQ(state.PlayerLocked, 1);
    EXPECT_EQ(state.Prompt, kPromptOpponentTurn);
    EXPECT_EQ(CheckTableInvariants(game.table), "");
}

}  // namespace
}  // namespace tavolex::test
