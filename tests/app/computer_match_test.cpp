// Computer against computer: a seeded run replays exactly, and the results add up.
#include "app/cli/computer_match.h"

#include <gtest/gtest.h>

#include "app/cli/match_report.h"

namespace tavolex::cli {
namespace {

TEST(ComputerMatch, TheSameSeedPlaysTheSameMatchAndItsPartsAddUp) {
    std::vector<uint64_t> checksums;
    for (int run = 0; run < 2; ++run) {
        HeadlessGame game(21);
        game.table.MeldDelay = 0;
        ComputerMatch match(game, kExpert, kAdvanced);
        ASSERT_FALSE(match.PlayMatches(1));
        const RunTally& tally = match.tally();
        checksums.push_back(tally.checksum);
        EXPECT_EQ(tally.matches, 1);
        EXPECT_EQ(match.side(kPlayerSide).matchesWon + match.side(kOpponentSide).matchesWon, 1);
        EXPECT_GT(match.side(kPlayerSide).turns, 0);
        // The score parts make up the whole margin, and the seams kept no record of the hands.
        double parts = 0;
        for (const RunningMean& part : tally.parts) parts += part.mean;
        EXPECT_NEAR(parts, tally.margin.mean, 1e-6);
        EXPECT_EQ(game.RecordedCount(), 0u);
    }
    EXPECT_EQ(checksums[0], checksums[1]);
}

TEST(MatchReport, TheMarginsMeanAndConfidenceIntervalAreEachSidesOwn) {
    RunningMean margins;
    for (const double margin : {200, -200, 400}) margins.Add(margin);
    const MarginSummary player = SummarizeMargins(margins, kPlayerSide);
    const MarginSummary opponent = SummarizeMargins(margins, kOpponentSide);
    EXPECT_DOUBLE_EQ(player.mean, 400.0 / 3);
    EXPECT_DOUBLE_EQ(opponent.mean, -player.mean);
    // Sample deviation of 200, -200, 400 is 305.5; 1.96 x 305.5 / sqrt(3) = 345.7.
    EXPECT_NEAR(player.high - player.mean, 345.7, 0.1);
    EXPECT_NEAR(opponent.mean - opponent.low, 345.7, 0.1);
}

}  // namespace
}  // namespace tavolex::cli
