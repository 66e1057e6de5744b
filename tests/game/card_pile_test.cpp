#include "game/card_pile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/internal_error.h"

namespace tavolex {
namespace {

// A column of cards laid from an anchor, downward as the player's hand lays them or upward.
CardPile ColumnOf(int count, uint8_t cardId, bool downward, int anchorY) {
    CardPile pile;
    pile.anchors[RankOf(cardId)] = {100, anchorY};
    for (int i = 0; i < count; ++i) {
        CardRecord card = MakeCard(cardId, static_cast<uint8_t>(i % 2));
        PlaceInColumn(pile, downward, false, card);
        PushCard(pile, card);
    }
    return pile;
}

std::vector<int> Ys(const CardPile& pile) {
    std::vector<int> ys;
    for (const CardRecord& card : pile) ys.push_back(card.y);
    return ys;
}

TEST(CardPile, RemovingFromAColumnClosesTheGapUnlessTheAnchorIsKept) {
    CardPile pile = ColumnOf(5, 7, true, 300);
    EXPECT_EQ(Ys(pile), (std::vector<int>{312, 324, 336, 348, 360}));
    const auto removed = RemoveCardAt(pile, +1, 2, false, RankOf(7));
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->y, 336);
    EXPECT_EQ(Ys(pile), (std::vector<int>{312, 324, 336, 348}));
    // The next card lands right under the new last card.
    CardRecord next = MakeCard(7, 0);
    PlaceInColumn(pile, true, false, next);
    EXPECT_EQ(next.y, 360);

    pile = ColumnOf(3, 7, true, 300);
    RemoveCardAt(pile, +1, 0, true, RankOf(7));
    EXPECT_EQ(Ys(pile), (std::vector<int>{324, 336}));
    EXPECT_EQ(pile.anchors[RankOf(7)].y, 336);

    // Upward columns grow and shrink upward, back toward the anchor's start.
    pile = ColumnOf(3, 5, false, 200);
    EXPECT_EQ(Ys(pile), (std::vector<int>{188, 176, 164}));
    RemoveCardAt(pile, -1, 0, false, RankOf(5));
    EXPECT_EQ(Ys(pile), (std::vector<int>{188, 176}));
    EXPECT_EQ(pile.anchors[RankOf(5)].y, 176);
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
