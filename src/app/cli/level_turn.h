// A computer level playing the player's side of a network match through the player's input
// path, so that every move goes out as the window would send it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/computer_memory.h"
#include "table/headless_game.h"

namespace tavolex::cli {

// The level plays the turn on a copy of the table with the sides changed places (SideMirror);
// its draw or pile take, the cards it melded and its discard are then made on the table as
// clicks. Whatever the clicks leave undone (a move the player's input refuses) random actions
// finish, so the turn always ends; what those found broken, if anything. playerSideMemory: what
// the level remembers between turns.
std::optional<std::string> PlayLevelTurn(HeadlessGame& game, uint8_t level,
                                         ComputerMemory& playerSideMemory);

}  // namespace tavolex::cli
