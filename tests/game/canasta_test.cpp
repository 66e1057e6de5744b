// When a column becomes a canasta, how it is counted and how it lies on the table.
#include <gtest/gtest.h>

#include <vector>

#include "game/melds.h"
#include "game/sounds.h"
#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::ColumnYs;
using test::IndexOf;

constexpr int kNineColumn = 8;
constexpr int kTenColumn = 9;
constexpr int kKingColumn = 12;

TEST(Canasta, TheSeventhCardSquaresTheColumnAndCountsOnce) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "heart10 heart10 heart4 heart6",
                         .playerMelds = "spade10 spade10 club10 club10 diamond10 diamond10"});
    const int base = game.table.layout.OwnMeldTop + kCardStep;
    for (int melded = 7; melded <= 8; ++melded) {
        MeldCard(game.table, IndexOf(game.state().PlayerHand, "heart10"));
        EXPECT_EQ(ColumnYs(game.state().PlayerMelds, game.table.layout, kTenColumn),
                  std::vector<int>(melded, base));
    }
    const MeldTally& tally = game.state().PlayerTally;
    EXPECT_EQ(tally.canastaCount, 1);
    EXPECT_EQ(tally.CanastaKind[kTenColumn], kNaturalCanasta);
    EXPECT_EQ(game.sounds.events, std::vector<int>{kSoundNaturalCanasta});
    // A natural canasta shows a red card on top.
    EXPECT_EQ(CardNameOf(game.state().PlayerMelds.Top().cardId), "heart10");
    EXPECT_EQ(test::CheckPackInvariant(game), "");
}

TEST(Canasta, AMixedCanastaShowsABlackNaturalOnTop) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "joker heart4 heart6",
                         .playerMelds = "spade9 heart9 diamond9 heart9 diamond9 joker"});
    WildOntoMeld(game.table, kNineColumn, false);
    EXPECT_EQ(game.state().PlayerTally.CanastaKind[kNineColumn], kMixedCanasta);
    EXPECT_EQ(game.sounds.events, std::vector<int>{kSoundMixedCanasta});
    EXPECT_EQ(CardNameOf(game.state().PlayerMelds.Top().cardId), "spade9");
}

// Three naturals under four wild cards are no canasta; the fourth natural makes the eighth card.
TEST(Canasta, ACanastaFirstReachedWithTheEighthCardCounts) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "diamondh heart4 heart6",
                         .playerMelds = "spadeh clubh hearth joker joker spade2 diamond2"});
    EXPECT_EQ(game.state().PlayerTally.canastaCount, 0);
    MeldCard(game.table, IndexOf(game.state().PlayerHand, "diamondh"));
    EXPECT_EQ(game.state().PlayerTally.CanastaKind[kKingColumn], kMixedCanasta);
    EXPECT_EQ(test::CheckPackInvariant(game), "");
}

TEST(Canasta, TheOpponentsCanastaIsSquaredUpwardInSilenceAfterAPause) {
    HeadlessGame game;
    BuildPosition(game, {.opponentMelds = "spade10 spade10 club10 club10 diamond10 diamond10"});
    GameState& state = game.state();
    CardRecord seventh = state.Stock.cards[IndexOf(state.Stock, "heart10")];
    RemoveCardById(state.Stock, seventh.cardId);
    PlaceInColumnAt(state.OpponentMelds, false, false, kTenColumn, seventh);
    PushCard(state.OpponentMelds, seventh);

    EXPECT_TRUE(SquareCanasta(game.table, state.OpponentMelds, false, kTenColumn));
    EXPECT_EQ(state.OpponentTally.canastaCount, 1);
    EXPECT_TRUE(game.sounds.events.empty());
    EXPECT_EQ(game.view.pausedMs, game.table.MeldDelay);
    EXPECT_EQ(ColumnYs(state.OpponentMelds, game.table.layout, kTenColumn),
              std::vector<int>(7, game.table.layout.OpponentMeldTop - kCardStep));
}

}  // namespace
}  // namespace tavolex
