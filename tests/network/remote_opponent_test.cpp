// The remote player's moves where they need more than the mirrored random play of two tables
// checks (each move of every kind, the deals and a loaded game leave both copies alike): the
// points and places of an undone canasta, the penalty of an undone take, and going out.
#include "network/remote_opponent.h"

#include <gtest/gtest.h>

#include <set>

#include "game/peer_codes.h"
#include "game/status_texts.h"
#include "net_table.h"

namespace tavolex::test {
namespace {

constexpr const char* kEightsCanasta = "heart8 club8 spade8 diamond8 heart8 club8 spade8";

TEST(RemoteOpponent, UnsquaresAndRecountsTheCanastaItTookACardFrom) {
    NetTable game;
    game.RemoteTurn({.opponentHand = "club6", .opponentMelds = kEightsCanasta});
    ASSERT_EQ(game.state().OpponentTally.canastaCount, 1);
    const int32_t points = game.state().OpponentMeldPoints;
    game.Get(Message(kTokenUndoMeld, CardRefCode(*CardIdFromName("spade8"), 7)));
    EXPECT_EQ(Names(game.state().OpponentHand), "club6 spade8");
    EXPECT_EQ(Names(game.state().OpponentMelds), "heart8 club8 spade8 diamond8 club8 heart8");
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
    game.Get(Message(kTokenDrawPileTop) + Message(kTokenMeld, Id("club7")) +
             Message(kTokenMeld, Id("heart7")) + Message(kTokenUndoPile));
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
    const std::string canasta = kEightsCanasta;
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
        {"two black threes", canasta + " | club3 spade3", 1, false, false},
        {"three black threes", canasta + " | club3 spade3 club3", 1, false, true},
        {"a meld of two", canasta + " | heart5 club5", 1, false, false},
        {"more wild cards than naturals", canasta + " | heart5 club5 joker joker joker", 1, false,
         false},
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

}  // namespace
}  // namespace tavolex::test
