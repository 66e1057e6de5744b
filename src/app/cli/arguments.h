// The command line of tavolex-cli, read and checked before anything is done.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/player_actions.h"

namespace tavolex::cli {

enum class Command { Deal, Show, Play, Match, Monkey, Help };

// A "--set NAME=VALUE": a settings value for the run, e.g. "Settings\Number of Canastas=2".
struct SettingOverride {
    std::string name;
    std::string value;
};

struct Options {
    Command command = Command::Show;
    uint32_t seed = 1;
    std::vector<SettingOverride> settings;
    std::string file;                // show and play
    std::optional<std::string> out;  // deal, play
    std::optional<uint8_t> level;    // play; otherwise "Settings\Level"
    uint8_t playerLevel = 0;         // match
    uint8_t opponentLevel = 0;       // match, monkey
    int matches = 0;
    int hands = 0;
    bool json = false;
    bool parts = false;          // match: the mean hand margin by score part
    bool progress = false;       // monkey: a line every 10,000 hands
    bool standardRules = false;  // match, monkey: the standard rules before any --set
    std::vector<PlayerAction> actions;
};

struct ParsedArguments {
    std::optional<Options> options;
    std::string error;  // one line, when options is empty
};

// The arguments after the program's name.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

// The command line's own form of the rules and settings given (for a run to print how to repeat
// it).
std::string SettingsArguments(const Options& options);

}  // namespace tavolex::cli
