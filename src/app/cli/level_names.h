// The computer levels as the command line names them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavolex::cli {

// "beginner", "advanced" or "expert", in any case.
std::optional<uint8_t> ParseLevel(const std::string& name);
std::string LevelName(uint8_t level);

}  // namespace tavolex::cli
