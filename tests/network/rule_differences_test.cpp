#include "network/rule_differences.h"

#include <gtest/gtest.h>

#include "game/peer_codes.h"
#include "table/headless_game.h"

namespace tavolex {
namespace {

// Only the options that differ are listed, counts as words and flags as Yes or No, and only
// in a network game.
TEST(CompareRules, ListsTheOptionsThatDifferInANetworkGame) {
    HeadlessGame game;
    RuleOptions& own = game.table.rules();
    own = HoyleRules();
    own.NumberOfCards = 1;
    own.CanastaRequired = 0;
    RuleOptions theirs = own;
    theirs.NumberOfCards = 2;
    theirs.CanastaRequired = 1;
    const std::string text = RulesString(theirs);
    game.table.NetworkActive = true;
    const RuleComparison comparison = CompareRules(game.table, text);
    std::vector<std::string> rows;
    for (const RuleDifference& row : comparison.differences)
        rows.push_back(row.rule + "|" + row.own + "|" + row.opponent);
    EXPECT_EQ(rows, (std::vector<std::string>{"Canasta Required for Positive Score|No|Yes",
                                              "Number of Cards drawn each turn|One|Two"}));
    EXPECT_EQ(comparison.opponentRulesText, text + kFieldSeparator);
    game.table.NetworkActive = false;
    EXPECT_TRUE(CompareRules(game.table, text).differences.empty());
}

}  // namespace
}  // namespace tavolex
