// A game the peer loaded, taken over with the two sides swapped.
#pragma once

namespace tavolex {

class Table;
struct LoadGameText;

// Builds the game in a separate state and takes it only when it holds together as a saved game
// must; false (and the running game untouched) otherwise.
bool LoadRemoteGame(Table& table, const LoadGameText& game);

}  // namespace tavolex
