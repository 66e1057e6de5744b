// The Expert's discard: freezing the pile with a spare wild card, or with a red three from the
// table before opening.
#include <gtest/gtest.h>

#include "computer/computer_turn.h"
#include "computer/expert.h"
#include "computer/expert_parts.h"
#include "expert_table.h"

namespace tavolex {
namespace {

using test::ExpertTable;
using test::Names;

// A new hand: what the computer remembered of the last one is forgotten, as at a deal.
void Build(ExpertTable& table, const test::Position& position) {
    table.Build(position);
    table.game.table.computer.ResetHand();
}

std::string Chosen(ExpertTable& table) {
    const DiscardChoice choice = ExpertChooseDiscard(table.turn);
    if (choice.handIndex < 0) return "nothing";
    return CardNameOf(table.game.state().OpponentHand.cards[choice.handIndex].cardId);
}

TEST(ExpertDiscard, SpareWildCardsKeepAFrozenPileFrozenMostlyWithATwo) {
    ExpertTable table;
    Build(table, {.opponentHand = "spade9 joker heart6 club2 joker heart2 diamond2 clubb",
                  .opponentMelds = "spadea cluba diamonda",
                  .discardPile = "heart4 spade7",
                  .pileFrozen = true});
    int twos = 0;
    constexpr int kCalls = 500;
    for (uint32_t seed = 1; seed <= kCalls; ++seed) {
        table.game.random.Seed(seed);
        const std::string card = Chosen(table);
        ASSERT_TRUE(card == "joker" || card == "club2") << card;
        if (card == "club2") ++twos;
        // One draw per choice, so a seeded game replays.
        Random replay(seed);
        replay.Below(10);
        EXPECT_EQ(table.game.random, replay);
    }
    EXPECT_GT(twos, kCalls * 7 / 10);
    EXPECT_LT(twos, kCalls * 9 / 10);

    // With the pile open and the canasta made, the wild cards stay in hand.
    Build(table, {.opponentHand = "spade9 joker heart6 club2 joker heart2 diamond2 clubb",
                  .opponentMelds = "spadea cluba diamonda spadea cluba diamonda hearta",
                  .discardPile = "heart4 spade7"});
    EXPECT_EQ(Chosen(table), "heart6");
}

TEST(ExpertDiscard, BeforeOpeningARedThreeFromTheTableFreezesThePile) {
    RuleOptions rules;
    rules.NumberOfCanastas = 2;
    rules.ThreeBlock = 1;
    const test::Position position{
        .playerHand = "heart10 heartb spade10",
        .opponentHand =
            "spade5 club6 diamond7 heart8 spade9 club10 diamondb heartv spadeh cluba "
            "spade4 club5",
        .opponentMelds = "heart3 diamond3",
        .stock = "diamond4"};
    ExpertTable table(rules);
    Build(table, position);
    const CardPile& melds = table.game.state().OpponentMelds;
    ExpertTurn(table.game.table);

    const GameState& state = table.game.state();
    EXPECT_EQ(Names(state.DiscardPile), "heart3");
    EXPECT_EQ(state.PileFrozen, 1);
    EXPECT_EQ(state.OpponentHand.count, 13);  // the drawn card kept, nothing discarded
    EXPECT_EQ(Names(melds), "diamond3");

    // Fourteen cards after the draw: the red threes stay and a card of the hand goes.
    test::Position longerHand = position;
    longerHand.opponentHand += " heart7";
    Build(table, longerHand);
    ExpertTurn(table.game.table);
    EXPECT_EQ(table.game.state().OpponentMelds.count, 2);
    EXPECT_EQ(table.game.state().OpponentHand.count, 13);
}

}  // namespace
}  // namespace tavolex
