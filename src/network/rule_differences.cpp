#include "network/rule_differences.h"

#include <array>
#include <optional>

#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "game/table.h"
#include "network/peer_message.h"

namespace tavolex {

namespace {

constexpr std::array<const char*, kRuleFieldCount> kRuleNames = {
    "Canasta Required for Positive Score",      "Number of Canastas required to go out",
    "Number of Cards drawn each turn",          "Add top card to Canasta",
    "Top card counts for initial meld",         "Discard Pile initially frozen",
    "Natural pair required for taking pile",    "Draw extra card for Red Three",
    "Discarding Red Three freezes pile",        "Canasta Bonus counts for initial meld",
    "Initial Freeze separate for both players", "Wildcard Canasta allowed",
    "Don't add top card to existing meld"};

std::string DisplayWord(int field, std::string_view value) {
    if (IsCountField(field)) return value == "1" ? "One" : "Two";
    return value == "T" ? "Yes" : "No";
}

}  // namespace

RuleComparison CompareRules(const Table& table, std::string_view opponentRules) {
    RuleComparison comparison;
    if (!table.NetworkActive) return comparison;
    const std::string ownRules = RulesString(table.state.Rules);
    std::string_view own = ownRules;
    for (int field = 0; field < kRuleFieldCount; ++field) {
        const std::string_view ownField = NextField(own);
        const std::string_view opponentField = NextField(opponentRules);
        comparison.opponentRulesText += opponentField;
        comparison.opponentRulesText += kFieldSeparator;
        if (ownField != opponentField) {
            comparison.differences.push_back({kRuleNames[field], DisplayWord(field, ownField),
                                              DisplayWord(field, opponentField)});
        }
    }
    return comparison;
}

bool UseOpponentsRules(Table& table, std::string_view opponentRulesText) {
    std::string_view text = opponentRulesText;
    // The kept text ends each field with a separator; the last one is not part of the rules.
    if (!text.empty()) text.remove_suffix(1);
    const std::optional<RuleOptions> rules = DecodeRulesString(text);
    if (!rules) return false;
    table.rules() = *rules;
    table.SendToken(kTokenRules, RulesString(*rules));
    return true;
}

}  // namespace tavolex
