#include "game/card_pile.h"

#include <gtest/gtest.h>

#include <string>

#include "game/internal_error.h"

namespace tavolex {
namespace {

// A column of cards laid downward from an anchor, as the player's hand lays them.
CardPile ColumnOf(int count, uint8_t cardId) {
    CardPile pile;
    pile.anchors[RankOf(cardId)] = {100, 300};
    for (int i = 0; i < count; ++i) {
        CardRecord card = MakeCard(cardId, static_cast<uint8_t>(i % 2));
        PlaceInColumn(pile, true, false, card);
        PushCard(pile, card);
    }
    return pile;
}

TEST(CardPile, RemovingTheMiddleOfAColumnClosesTheGap) {
    CardPile pile = ColumnOf(5, 7);  // five cards at y 312 .. 360
    const auto removed = RemoveCardAt(pile, +1, 2, false, RankOf(7));
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->y, 336);
    ASSERT_EQ(pile.count, 4);
    EXPECT_EQ(pile.cards[0].y, 312);
    EXPECT_EQ(pile.cards[1].y, 324);
    EXPECT_EQ(pile.cards[2].y, 336);  // moved up by 12
    EXPECT_EQ(pile.cards[3].y, 348);
    // The next card lands right under the new last card.
    CardRecord next = MakeCard(7, 0);
    PlaceInColumn(pile, true, false, next);
    EXPECT_EQ(next.y, 360);
}

TEST(CardPile, KeepingTheAnchorLeavesTheColumnWhereItIs) {
    CardPile pile = ColumnOf(3, 7);
    RemoveCardAt(pile, +1, 0, true, RankOf(7));
    EXPECT_EQ(pile.cards[0].y, 324);
    EXPECT_EQ(pile.anchors[RankOf(7)].y, 336);
}

TEST(CardPile, UpwardColumnsGrowAndShrinkUpward) {
    CardPile pile;
    pile.anchors[5] = {50, 200};
    for (int i = 0; i < 3; ++i) {
        CardRecord card = MakeCard(5, 0);
        PlaceInColumn(pile, false, false, card);
        PushCard(pile, card);
    }
    EXPECT_EQ(pile.cards[2].y, 164);
    RemoveCardAt(pile, -1, 0, false, 5);
    EXPECT_EQ(pile.cards[0].y, 188);  // both moved back down toward the anchor's start
    EXPECT_EQ(pile.cards[1].y, 176);
    EXPECT_EQ(pile.anchors[5].y, 176);
}

TEST(CardPile, RemoveByIdTakesTheLowerCopyOnly) {
    CardPile pile;
    PushCard(pile, MakeCard(10, 1));
    PushCard(pile, MakeCard(20, 0));
    PushCard(pile, MakeCard(10, 0));
    RemoveCardById(pile, 10);
    ASSERT_EQ(pile.count, 2);
    EXPECT_EQ(pile.cards[0].cardId, 20);
    EXPECT_EQ(pile.cards[1].deck, 0);
    RemoveCardById(pile, 33);  // none there: nothing happens
    EXPECT_EQ(pile.count, 2);
}

TEST(CardPile, GuardsRefuseInsteadOfWritingPastThePile) {
    std::string reported;
    const InternalErrorHandler previous =
        SetInternalErrorHandler([&](const std::string& text) { reported = text; });
    CardPile pile;
    for (int i = 0; i < kMaxPile; ++i) ASSERT_TRUE(PushCard(pile, MakeCard(5, 0)));
    const CardPile full = pile;
    EXPECT_FALSE(PushCard(pile, MakeCard(6, 0)));
    EXPECT_NE(reported.find("PushCard"), std::string::npos);
    EXPECT_EQ(pile, full);

    reported.clear();
    EXPECT_FALSE(RemoveCardAt(pile, +1, kMaxPile, false, 3));
    EXPECT_FALSE(reported.empty());
    CardRecord card = MakeCard(5, 0);
    PlaceInColumnAt(pile, true, false, kColumns, card);
    EXPECT_EQ(pile, full);

    CardPile empty;
    EXPECT_FALSE(PopCard(empty));
    SetInternalErrorHandler(previous);
}

}  // namespace
}  // namespace tavolex
