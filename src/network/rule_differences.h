// The rule options in which the two players of a network game differ, and adopting the
// opponent's. Adopted options stay out of the settings: the end of the network game reloads the
// player's own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolex {

class Table;

struct RuleDifference {
    std::string rule;  // the rule's name as the list shows it
    std::string own;   // "Yes"/"No" or "One"/"Two"
    std::string opponent;
};

struct RuleComparison {
    std::vector<RuleDifference> differences;
    // The opponent's fields as compared, each followed by a separator: what UseOpponentsRules
    // takes over.
    std::string opponentRulesText;
};

// Compares the player's options with the opponent's rules text, field by field. Nothing is
// compared while no network game runs.
RuleComparison CompareRules(const Table& table, std::string_view opponentRules);

// Takes the compared opponent's rules as the player's for this game and sends them back, so the
// other side finds no differences. False (and nothing changed) when the text is not valid.
bool UseOpponentsRules(Table& table, std::string_view opponentRulesText);

}  // namespace tavolex
