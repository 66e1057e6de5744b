// The thirteen rule options of a local Canasta variant.
#pragma once

#include <cstdint>

namespace tavolex {

class SettingsStore;

struct RuleOptions {
    uint8_t CanastaRequired = 0;
    int32_t NumberOfCanastas = 1;
    int32_t NumberOfCards = 1;
    uint8_t AddToCanasta = 1;
    uint8_t TopCardCounts = 1;
    uint8_t InitialBlock = 1;
    uint8_t NaturalPair = 1;
    uint8_t AddExistingMeld = 0;
    uint8_t DrawExtra = 1;
    uint8_t ThreeBlock = 0;
    uint8_t BonusCounts = 0;
    uint8_t InitialBlockForBoth = 1;
    uint8_t WildcardCanasta = 1;

    bool operator==(const RuleOptions&) const = default;
};

// The published standard rules ("Hoyle Rules").
RuleOptions HoyleRules();

// Settings value names, in the order of the record (the dialog's write-back order).
extern const char* const kRuleValueNames[13];
// The settings value the dialog writes for the first option (the store ignores case).
extern const char* const kCanastaRequiredWriteName;
extern const char* const kRulesHintUnlocked;
extern const char* const kRulesHintLocked;

RuleOptions LoadRuleOptions(SettingsStore& store);
void WriteRuleOptions(SettingsStore& store, const RuleOptions& rules);

}  // namespace tavolex
