#include "game/cards.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TEST(Cards, RankCodesOfAcesDeucesAndJoker) {
    for (uint8_t ace : {13, 26, 39, 52}) EXPECT_EQ(RankOf(ace), 13);
    for (uint8_t deuce : {1, 14, 27, 40}) EXPECT_EQ(RankOf(deuce), 1);
    EXPECT_EQ(RankOf(kJokerId), 0);
}

TEST(Cards, PointsOfThreesFollowTheirColour) {
    EXPECT_EQ(PointsOf(2), 5);
    EXPECT_EQ(PointsOf(15), 5);
    EXPECT_EQ(PointsOf(28), 0);
    EXPECT_EQ(PointsOf(41), 0);
    EXPECT_EQ(PointsOf(kJokerId), 50);
    EXPECT_EQ(PointsOf(1), 20);
    EXPECT_EQ(PointsOf(13), 20);
    EXPECT_EQ(PointsOf(7), 10);  // spade 8
    EXPECT_EQ(PointsOf(6), 5);   // spade 7
}

TEST(Cards, NamesRoundTrip) {
    EXPECT_EQ(CardName(3, 9).name, "heartb");
    EXPECT_EQ(CardName(3, 9).cardId, 49);
    EXPECT_EQ(CardNameOf(9), "spade10");
    for (uint8_t id = 1; id <= 53; ++id) EXPECT_EQ(CardIdFromName(CardNameOf(id)), id);
    EXPECT_FALSE(CardIdFromName("heart1").has_value());
}

}  // namespace
}  // namespace tavolex
