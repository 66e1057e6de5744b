// The Advanced: its pile decision with the draws against 16 / D^2 and 25 / D^2, an opening that
// keeps seven cards, going out and its draw against 16 / (PH^2 + 1), its discard choice and a
// whole turn from a position.
#include "computer/advanced.h"

#include <gtest/gtest.h>

#include <string>

#include "computer/advanced_parts.h"
#include "computer/census.h"
#include "computer/computer_hand.h"
#include "level_table.h"

namespace tavolex {
namespace {

using test::Names;
using test::Position;

const char* const kAceCanasta = "spadea cluba diamonda hearta spadea cluba diamonda";
const char* const kKings = "spadeh clubh diamondh";
constexpr int kSeeds = 1000;
// About three and a half standard deviations of a frequency over kSeeds draws.
constexpr double kTolerance = 0.055;

class AdvancedTable : public ::testing::Test, protected test::LevelTable {
  protected:
    AdvancedTable() : LevelTable(kAdvanced) {}

    // Builds the position with the generator seeded; probe draws the same numbers.
    TurnContext& BuildSeeded(const Position& position, uint32_t seed) {
        TurnContext& turn = Build(position);
        game.random.Seed(seed);
        probe = game.random;
        return turn;
    }

    // Over kSeeds seeds: the decision is the one the seeded draw gives, exactly one number is
    // drawn, and the share of yes answers.
    template <typename Decide>
    double CheckDraws(const Position& position, double threshold, bool yesAbove, Decide decide) {
        int yes = 0;
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            TurnContext& turn = BuildSeeded(position, seed);
            const double r = probe.Real();
            const bool answer = decide(turn);
            EXPECT_EQ(answer, yesAbove ? r > threshold : r < threshold) << "seed " << seed;
            EXPECT_EQ(game.random, probe) << "seed " << seed << ": one draw";
            yes += answer;
        }
        return static_cast<double>(yes) / kSeeds;
    }

    Random probe;
};

// The computer's kings' meld and a king on top of cards of other ranks.
Position KingOnPile(const std::string& below, const char* hand = "heart4 club7 spade9") {
    return {.opponentHand = hand, .opponentMelds = kKings, .discardPile = below + " spadeh"};
}

TEST_F(AdvancedTable, AMeldWithoutAPairTakesThePileAbove16OverD2) {
    auto take = [](TurnContext& turn) { return AdvShouldTakePile(turn); };
    // Eight cards: taken with probability 3/4.
    const double share = CheckDraws(KingOnPile("club5 diamond6 heart8 spade10 club4 heart6 spadeb"),
                                    0.25, true, take);
    EXPECT_NEAR(share, 0.75, kTolerance);
    // Four cards: 16 / 16 = 1, never.
    for (uint32_t seed = 1; seed <= 100; ++seed)
        EXPECT_FALSE(AdvShouldTakePile(BuildSeeded(KingOnPile("club5 diamond6 heart8"), seed)));
}

TEST_F(AdvancedTable, WithCanastasRequiredAPileWithoutACanastaInViewIsTakenAbove25OverD2) {
    game.state().Rules.CanastaRequired = 1;
    auto take = [](TurnContext& turn) { return AdvShouldTakePile(turn); };
    const double share =
        CheckDraws(KingOnPile("club5 diamond6 heart8 spade10 club4"), 25.0 / 36, true, take);
    EXPECT_NEAR(share, 11.0 / 36, kTolerance);
    // A canasta in view (three jokers) takes it without a draw.
    EXPECT_TRUE(AdvShouldTakePile(
        BuildSeeded(KingOnPile("club5 diamond6 heart8", "heart4 joker joker joker"), 3)));
    EXPECT_EQ(game.random, probe);
    // A hand that cannot open refuses it, again without a draw: the kings (30) are short of 50.
    EXPECT_FALSE(AdvShouldTakePile(BuildSeeded(
        {.opponentHand = "hearth clubh heart4 club7 spade9", .discardPile = "club5 spadeh"}, 3)));
    EXPECT_EQ(game.random, probe);
}

TEST_F(AdvancedTable, GoingOutLaysBlackThreesAndEveryWildCard) {
    AdvGoOutWithWilds(
        Build({.opponentHand = "club3 spade3 club3 heart4 club4 joker joker",
               .opponentMelds = std::string(kAceCanasta) + " | spade9 club9 heart9"}));
    CardCensus(game.table);
    const GameState& state = game.state();
    EXPECT_EQ(state.OpponentHand.count, 0);
    EXPECT_EQ(state.OpponentMeldCount[kRankThree], 3);
    EXPECT_EQ(WildsInMeld(game.table, 3), 2);  // the fours' meld takes both jokers
}

// The computer has a canasta and a nine for its meld of nines, which it lays only when it
// decides to go out.
Position GoingOutPosition(const char* playerHand) {
    return {.playerHand = playerHand,
            .opponentHand = "diamond9 heart4 club7 spade10",
            .opponentMelds = std::string(kAceCanasta) + " | spade9 club9 heart9",
            .discardPile = "club5"};
}

TEST_F(AdvancedTable, GoingOutIsDrawnAgainst16OverThePlayersHandSquaredPlusOne) {
    AdvancedLevel level;
    auto goesOut = [&](TurnContext& turn) {
        level.MeldPhase(turn);
        CardCensus(game.table);
        return game.state().OpponentMeldCount[8] == 4;
    };
    const double share = CheckDraws(GoingOutPosition("spade4 spade5 spade6 spade8 club8 diamond8"),
                                    16.0 / 37, false, goesOut);
    EXPECT_NEAR(share, 16.0 / 37, kTolerance);
    // One card in the player's hand: 16 / 2, certain.
    for (uint32_t seed = 1; seed <= 100; ++seed)
        EXPECT_TRUE(goesOut(BuildSeeded(GoingOutPosition("spade4"), seed)));
}

TEST_F(AdvancedTable, OnALargePileABlackThreeGoesElseATwoFreezesAgainstAMeldedRank) {
    const char* large = "club5 diamond6 heart8 spade10 club4 heart6";
    EXPECT_EQ(Chosen(AdvChooseDiscard(Build({.opponentHand = "heart4 club3 spade9 club9",
                                             .opponentMelds = kKings,
                                             .discardPile = large}))),
              "club3");
    EXPECT_EQ(Chosen(AdvChooseDiscard(Build({.playerHand = "spade4 spade5",
                                             .playerMelds = "spade9 diamond9 heart9",
                                             .opponentHand = "heart9 club9 spade2",
                                             .opponentMelds = kKings,
                                             .discardPile = large}))),
              "spade2");
}

// Five kings with the top one and two jokers: the opening is a whole canasta.
TEST_F(AdvancedTable, AWholeTurnOpensWithACanastaFromThePile) {
    BuildSeeded({.playerHand = "spade4 spade5 spade6 spade8 club8 diamond8 heart5 heart6 heart7 "
                               "club10 diamondb",
                 .opponentHand = "spadeh clubh diamondh hearth joker joker heart4 club5 diamond6 "
                                 "spade7 heart8 club9 diamond10",
                 .discardPile = "heart10 spadeh"},
                11);
    // The draws: the pile decision, going out, the discard's scan direction.
    probe.Real();
    probe.Real();
    const bool downward = probe.Real() >= 0.8;
    PlayTurn();
    const GameState& state = game.state();
    EXPECT_EQ(state.OpponentTally.canastaCount, 1);
    EXPECT_EQ(state.OpponentMeldPoints, 50 + 100);
    EXPECT_EQ(Names(state.DiscardPile), downward ? "club9" : "heart4");
    EXPECT_EQ(game.random, probe);
}

TEST_F(AdvancedTable, AnOpeningMustKeepSevenCards) {
    const std::string elevenCards =
        "hearta spadea cluba diamonda hearta heart4 club5 diamond6 "
        "spade7 heart8 club9";
    int wild = 0;
    EXPECT_FALSE(AdvOpeningReachable(Build({.opponentHand = elevenCards}), wild));
    EXPECT_TRUE(AdvOpeningReachable(Build({.opponentHand = elevenCards + " diamond10"}), wild));
}

}  // namespace
}  // namespace tavolex
