// The table a command plays on: the run's settings, the rules and presentation flags read from
// them, and the computer of a level on the opponent's side.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "computer/computer_turn.h"
#include "table/headless_game.h"

namespace tavolex::cli {

// Stores the standard rules when asked and then the overrides in the game's settings, and reads
// what the table window reads from them at start-up. The computer plays without pauses.
void ConfigureGame(HeadlessGame& game, const Options& options);

// The computer of a level plays the opponent's side; without a level, the one the settings name.
void SeatComputer(HeadlessGame& game, ComputerOpponent& computer, std::optional<uint8_t> level);

// Loads a saved game in the layout it was saved in, so positions stay as in the file. On failure
// gives the one-line reason.
std::optional<std::string> OpenSavedGame(HeadlessGame& game, const std::string& path);

}  // namespace tavolex::cli
