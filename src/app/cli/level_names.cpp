#include "app/cli/level_names.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "game/table.h"

namespace tavolex::cli {

namespace {
constexpr std::array<const char*, 3> kLevelNames = {"beginner", "advanced", "expert"};
}  // namespace

std::optional<uint8_t> ParseLevel(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (uint8_t level = kBeginner; level <= kExpert; ++level)
        if (lower == kLevelNames[level]) return level;
    return std::nullopt;
}

std::string LevelName(uint8_t level) {
    return kLevelNames[std::min<int>(level, kExpert)];
}

}  // namespace tavolex::cli
