// Starting a match and dealing its hands.
#pragma once

namespace tavolex {

class Table;

// The New command.
void StartNewGame(Table& table);
// Shuffles and deals; firstOfRun only for the first hand after start-up.
void DealHand(Table& table, bool firstOfRun);

}  // namespace tavolex
