#include "table/rules_change.h"

#include <algorithm>

#include "game/cards.h"
#include "game/peer_codes.h"
#include "game/table.h"

namespace tavolex {

namespace {

// A wild card or a red three discarded onto the pile freezes it until the pile is taken.
bool PileHoldsFreezingCard(const CardPile& pile) {
    return std::any_of(pile.begin(), pile.end(), [](const CardRecord& card) {
        return IsWildRank(card.rank) || IsRedThree(card.cardId);
    });
}

}  // namespace

RulesControlStates RulesControls(bool gameInProgress, bool initFreezeChecked,
                                 bool naturalPairChecked) {
    RulesControlStates states;
    states.optionsEnabled = !gameInProgress;
    states.warningVisible = gameInProgress;
    states.initBlockEnabled = initFreezeChecked && !gameInProgress;
    states.addExistingEnabled = naturalPairChecked && !gameInProgress;
    return states;
}

std::string CanastaRequiredCaption(int numberOfCanastas) {
    return numberOfCanastas >= 2 ? "At least two Canastas required for positive score"
                                 : "At least one Canasta required for positive score";
}

int CountItem(int32_t count) {
    return count >= 2 ? 1 : 0;
}

void ApplyRuleOptions(Table& table, const RuleOptions& rules) {
    WriteRuleOptions(table.settings, rules);
    const bool freezeSwitched = rules.InitialBlock != table.rules().InitialBlock;
    table.rules() = rules;
    table.SendToken(kTokenRules, RulesString(rules));
    if (!freezeSwitched) return;
    // Switching the initial freeze off must not thaw a pile that a wild card or a red three
    // in it still keeps frozen.
    GameState& state = table.state;
    state.PileFrozen = rules.InitialBlock || PileHoldsFreezingCard(state.DiscardPile);
    table.RepaintPileBox();
}

int RulesPageForHelpCommand(int parameter) {
    switch (parameter) {
        case 2:
            return kRulesRedThreesPage;
        case 3:
            return kRulesCanastasPage;
        case 4:
            return kRulesDiscardPilePage;
        default:
            return -1;
    }
}

}  // namespace tavolex
