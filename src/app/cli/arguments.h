// The command line of tavolex-cli, read and checked before anything is done.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/player_actions.h"
#include "lobby/web_services.h"

namespace tavolex::cli {

enum class Command { Deal, Show, Play, Match, Monkey, Netplay, Help };

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
    // netplay
    GameServerAddress server;
    std::string nickname;
    std::string invite;                  // the player to invite; empty when accepting
    bool accept = false;                 // waits for an invitation and accepts it
    std::optional<uint8_t> policyLevel;  // the level that plays this side; none: the monkey
    std::string digest;                  // the digest's file, when wanted
    int matchHands = 0;                  // hands after which a match begins anew; 0: to 5000
};

struct ParsedArguments {
    std::optional<Options> options;
    std::string error;  // one line, when options is empty
};

// The arguments after the program's name.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

// "HOST:PORT" with a port from 1 to 65535.
std::optional<GameServerAddress> ParseServerAddress(const std::string& text);

// The command line's own form of the rules and settings given (for a run to print how to repeat
// it).
std::string SettingsArguments(const Options& options);

}  // namespace tavolex::cli
