// What must hold whatever the players do: checked after every action of a random run, after
// every received message, and on a game the peer sends before it replaces the running one.
#pragma once

#include <string>

#include "game/table.h"

namespace tavolex {

// Every card of the pack lies in exactly one live pile, each hand and meld card in a column
// that fits it, and the tallies agree with the squared columns. Empty when all holds, else the
// first thing found wrong.
std::string CheckTableInvariants(const Table& table);
std::string CheckGameInvariants(const GameState& state, const TableLayout& layout);

// Whether a refused action left the game as it was. Not counted as changes: the error the
// refusal shows (ErrorCode, RejectReason), the click marking the game as in progress, and the
// count arrays, which are caches that any rule check may recount.
bool UnchangedByRefusal(GameState before, GameState after, const TableLayout& layout);

}  // namespace tavolex
