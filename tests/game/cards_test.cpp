#include "game/cards.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TEST(Cards, RanksPointsAndNames) {
    for (uint8_t ace : {13, 26, 39, 52}) EXPECT_EQ(RankOf(ace), 13);
    for (uint8_t deuce : {1, 14, 27, 40}) EXPECT_EQ(RankOf(deuce), 1);
    EXPECT_EQ(RankOf(kJokerId), 0);
    // Black threes 5, red threes 0, joker 50, deuces and aces 20, eights 10, sevens 5.
    const int points[][2] = {{2, 5},  {15, 5},  {28, 0}, {41, 0}, {kJokerId, 50},
                             {1, 20}, {13, 20}, {7, 10}, {6, 5}};
    for (const auto& [cardId, expected] : points)
        EXPECT_EQ(PointsOf(static_cast<uint8_t>(cardId)), expected) << cardId;

    EXPECT_EQ(CardName(3, 9).name, "heartb");
    EXPECT_EQ(CardName(3, 9).cardId, 49);
    EXPECT_EQ(CardNameOf(9), "spade10");
    for (uint8_t id = 1; id <= 53; ++id) EXPECT_EQ(CardIdFromName(CardNameOf(id)), id);
    EXPECT_FALSE(CardIdFromName("heart1").has_value());
}

}  // namespace
}  // namespace tavolex
