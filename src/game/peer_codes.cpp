#include "game/peer_codes.h"

#include "game/peer_link.h"

namespace tavolex {

char CardCode(const CardRecord& card) {
    return static_cast<char>(card.cardId + kWireOffset + (card.deck ? kSecondDeckBit : 0));
}

std::string CardRefCode(uint8_t cardId, int column) {
    return {static_cast<char>(cardId + kWireOffset), static_cast<char>(column + kWireOffset)};
}

bool IsCountField(int field) {
    return field == 1 || field == 2;
}

RuleFields RuleFieldsOf(const RuleOptions& r) {
    return {r.CanastaRequired, r.NumberOfCanastas, r.NumberOfCards,       r.AddToCanasta,
            r.TopCardCounts,   r.InitialBlock,     r.NaturalPair,         r.DrawExtra,
            r.ThreeBlock,      r.BonusCounts,      r.InitialBlockForBoth, r.WildcardCanasta,
            r.AddExistingMeld};
}

RuleOptions RulesFromFields(const RuleFields& f) {
    auto flag = [&](int field) { return static_cast<uint8_t>(f[field] != 0); };
    RuleOptions r;
    r.CanastaRequired = flag(0);
    r.NumberOfCanastas = f[1];
    r.NumberOfCards = f[2];
    r.AddToCanasta = flag(3);
    r.TopCardCounts = flag(4);
    r.InitialBlock = flag(5);
    r.NaturalPair = flag(6);
    r.DrawExtra = flag(7);
    r.ThreeBlock = flag(8);
    r.BonusCounts = flag(9);
    r.InitialBlockForBoth = flag(10);
    r.WildcardCanasta = flag(11);
    r.AddExistingMeld = flag(12);
    return r;
}

std::string RulesString(const RuleOptions& rules) {
    const RuleFields fields = RuleFieldsOf(rules);
    std::string text;
    for (int field = 0; field < kRuleFieldCount; ++field) {
        if (field > 0) text += kFieldSeparator;
        text += IsCountField(field) ? std::to_string(fields[field]) : (fields[field] ? "T" : "F");
    }
    return text;
}

}  // namespace tavolex
