// The game state as JSON: every field of GameState under its own name, and the status line.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "game/game_state.h"

namespace tavolex::cli {

// Keeps the fields in the order they were written.
using Json = nlohmann::ordered_json;

// Each card as {"card": "heartb", "deck": 0, "x": .., "y": .., "faceUp": 0|1}.
Json CardToJson(const CardRecord& card);
Json StateToJson(const GameState& state, const std::string& statusText);

}  // namespace tavolex::cli
