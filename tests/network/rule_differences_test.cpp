#include "network/rule_differences.h"

#include <gtest/gtest.h>

#include "game/peer_codes.h"
#include "table/headless_game.h"

namespace tavolex {
namespace {

// The player's own rules are the standard ones, drawing one card, no canasta required, adding
// the top card to an existing meld; only the options that differ are listed, and only in a
// network game.
TEST(CompareRules, ListsTheOptionsThatDifferInANetworkGame) {
    RuleOptions own = HoyleRules();
    own.NumberOfCards = 1;
    own.CanastaRequired = 0;
    own.AddExistingMeld = 0;
    RuleOptions drawTwo = own;
    drawTwo.NumberOfCards = 2;
    RuleOptions twoOthers = own;
    twoOthers.CanastaRequired = 1;
    twoOthers.AddExistingMeld = 1;
    const struct {
        RuleOptions opponent;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {
        {own, {}},
        {drawTwo, {{"Number of Cards drawn each turn", "One", "Two"}}},
        {twoOthers,
         {{"Canasta Required for Positive Score", "No", "Yes"},
          {"Don't add top card to existing meld", "No", "Yes"}}},
    };
    HeadlessGame game;
    game.table.rules() = own;
    game.table.NetworkActive = true;
    for (const auto& c : cases) {
        const std::string text = RulesString(c.opponent);
        const RuleComparison comparison = CompareRules(game.table, text);
        std::vector<std::vector<std::string>> rows;
        for (const RuleDifference& row : comparison.differences) {
            rows.push_back({row.rule, row.own, row.opponent});
        }
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(comparison.opponentRulesText, text + kFieldSeparator);
    }
    game.table.NetworkActive = false;
    EXPECT_TRUE(CompareRules(game.table, RulesString(drawTwo)).differences.empty());
}

}  // namespace
}  // namespace tavolex
