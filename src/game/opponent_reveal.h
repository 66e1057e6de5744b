// The player's look at the opponent's hand (Ctrl+F11), also given while the scoring details show.
#pragma once

namespace tavolex {

class Table;

// Turns every card of the opponent's hand face up, or back down, and switches the row's step;
// cards the opponent receives later follow the same setting. Twice restores the row exactly.
void ToggleOpponentHandReveal(Table& table);

}  // namespace tavolex
