// How cards and rule options are written into peer messages.
#pragma once

#include <array>
#include <string>

#include "game/cards.h"
#include "game/rule_options.h"

namespace tavolex {

// Wire characters are small numbers shifted past the control characters.
constexpr int kWireOffset = 32;
// The second deck's cards carry this bit in their one-character code.
constexpr int kSecondDeckBit = 64;

// One character: the card id, with the second deck marked.
char CardCode(const CardRecord& card);
// Two characters: the card id and the meld column it lies in.
std::string CardRefCode(uint8_t cardId, int column);

// The thirteen options in the order the peer exchanges them; the two counts are 1 or 2, the
// other options yes (1) or no (0).
constexpr int kRuleFieldCount = 13;
using RuleFields = std::array<int32_t, kRuleFieldCount>;
bool IsCountField(int field);
RuleFields RuleFieldsOf(const RuleOptions& rules);
RuleOptions RulesFromFields(const RuleFields& fields);

// The options as separated fields: "T"/"F", the counts in decimal.
std::string RulesString(const RuleOptions& rules);

}  // namespace tavolex
