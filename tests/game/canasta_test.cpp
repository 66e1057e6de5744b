// When a column becomes a canasta, how it is counted and how it lies on the table.
#include <gtest/gtest.h>

#include <string>
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

// The kind shows on top: a red natural on a natural canasta, a black one on a mixed canasta.
TEST(Canasta, TheCompletingCardSquaresTheColumnCountedOnceByItsKind) {
    const struct {
        const char* melds;
        const char* card;  // melded once, twice with the natural canasta
        int column;
        uint8_t kind;
        const char* top;
    } cases[] = {
        {"spade10 spade10 club10 club10 diamond10 diamond10", "heart10", kTenColumn,
         kNaturalCanasta, "heart10"},
        {"heart9 diamond9 heart9 diamond9 joker joker", "spade9", kNineColumn, kMixedCanasta,
         "spade9"},
        {"heart9 diamond9 heart9 diamond9 spade9 joker", "club9", kNineColumn, kMixedCanasta,
         "club9"},
        // Three naturals under four wild cards are no canasta; the fourth natural makes eight.
        {"spadeh clubh hearth joker joker spade2 diamond2", "diamondh", kKingColumn, kMixedCanasta,
         "clubh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.melds);
        HeadlessGame game;
        const int times = c.kind == kNaturalCanasta ? 2 : 1;
        BuildPosition(game, {.playerHand = std::string(c.card) + " " + c.card + " heart4",
                             .playerMelds = c.melds});
        EXPECT_EQ(game.state().PlayerTally.canastaCount, 0);
        const CardPile& melds = game.state().PlayerMelds;
        const int base = game.table.layout.OwnMeldTop + kCardStep;
        for (int i = 0; i < times; ++i) {
            MeldCard(game.table, IndexOf(game.state().PlayerHand, c.card));
            const std::vector<int> ys = ColumnYs(melds, game.table.layout, c.column);
            EXPECT_EQ(ys, std::vector<int>(ys.size(), base));
        }
        const MeldTally& tally = game.state().PlayerTally;
        EXPECT_EQ(tally.canastaCount, 1);
        EXPECT_EQ(tally.CanastaKind[c.column], c.kind);
        EXPECT_EQ(game.sounds.events,
                  std::vector<int>{c.kind == kNaturalCanasta ? kSoundNaturalCanasta
                                                             : kSoundMixedCanasta});
        EXPECT_EQ(CardNameOf(melds.Top().cardId), c.top);
    }
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
