// Computer against computer: a seeded run replays exactly, and the results add up.
#include "app/cli/computer_match.h"

#include <gtest/gtest.h>

#include <numeric>

#include "app/cli/match_report.h"

namespace tavolex::cli {
namespace {

struct MatchRun {
    uint64_t checksum = 0;
    size_t hands = 0;
    std::vector<int32_t> margins;
};

MatchRun PlayOneMatch(uint32_t seed, uint8_t playerLevel, uint8_t opponentLevel) {
    HeadlessGame game(seed);
    game.table.MeldDelay = 0;
    ComputerMatch match(game, playerLevel, opponentLevel);
    const std::optional<std::string> failure = match.PlayMatches(1);
    EXPECT_FALSE(failure) << *failure;
    return {ResultsChecksum(match), match.hands().size(), match.matchMargins()};
}

TEST(ComputerMatch, TheSameSeedPlaysTheSameMatch) {
    const MatchRun first = PlayOneMatch(21, kExpert, kAdvanced);
    const MatchRun second = PlayOneMatch(21, kExpert, kAdvanced);
    EXPECT_EQ(first.checksum, second.checksum);
    EXPECT_EQ(first.hands, second.hands);
    ASSERT_EQ(first.margins.size(), 1u);
    EXPECT_NE(first.margins[0], 0);
}

TEST(ComputerMatch, AMatchEndsWhenASideReachesFiveThousand) {
    HeadlessGame game(5);
    game.table.MeldDelay = 0;
    ComputerMatch match(game, kBeginner, kExpert);
    ASSERT_FALSE(match.PlayMatches(1));
    int32_t player = 0;
    int32_t opponent = 0;
    for (const HandOutcome& hand : match.hands()) {
        player += hand.player;
        opponent += hand.opponent;
    }
    EXPECT_TRUE(player >= 5000 || opponent >= 5000);
    EXPECT_EQ(match.matchMargins().at(0), player - opponent);
    EXPECT_GT(match.side(kPlayerSide).turns, 0);
    EXPECT_GT(match.side(kOpponentSide).turns, 0);
}

TEST(MatchReport, TheMarginsMeanAndConfidenceIntervalAreEachSidesOwn) {
    const std::vector<HandOutcome> hands = {{300, 100}, {100, 300}, {500, 100}};
    const MarginSummary player = SummarizeMargins(hands, kPlayerSide);
    const MarginSummary opponent = SummarizeMargins(hands, kOpponentSide);
    EXPECT_DOUBLE_EQ(player.mean, 400.0 / 3);
    EXPECT_DOUBLE_EQ(opponent.mean, -player.mean);
    // Sample deviation of 200, -200, 400 is 305.5; 1.96 x 305.5 / sqrt(3) = 345.7.
    EXPECT_NEAR(player.high - player.mean, 345.7, 0.1);
    EXPECT_NEAR(opponent.mean - opponent.low, 345.7, 0.1);
}

}  // namespace
}  // namespace tavolex::cli
