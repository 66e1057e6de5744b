// What the Rules dialog decides: which of its controls may be used, the caption that follows the
// number of canastas, and what its OK does to the running table.
#pragma once

#include <string>

#include "game/rule_options.h"

namespace tavolex {

class Table;

// The dialog's pages, in tab order.
enum RulesPage { kRulesDiscardPilePage, kRulesRedThreesPage, kRulesCanastasPage, kRulesOtherPage };

struct RulesControlStates {
    bool optionsEnabled = true;      // every check box, radio group and "Hoyle Rules"
    bool warningVisible = false;     // the red "cannot be changed now" label
    bool initBlockEnabled = true;    // "Separately frozen for each player"
    bool addExistingEnabled = true;  // "Also when adding to existing meld"
};

// Once a match has begun the rules are locked; the two indented boxes only mean something while
// the box above them is checked.
RulesControlStates RulesControls(bool gameInProgress, bool initFreezeChecked,
                                 bool naturalPairChecked);

// The caption of the "canastas required" box for the "needed to go out" choice (1 or 2).
std::string CanastaRequiredCaption(int numberOfCanastas);

// The radio item (0 "One", 1 "Two") for a stored count; an odd stored count shows as the
// nearer of the two.
int CountItem(int32_t count);

// The dialog's OK: writes all thirteen values, takes them into the game and re-freezes (or
// thaws) the discard pile when the initial freeze was switched.
void ApplyRuleOptions(Table& table, const RuleOptions& rules);

// The pages the help pages' commands open (parameter 2, 3, 4); -1 for the other parameters.
int RulesPageForHelpCommand(int parameter);

}  // namespace tavolex
