// "tavolex-cli settings": inspecting and repairing the settings without the game.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavolex {
class SettingsStore;
}

namespace tavolex::cli {

// arguments: "get PATH", "set PATH VALUE", "list [SUBKEY]" or "migrate". programFolder is
// where migrate looks for old saved games.
int RunSettings(const std::vector<std::string>& arguments, SettingsStore& store,
                const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err);

// The same on the store the game uses; only the tool built with the Qt shell has it.
int RunSettingsOnGameStore(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err);

}  // namespace tavolex::cli
