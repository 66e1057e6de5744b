#include "network/rule_differences.h"

#include <gtest/gtest.h>

#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "network/peer_message.h"
#include "table/headless_game.h"
#include "table/rules_change.h"

namespace tavolex {
namespace {

// The player's own rules: the standard ones, drawing one card, no canasta required, adding the
// top card to an existing meld.
RuleOptions OwnRules() {
    RuleOptions rules = HoyleRules();
    rules.NumberOfCards = 1;
    rules.CanastaRequired = 0;
    rules.AddExistingMeld = 0;
    return rules;
}

struct RulesTable : HeadlessGame {
    RulesTable() {
        WriteRuleOptions(settings, OwnRules());
        table.rules() = OwnRules();
        table.NetworkActive = true;
    }
};

RuleOptions DrawTwo() {
    RuleOptions rules = OwnRules();
    rules.NumberOfCards = 2;
    return rules;
}

TEST(CompareRules, ListsTheOptionsThatDiffer) {
    struct Case {
        RuleOptions opponent;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {
        {OwnRules(), {}},
        {DrawTwo(), {{"Number of Cards drawn each turn", "One", "Two"}}},
        {[] {
             RuleOptions rules = OwnRules();
             rules.CanastaRequired = 1;
             rules.AddExistingMeld = 1;
             return rules;
         }(),
         {{"Canasta Required for Positive Score", "No", "Yes"},
          {"Don't add top card to existing meld", "No", "Yes"}}},
    };
    RulesTable game;
    for (const Case& c : cases) {
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
    EXPECT_TRUE(CompareRules(game.table, RulesString(DrawTwo())).differences.empty());
}

TEST(UseOpponentsRules, AdoptsAndSendsThemWithoutStoringThem) {
    RulesTable game;
    const RuleComparison comparison = CompareRules(game.table, RulesString(DrawTwo()));
    ASSERT_TRUE(UseOpponentsRules(game.table, comparison.opponentRulesText));
    EXPECT_EQ(game.table.rules(), DrawTwo());
    ASSERT_EQ(game.peer.sent.size(), 1u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenRules);
    EXPECT_EQ(DecodeRulesString(game.peer.sent[0].parameters), DrawTwo());
    EXPECT_TRUE(CompareRules(game.table, RulesString(DrawTwo())).differences.empty());
    EXPECT_EQ(LoadRuleOptions(game.settings), OwnRules());

    EXPECT_FALSE(UseOpponentsRules(game.table, "T"));
    EXPECT_EQ(game.table.rules(), DrawTwo());
}

TEST(ApplyRuleOptions, SendsTheNewRulesInANetworkGame) {
    RulesTable game;
    ApplyRuleOptions(game.table, DrawTwo());
    ASSERT_EQ(game.peer.sent.size(), 1u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenRules);
    EXPECT_EQ(game.peer.sent[0].parameters, RulesString(DrawTwo()));
}

}  // namespace
}  // namespace tavolex
