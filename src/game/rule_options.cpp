#include "game/rule_options.h"

#include "game/settings_store.h"

namespace tavolex {

const char* const kRuleValueNames[13] = {
    "Settings\\Canasta required", "Settings\\Number of Canastas",
    "Settings\\Number of Cards",   "Settings\\Add to Canasta",
    "Settings\\Top Card Counts",   "Settings\\Initial Block",
    "Settings\\Natural Pair",      "Settings\\Add Existing Meld",
    "Settings\\Draw Extra",        "Settings\\Three Block",
    "Settings\\Bonus Counts",      "Settings\\Initial Block for Both",
    "Settings\\Wildcard Canasta",
};
const char* const kCanastaRequiredWriteName = "Settings\\Canasta Required";
const char* const kRulesHintUnlocked = "|Adjust the rules of Canasta to your local variant";
const char* const kRulesHintLocked = " Changing the rules is only possible when starting a new game";

RuleOptions HoyleRules() {
    RuleOptions rules;
    rules.CanastaRequired = 0;
    rules.NumberOfCanastas = 2;
    rules.NumberOfCards = 2;
    rules.AddToCanasta = 0;
    rules.TopCardCounts = 1;
    rules.InitialBlock = 1;
    rules.NaturalPair = 0;
    rules.AddExistingMeld = 0;
    rules.DrawExtra = 1;
    rules.ThreeBlock = 0;
    rules.BonusCounts = 0;
    rules.InitialBlockForBoth = 1;
    rules.WildcardCanasta = 0;
    return rules;
}

RuleOptions LoadRuleOptions(SettingsStore& store) {
    const RuleOptions d;
    RuleOptions r;
    auto flag = [&](int i, uint8_t def) {
        return static_cast<uint8_t>(ReadBool(store, kRuleValueNames[i], def != 0));
    };
    // Only one or two canastas and cards make a playable game; anything else is damage.
    auto number = [&](int i, int32_t def) {
        const int64_t value = ReadInt(store, kRuleValueNames[i], def);
        return value == 1 || value == 2 ? static_cast<int32_t>(value) : def;
    };
    r.CanastaRequired = flag(0, d.CanastaRequired);
    r.NumberOfCanastas = number(1, d.NumberOfCanastas);
    r.NumberOfCards = number(2, d.NumberOfCards);
    r.AddToCanasta = flag(3, d.AddToCanasta);
    r.TopCardCounts = flag(4, d.TopCardCounts);
    r.InitialBlock = flag(5, d.InitialBlock);
    r.NaturalPair = flag(6, d.NaturalPair);
    r.AddExistingMeld = flag(7, d.AddExistingMeld);
    r.DrawExtra = flag(8, d.DrawExtra);
    r.ThreeBlock = flag(9, d.ThreeBlock);
    r.BonusCounts = flag(10, d.BonusCounts);
    r.InitialBlockForBoth = flag(11, d.InitialBlockForBoth);
    r.WildcardCanasta = flag(12, d.WildcardCanasta);
    return r;
}

void WriteRuleOptions(SettingsStore& store, const RuleOptions& r) {
    WriteBool(store, kCanastaRequiredWriteName, r.CanastaRequired);
    store.WriteValue(kRuleValueNames[1], int64_t{r.NumberOfCanastas});
    store.WriteValue(kRuleValueNames[2], int64_t{r.NumberOfCards});
    WriteBool(store, kRuleValueNames[3], r.AddToCanasta);
    WriteBool(store, kRuleValueNames[4], r.TopCardCounts);
    WriteBool(store, kRuleValueNames[5], r.InitialBlock);
    WriteBool(store, kRuleValueNames[6], r.NaturalPair);
    WriteBool(store, kRuleValueNames[7], r.AddExistingMeld);
    WriteBool(store, kRuleValueNames[8], r.DrawExtra);
    WriteBool(store, kRuleValueNames[9], r.ThreeBlock);
    WriteBool(store, kRuleValueNames[10], r.BonusCounts);
    WriteBool(store, kRuleValueNames[11], r.InitialBlockForBoth);
    WriteBool(store, kRuleValueNames[12], r.WildcardCanasta);
}

}  // namespace tavolex
